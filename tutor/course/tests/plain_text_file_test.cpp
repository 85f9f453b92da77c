#include "tutor/course/plain_text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/testing/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

Lines Split(std::string_view contents) {
    Lines lines;
    PlainTextFile::SplitLines(contents, lines);
    return lines;
}

}  // namespace

TEST(PlainTextFile, LinesEndAtLineFeedWithCarriageReturnDropped) {
    EXPECT_EQ(Split("one\r\ntwo\nthree\r\n"), (Lines{"one", "two", "three"}));
    EXPECT_EQ(Split("last without end"), (Lines{"last without end"}));
    EXPECT_EQ(Split("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(Split(""), Lines{});
    EXPECT_EQ(Split("\n"), Lines{""});
    // Only a carriage return right before the line feed is a line end.
    EXPECT_EQ(Split("a\rb\r\r\n"), (Lines{"a\rb\r"}));
}

TEST(PlainTextFile, MissingFileOrFolderCannotBeRead) {
    TempDir dir;
    Lines lines{"kept"};
    EXPECT_FALSE(PlainTextFile::ReadLines(dir.File("missing.txt"), lines));
    EXPECT_FALSE(PlainTextFile::ReadLines(dir.path(), lines));
    EXPECT_EQ(lines, Lines{"kept"});
}

TEST(PlainTextFile, Utf8FileBecomesCodePageBytes) {
    TempDir dir;
    // "é" and "€" in UTF-8; the program's code page (1250) has both.
    std::string path = dir.Write("utf8.txt", "caf\xC3\xA9\r\n5 \xE2\x82\xAC \xE4\xB8\xAD");
    Lines lines;
    ASSERT_TRUE(PlainTextFile::ReadLines(path, lines));
    const CodePage& page = CodePage::Program();
    std::string eAcute(1, static_cast<char>(*page.ByteOf(U'\u00E9')));
    std::string euro(1, static_cast<char>(*page.ByteOf(U'\u20AC')));
    // The Chinese character is not in the code page and is dropped.
    EXPECT_EQ(lines, (Lines{"caf" + eAcute, "5 " + euro + " "}));
}

TEST(PlainTextFile, CodePageFileIsTakenAsItIs) {
    TempDir dir;
    std::string path = dir.Write("cp.txt", "caf\xE9\nx\x80y");
    Lines lines;
    ASSERT_TRUE(PlainTextFile::ReadLines(path, lines));
    EXPECT_EQ(lines, (Lines{"caf\xE9", "x\x80y"}));
}
