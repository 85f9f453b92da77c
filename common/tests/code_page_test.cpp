#include "common/code_page.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(CodePage, Windows1250MapsCzechLetters) {
    CodePage page(1250);
    // 0xE8 is c with caron, 0x8A is S with caron, 0xA4 the currency sign.
    EXPECT_EQ(page.CodePoint(0xE8), U'\u010D');
    EXPECT_EQ(page.CodePoint(0x8A), U'\u0160');
    EXPECT_EQ(page.CodePoint(0xA4), U'\u00A4');
    EXPECT_EQ(page.ToUtf8("\xE8\x61"),
              "\xC4\x8D"
              "a");
    EXPECT_EQ(page.FromUtf8("\xC4\x8D"
                            "a"),
              "\xE8\x61");
}

TEST(CodePage, EveryByteSurvivesARoundTrip) {
    for (int number : {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258}) {
        CodePage page(number);
        std::string all;
        for (int b = 0; b < 256; ++b) {
            all += static_cast<char>(b);
        }
        EXPECT_EQ(page.FromUtf8(page.ToUtf8(all)), all) << "code page " << number;
    }
}

TEST(CodePage, CharactersThePageLacksAndBrokenUtf8AreDropped) {
    CodePage page(1250);
    EXPECT_EQ(page.FromUtf8("a\xE2\x82\xAC"
                            "b"),
              "a\x80"
              "b");  // euro sign exists: 0x80
    EXPECT_EQ(page.FromUtf8("a\xE4\xB8\xAD"
                            "b"),
              "ab");  // a CJK letter does not
    EXPECT_EQ(page.FromUtf8("a\xC3"
                            "b"),
              "ab");  // truncated sequence
    EXPECT_EQ(page.FromUtf8("a\xED\xA0\x80"
                            "b"),
              "ab");  // surrogate
    EXPECT_EQ(page.FromUtf8("a\xC0\xAF"
                            "b"),
              "ab");  // overlong "/"
}

TEST(CodePage, TextFilesInUtf8AreConvertedOtherBytesKept) {
    CodePage page(1250);
    EXPECT_EQ(page.DecodeTextFile("plain ascii"), "plain ascii");
    EXPECT_EQ(page.DecodeTextFile("\xEF\xBB\xBF\xC5\xBEluv"), "\x9Eluv");  // BOM, z caron
    // Not valid UTF-8: already code-page bytes.
    EXPECT_EQ(page.DecodeTextFile("\x9Eluv"), "\x9Eluv");
}

TEST(CodePage, NamesOfWindowsSingleBytePages) {
    EXPECT_EQ(CodePage::ParseName("1250"), 1250);
    EXPECT_EQ(CodePage::ParseName("CP1252"), 1252);
    EXPECT_EQ(CodePage::ParseName("windows-1251"), 1251);
    EXPECT_EQ(CodePage::ParseName("874"), 874);
    EXPECT_FALSE(CodePage::ParseName("65001"));
    EXPECT_FALSE(CodePage::ParseName("utf-8"));
    EXPECT_FALSE(CodePage::ParseName(""));
    EXPECT_THROW(CodePage(437), std::invalid_argument);
}

TEST(CodePage, ProgramPageDefaultsTo1250AndCanBeChanged) {
    EXPECT_EQ(CodePage::Program().number(), 1250);
    EXPECT_FALSE(CodePage::SetProgram("nonsense"));
    EXPECT_EQ(CodePage::Program().number(), 1250);
    EXPECT_TRUE(CodePage::SetProgram("1252"));
    EXPECT_EQ(CodePage::Program().ToUtf8("\xE8"), "\xC3\xA8");  // e grave in 1252
    EXPECT_TRUE(CodePage::SetProgram("1250"));
}
