#include "tester/text_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/testing/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

TEST(TextFileReaderTest, LinesEndAtLineFeedsWithTheirCarriageReturnsDropped) {
    TempDir dir;
    EXPECT_EQ(TextFileReader::ReadLines(dir.Write("a.txt", "one\r\ntwo\nthree")),
              (Lines{"one", "two", "three"}));
    EXPECT_EQ(TextFileReader::ReadLines(dir.Write("b.txt", "one\r\n\r\n")), (Lines{"one", ""}));
    EXPECT_EQ(TextFileReader::ReadLines(dir.Write("c.txt", "a\rb\r\r\n")), (Lines{"a\rb\r"}));
    EXPECT_EQ(TextFileReader::ReadLines(dir.Write("d.txt", "")), Lines{});
}

TEST(TextFileReaderTest, Utf8FilesBecomeCodePageBytes) {
    TempDir dir;
    // "Příliš žluťoučký" in UTF-8 with a byte-order mark, and in Windows-1250.
    const std::string path =
        dir.Write("utf8.txt",
                  "\xEF\xBB\xBFP\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD");
    EXPECT_EQ(TextFileReader::ReadText(path), "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD");
    const std::string ansi = dir.Write("ansi.txt", "P\xF8\xEDli\x9A");
    EXPECT_EQ(TextFileReader::ReadText(ansi), "P\xF8\xEDli\x9A");
}

TEST(TextFileReaderTest, MissingFilesAndFoldersCannotBeRead) {
    TempDir dir;
    EXPECT_FALSE(TextFileReader::ReadLines(dir.File("absent.txt")));
    EXPECT_FALSE(TextFileReader::ReadText(dir.path()));
    EXPECT_FALSE(TextFileReader::LoadOriginalText(dir.File("absent.txt")));
    EXPECT_FALSE(TextFileReader::LoadOriginalText(dir.File("absent.rtf")));
}

TEST(TextFileReaderTest, TextIsTakenAsItIsExceptForTheLastLineBreak) {
    TempDir dir;
    EXPECT_EQ(TextFileReader::ReadText(dir.Write("a.txt", "a\tb  c \nd\n")), "a\tb  c \r\nd");
}

struct SpacingCase {
    const char* name;
    const char* text;
    const char* normalized;
};

void PrintTo(const SpacingCase& c, std::ostream* out) {
    *out << c.name;
}

class SpacingCases : public testing::TestWithParam<SpacingCase> {};

TEST_P(SpacingCases, NormalizesTestTexts) {
    EXPECT_EQ(TextFileReader::NormalizeSpacing(GetParam().text), GetParam().normalized);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpacingCases,
    testing::Values(SpacingCase{"TabsBecomeSpaces", "a\tb", "a b"},
                    SpacingCase{"RunsOfSpacesBecomeOne", "a     b  c", "a b c"},
                    SpacingCase{"TabsAndSpacesTogether", "a \t \tb", "a b"},
                    SpacingCase{"SpaceBeforeALineBreakGoes", "end  \r\nnext", "end\r\nnext"},
                    SpacingCase{"SpaceAfterALineBreakGoes", "end\r\n\t next", "end\r\nnext"},
                    SpacingCase{"EmptyLinesStay", "a\r\n \r\nb", "a\r\n\r\nb"},
                    SpacingCase{"SpacesAtTheEndsStay", " a ", " a "}),
    [](const testing::TestParamInfo<SpacingCase>& info) { return std::string(info.param.name); });

TEST(TextFileReaderTest, OriginalTextOfAPlainFileIsNormalized) {
    TempDir dir;
    const std::string path = dir.Write("test.txt", "First\tline  \r\n  second line\r\n");
    EXPECT_EQ(TextFileReader::LoadOriginalText(path), "First line\r\nsecond line");
}

TEST(TextFileReaderTest, RichTextIsChosenByRtfAnywhereInThePath) {
    TempDir dir;
    const std::string document =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello\\tab  world.\\par "
        "Second paragraph.\\par}";
    for (const char* name : {"doc.rtf", "DOC.RTF", "doc.rtf.txt"}) {
        const std::optional<std::string> text =
            TextFileReader::LoadOriginalText(dir.Write(name, document));
        ASSERT_TRUE(text) << name;
        // Every paragraph line starts with a space; only the one after a line break goes.
        EXPECT_EQ(*text, " Hello world.\r\nSecond paragraph.\r\n") << name;
    }
    // Without ".rtf" the same bytes are plain text.
    const std::optional<std::string> plain =
        TextFileReader::LoadOriginalText(dir.Write("doc.txt", document));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->substr(0, 6), "{\\rtf1");
}

}  // namespace
