#include "common/json_text.h"

#include <gtest/gtest.h>

TEST(JsonStringTest, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("a\"b\\c\n\r\t\x01z"), "\"a\\\"b\\\\c\\n\\r\\t\\u0001z\"");
    EXPECT_EQ(JsonString("\xC3\xA9"), "\"\xC3\xA9\"");
}
