#include "common/compressed_line_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "common/file_error.h"
#include "common/line_container/line_block_codec.h"
#include "common/testing/temp_dir.h"
#include "common/tests/compressed_line_file_support.h"

using namespace line_file_testing;

namespace {

std::vector<std::string> DecodeAll(std::string_view contents) {
    std::vector<std::string> lines;
    CompressedLineFile::Decode(contents, "test.dat", lines);
    return lines;
}

// A file holding exactly the given stream in one block made by our own block encoder.
std::string OneBlockFile(std::string_view stream) {
    std::string file;
    EXPECT_TRUE(LineBlockCodec::EncodeBlock(stream, file));
    return file;
}

}  // namespace

TEST(CompressedLineFile, EmptyListGivesEmptyFileAndBack) {
    EXPECT_EQ(CompressedLineFile::Encode({}), "");
    EXPECT_TRUE(DecodeAll("").empty());
}

TEST(CompressedLineFile, OneEmptyLineIsOneBlockOfCarriageReturnLineFeed) {
    const std::string file = CompressedLineFile::Encode({""});
    const std::vector<BlockInfo> blocks = Blocks(file);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].rawLength, 2u);
    EXPECT_EQ(DecodeAll(file), std::vector<std::string>{""});
}

TEST(CompressedLineFile, FiveThousandBytesAreTwoBlocksEachStandingAlone) {
    // 50 lines of 98 characters, each with CR LF: 5000 bytes.
    std::vector<std::string> lines;
    for (int i = 0; i < 50; ++i) {
        lines.push_back(std::string(98, static_cast<char>('a' + i % 26)));
    }
    const std::string file = CompressedLineFile::Encode(lines);
    const std::vector<BlockInfo> blocks = Blocks(file);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].rawLength, 4096u);
    EXPECT_EQ(blocks[1].rawLength, 904u);
    EXPECT_EQ(DecodeAll(file), lines);

    // The second block decodes on its own: fresh prediction table and its own code table.
    const std::string stream = JoinWithLineEnds(lines);
    const std::string_view second = std::string_view(file).substr(blocks[1].offset);
    std::vector<std::uint8_t> raw(904);
    ASSERT_TRUE(LineBlockCodec::DecodeBlock(
        reinterpret_cast<const std::uint8_t*>(second.data()) + LineBlockCodec::kHeaderSize,
        blocks[1].packedLength, raw.data(), raw.size()));
    EXPECT_EQ(std::string(raw.begin(), raw.end()), stream.substr(4096));
}

TEST(CompressedLineFile, BlocksAreFullExceptTheLast) {
    std::mt19937 random(7);
    const std::vector<std::string> lines = RandomLines(random, 300);
    const std::string file = CompressedLineFile::Encode(lines);
    const std::vector<BlockInfo> blocks = Blocks(file);
    const std::size_t total = JoinWithLineEnds(lines).size();
    ASSERT_EQ(blocks.size(), (total + 4095) / 4096);
    for (std::size_t i = 0; i + 1 < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].rawLength, 4096u);
    }
    EXPECT_EQ(blocks.back().rawLength, total - 4096 * (blocks.size() - 1));
}

class CompressedLineFileRoundTrip : public testing::TestWithParam<unsigned> {};

TEST_P(CompressedLineFileRoundTrip, RandomLinesComeBackUnchanged) {
    std::mt19937 random(GetParam());
    const std::vector<std::string> lines = RandomLines(random, 1 + random() % 400);
    EXPECT_EQ(DecodeAll(CompressedLineFile::Encode(lines)), lines);
}

INSTANTIATE_TEST_SUITE_P(Seeds, CompressedLineFileRoundTrip, testing::Range(1u, 21u));

TEST(CompressedLineFile, EveryByteButLineFeedSurvivesAnywhereInALine) {
    // Carriage returns inside a line and at its end come back too: only the byte right
    // before each line feed is taken as the line end.
    std::vector<std::string> lines;
    for (int b = 0; b < 256; ++b) {
        if (b == '\n') {
            continue;
        }
        const char c = static_cast<char>(b);
        lines.push_back(std::string(1, c));
        lines.push_back(std::string("x") + c + "y");
        lines.push_back(std::string(3, c));
    }
    EXPECT_EQ(DecodeAll(CompressedLineFile::Encode(lines)), lines);
}

struct StreamCase {
    const char* name;
    const char* stream;
    std::vector<std::string> lines;
};

class CompressedLineFileSplitting : public testing::TestWithParam<StreamCase> {};

