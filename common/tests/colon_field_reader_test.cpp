#include "common/colon_field_reader.h"

#include <gtest/gtest.h>

TEST(ColonFieldReader, ReadsFieldsLeftToRight) {
    ColonFieldReader reader("fjdk:1:64:0.8:");
    std::string characters;
    std::int32_t testable = 0;
    double speed = 0, error = 0;
    EXPECT_TRUE(reader.NextText(characters));
    EXPECT_TRUE(reader.NextInt(testable));
    EXPECT_TRUE(reader.NextReal(speed));
    EXPECT_TRUE(reader.NextReal(error));
    EXPECT_EQ(characters, "fjdk");
    EXPECT_EQ(testable, 1);
    EXPECT_DOUBLE_EQ(speed, 64.0);
    EXPECT_DOUBLE_EQ(error, 0.8);
    EXPECT_EQ(reader.Rest(), "");
}

TEST(ColonFieldReader, FieldWithoutColonKeepsItsValueAndStopsTheRest) {
    ColonFieldReader reader("abc:1:70");
    std::string characters;
    std::int32_t testable = 0;
    double speed = 99.0, error = 0.8;
    EXPECT_TRUE(reader.NextText(characters));
    EXPECT_TRUE(reader.NextInt(testable));
    EXPECT_FALSE(reader.NextReal(speed));
    EXPECT_FALSE(reader.NextReal(error));
    EXPECT_DOUBLE_EQ(speed, 99.0);
    EXPECT_DOUBLE_EQ(error, 0.8);
    EXPECT_EQ(reader.Rest(), "70");
}

TEST(ColonFieldReader, EmptyNumberFieldsReadAsZero) {
    ColonFieldReader reader("::x:");
    std::int32_t a = 5;
    double b = 5.0;
    std::int64_t c = 5;
    EXPECT_TRUE(reader.NextInt(a));
    EXPECT_TRUE(reader.NextReal(b));
    EXPECT_TRUE(reader.NextInt64(c));
    EXPECT_EQ(a, 0);
    EXPECT_DOUBLE_EQ(b, 0.0);
    EXPECT_EQ(c, 0);
}

TEST(ColonFieldReader, OnceExhaustedNoLaterFieldIsRead) {
    // After a field without its colon, a colon further on must not be mistaken for a field.
    ColonFieldReader reader("no colon here");
    std::string text = "keep";
    EXPECT_FALSE(reader.NextText(text));
    EXPECT_FALSE(reader.NextText(text));
    EXPECT_EQ(text, "keep");
}
