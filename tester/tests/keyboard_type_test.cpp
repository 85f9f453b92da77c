#include "tester/keyboard_type.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/code_page.h"

namespace {

TEST(KeyboardTypeTest, BuiltInSetsAreTheCzechWorthTablesInWindows1250) {
    const CodePage page(1250);
    const KeyboardType table = KeyboardType::BuiltInDefault();
    EXPECT_EQ(table.name, "default");
    EXPECT_EQ(table.chars1, page.FromUtf8("aábcčdeěéfghiíjklmnopqrřsštuůúvwxyýzž,.-§)=+;"));
    EXPECT_EQ(table.chars2, page.FromUtf8("1234567890óABCDEFGHIJKLMNOPQRSTUVWXYZ?:_\"!/('%"));
    EXPECT_EQ(table.chars3, page.FromUtf8("ďťňÁÉÍÓÚ"));
    EXPECT_EQ(table.chars4, page.FromUtf8("ĎŤŇČĚŘŠŮŽ"));
}

KeyboardType SampleTable() {
    return KeyboardType{.editable = true,
                        .name = "My keyboard",
                        .chars1 = "abc",
                        .chars2 = "ABC",
                        .chars3 = "!",
                        .chars4 = "",
                        .fifth = "fifth: string",
                        .pairs = {{"one", "two"}, {"a:b", "c"}},
                        .path = ""};
}

TEST(KeyboardTypeTest, LinesComeInTheirFixedOrder) {
    EXPECT_EQ(SampleTable().ToLines(),
              (std::vector<std::string>{"1:1", "2:My keyboard", "4:abc", "5:ABC", "6:!",
                                        "7:", "8:fifth: string", "3:one:two", "3:a:b:c"}));
}

TEST(KeyboardTypeTest, RecordsAreReadInAnyOrder) {
    KeyboardType table;
    table.ApplyLines({"7:4", "3:x:y", "8:v", "6:3", "5:2", "4:1", "2:Name", "1:1", "9:ignored",
                      "no colon", "3:lonely"});
    EXPECT_TRUE(table.editable);
    EXPECT_EQ(table.name, "Name");
    EXPECT_EQ(table.chars1, "1");
    EXPECT_EQ(table.chars2, "2");
    EXPECT_EQ(table.chars3, "3");
    EXPECT_EQ(table.chars4, "4");
    EXPECT_EQ(table.fifth, "v");
    EXPECT_EQ(table.pairs,
              (std::vector<std::pair<std::string, std::string>>{{"x", "y"}, {"lonely", ""}}));
}

TEST(KeyboardTypeTest, PairsWithColonsComeBackSplitAtTheFirstColon) {
    const KeyboardType written = SampleTable();
    KeyboardType read;
    read.ApplyLines(written.ToLines());
    EXPECT_EQ(read.pairs,
              (std::vector<std::pair<std::string, std::string>>{{"one", "two"}, {"a", "b:c"}}));
    EXPECT_EQ(read.fifth, written.fifth);
    EXPECT_EQ(read.chars3, written.chars3);
}

TEST(KeyboardTypeTest, LineBreaksInASetAreLeftOut) {
    KeyboardType table = SampleTable();
    table.chars1 = "ab\r\ncd";
    KeyboardType read;
    read.ApplyLines(table.ToLines());
    EXPECT_EQ(read.chars1, "abcd");
    EXPECT_EQ(read.chars2, "ABC");
}

TEST(KeyboardTypeTest, FileNameIsTheNameWithTheExtension) {
    EXPECT_EQ(KeyboardType::FileNameFor("Czech"), "Czech.nchrs");
}

}  // namespace