TEST_P(CompressedLineFileSplitting, StreamIsCutAtLineFeeds) {
    const StreamCase& c = GetParam();
    EXPECT_EQ(DecodeAll(OneBlockFile(c.stream)), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompressedLineFileSplitting,
    testing::Values(StreamCase{"LastLineWithoutLineEndIsDropped", "ab\r\ncd", {"ab"}},
                    StreamCase{"LineEndingInLineFeedAloneLosesItsLastCharacter", "abc\n", {"ab"}},
                    StreamCase{"LineFeedAtStartGivesEmptyLine", "\nx\r\n", {"", "x"}},
                    StreamCase{"BareLineFeedsGiveEmptyLines", "\n\n\n", {"", "", ""}},
                    StreamCase{"CarriageReturnAloneIsNoLineEnd", "a\rb\r\n", {"a\rb"}},
                    StreamCase{"NoLineFeedNoLine", "abc", {}}),
    [](const testing::TestParamInfo<StreamCase>& info) { return info.param.name; });

TEST(CompressedLineFile, LinesMaySpanBlocksOfAnySize) {
    // Line ends split across blocks, including between CR and LF, and blocks of one byte.
    const std::string stream = "first\r\nsecond line\r\n\r\nlast\r\n";
    std::string file;
    for (std::size_t i = 0; i < stream.size(); i += 3) {
        ASSERT_TRUE(LineBlockCodec::EncodeBlock(std::string_view(stream).substr(i, 3), file));
    }
    EXPECT_EQ(DecodeAll(file), (std::vector<std::string>{"first", "second line", "", "last"}));
}

TEST(CompressedLineFile, FilesOfAnotherCarefulWriterAreReadTheSame) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        const std::vector<std::string> lines = RandomLines(random, 50 + random() % 400);
        const std::string file = ReferenceFile(JoinWithLineEnds(lines), random);
        EXPECT_EQ(DecodeAll(file), lines) << "seed " << seed;
    }
}

TEST(CompressedLineFile, DecodeAppendsToTheGivenLines) {
    std::vector<std::string> lines{"kept"};
    CompressedLineFile::Decode(CompressedLineFile::Encode({"a", "b"}), "x", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"kept", "a", "b"}));
}

TEST(CompressedLineFile, NextLineWrapsAroundAfterTheEnd) {
    CompressedLineFile file;
    file.AddLine("one");
    file.AddLine("two");
    std::string line = "junk";
    EXPECT_TRUE(file.NextLine(line));
    EXPECT_EQ(line, "one");
    EXPECT_TRUE(file.NextLine(line));
    EXPECT_EQ(line, "two");
    EXPECT_FALSE(file.NextLine(line));
    EXPECT_EQ(line, "");
    EXPECT_TRUE(file.NextLine(line));
    EXPECT_EQ(line, "one");
}

TEST(CompressedLineFile, NextLineOnEmptyListKeepsSayingNo) {
    CompressedLineFile file;
    std::string line = "junk";
    EXPECT_FALSE(file.NextLine(line));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(file.NextLine(line));
}

TEST(CompressedLineFile, ClearEmptiesLinesAndRewindsCursor) {
    CompressedLineFile file;
    file.AddLine("one");
    std::string line;
    file.NextLine(line);
    file.Clear();
    EXPECT_TRUE(file.lines().empty());
    file.AddLine("again");
    EXPECT_TRUE(file.NextLine(line));
    EXPECT_EQ(line, "again");
}

TEST(CompressedLineFile, WriteThenReadGivesTheLines) {
    TempDir dir;
    std::mt19937 random(3);
    CompressedLineFile written;
    for (const std::string& line : RandomLines(random, 200)) {
        written.AddLine(line);
    }
    ASSERT_TRUE(written.Write(dir.File("lines.dat")));
    EXPECT_EQ(TempDir::ReadAll(dir.File("lines.dat")), CompressedLineFile::Encode(written.lines()));

    CompressedLineFile read;
    read.AddLine("replaced");
    ASSERT_TRUE(read.Read(dir.File("lines.dat")));
    EXPECT_EQ(read.lines(), written.lines());
}

TEST(CompressedLineFile, ReadRewindsTheCursor) {
    TempDir dir;
    const std::string path = dir.Write("a.dat", CompressedLineFile::Encode({"x", "y"}));
    CompressedLineFile file;
    ASSERT_TRUE(file.Read(path));
    std::string line;
    file.NextLine(line);
    ASSERT_TRUE(file.Read(path));
    EXPECT_TRUE(file.NextLine(line));
    EXPECT_EQ(line, "x");
}

TEST(CompressedLineFile, EmptyListWritesEmptyFileAndReadsBackEmpty) {
    TempDir dir;
    CompressedLineFile file;
    ASSERT_TRUE(file.Write(dir.File("empty.dat")));
    EXPECT_EQ(std::filesystem::file_size(dir.File("empty.dat")), 0u);
    file.AddLine("stale");
    ASSERT_TRUE(file.Read(dir.File("empty.dat")));
    EXPECT_TRUE(file.lines().empty());
}

TEST(CompressedLineFile, ReadOfMissingFileOrFolderSaysNoAndKeepsLines) {
    TempDir dir;
    CompressedLineFile file;
    file.AddLine("kept");
    EXPECT_FALSE(file.Read(dir.File("missing.dat")));
    EXPECT_FALSE(file.Read(dir.path()));
    EXPECT_EQ(file.lines(), std::vector<std::string>{"kept"});
}

TEST(CompressedLineFile, WriteIntoMissingFolderSaysNo) {
    TempDir dir;
    CompressedLineFile file;
    file.AddLine("x");
    EXPECT_FALSE(file.Write(dir.File("no/such/folder/x.dat")));
}
