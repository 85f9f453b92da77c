// Damaged container files are refused with a file error naming the file, whatever the damage,
// and never read or write outside their buffers (the sanitizer builds run these too).

#include <gtest/gtest.h>

#include <functional>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/testing/temp_dir.h"
#include "common/tests/compressed_line_file_support.h"

using namespace line_file_testing;

namespace {

const std::string kPath = "lessons/damaged.ddd";

std::vector<std::string> SampleLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i) {
        lines.push_back("line " + std::to_string(i) + " asdf jkl; fdsa ;lkj the quick brown fox");
    }
    return lines;
}

// Two full blocks and a short one.
const std::string& SampleFile() {
    static const std::string file = CompressedLineFile::Encode(SampleLines());
    return file;
}

void SetLength(std::string& file, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        file[offset + i] = static_cast<char>(value >> (8 * i));
    }
}

bool Refused(std::string_view contents) {
    std::vector<std::string> lines;
    try {
        CompressedLineFile::Decode(contents, kPath, lines);
    } catch (const FileError& error) {
        EXPECT_EQ(error.kind(), FileError::Kind::General);
        EXPECT_EQ(error.path(), kPath);
        EXPECT_EQ(error.message(), "An unknown error occurred while accessing " + kPath + ".");
        return true;
    }
    return false;
}

struct FileDamage {
    const char* name;
    std::function<std::string(std::string file, const std::vector<BlockInfo>& blocks)> damage;
};

class DamagedFile : public testing::TestWithParam<FileDamage> {};

TEST_P(DamagedFile, IsRefusedWithFileError) {
    const std::vector<BlockInfo> blocks = Blocks(SampleFile());
    ASSERT_EQ(blocks.size(), 3u);
    ASSERT_FALSE(Refused(SampleFile()));
    EXPECT_TRUE(Refused(GetParam().damage(SampleFile(), blocks)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    testing::Values(
        FileDamage{"OneByteOfAnotherHeader", [](std::string f, auto&) { return f + "\x01"; }},
        FileDamage{"ThreeBytesOfAnotherHeader", [](std::string f, auto&) { return f + "abc"; }},
        FileDamage{"HeaderWithoutPackedLength",
                   [](std::string f, auto&) { return f + std::string(4, '\0'); }},
        FileDamage{"HeaderWithHalfAPackedLength",
                   [](std::string f, auto&) { return f + std::string(6, '\0'); }},
        FileDamage{"TrailingGarbage", [](std::string f, auto&) { return f + "garbage!"; }},
        FileDamage{"TrailingEmptyBlockWithoutTable",
                   [](std::string f, auto&) { return f + std::string(8, '\0'); }},
        FileDamage{"RawLengthAboveLimit",
                   [](std::string f, auto& b) {
                       SetLength(f, b[0].offset, 131073);
                       return f;
                   }},
        FileDamage{"PackedLengthAboveLimit",
                   [](std::string f, auto& b) {
                       SetLength(f, b[1].offset + 4, 131073);
                       return f + std::string(131073, '\0');
                   }},
        FileDamage{"HugeLengths",
                   [](std::string f, auto& b) {
                       SetLength(f, b[0].offset, 0xFFFFFFFF);
                       SetLength(f, b[0].offset + 4, 0xFFFFFFFF);
                       return f;
                   }},
        FileDamage{"ShortDataOfLastBlock",
                   [](std::string f, auto&) { return f.substr(0, f.size() - 1); }},
        FileDamage{"FileCutInsideFirstBlock", [](std::string f, auto&) { return f.substr(0, 40); }},
        FileDamage{"PackedLengthOneMoreInLastBlock",
                   [](std::string f, auto& b) {
                       SetLength(f, b[2].offset + 4, b[2].packedLength + 1);
                       return f;
                   }},
        FileDamage{"PackedLengthOneMoreInFirstBlock",
                   [](std::string f, auto& b) {
                       SetLength(f, b[0].offset + 4, b[0].packedLength + 1);
                       return f;
                   }},
        FileDamage{"PackedLengthOneLess",
                   [](std::string f, auto& b) {
                       SetLength(f, b[1].offset + 4, b[1].packedLength - 1);
                       return f;
                   }},
        FileDamage{"RawLengthOneLess",
                   [](std::string f, auto& b) {
                       SetLength(f, b[0].offset, b[0].rawLength - 1);
                       return f;
                   }},
        FileDamage{"RawLengthOneMore",
                   [](std::string f, auto& b) {
                       SetLength(f, b[2].offset, b[2].rawLength + 1);
                       return f;
                   }},
        FileDamage{"RawLengthZero",
                   [](std::string f, auto& b) {
                       SetLength(f, b[1].offset, 0);
                       return f;
                   }},
        FileDamage{"DataByteLeftOver",
                   [](std::string f, auto& b) {
                       SetLength(f, b[2].offset + 4, b[2].packedLength + 1);
                       return f + std::string(1, '\0');
                   }},
        FileDamage{"TableCutShort",
                   [](std::string f, auto&) {
                       // Two bytes hold only three table items.
                       return StoredBlock(0, f.substr(8, 2));
                   }}),
    [](const testing::TestParamInfo<FileDamage>& info) { return info.param.name; });

// A small block made by hand: the given code lengths, the symbols coded in order, then fill
// bits and maybe extra bytes.
struct HandBlock {
    Lengths lengths{};
    std::vector<int> symbols;
    std::uint32_t rawLength = 0;
    bool fillWithOnes = false;
    std::string extraData;

    std::string File() const {
        BitString bits;
        std::mt19937 random(1);
        for (std::uint32_t item : ReferenceTableItems(lengths, ReferenceStyle{}, random)) {
            bits.Append(item, 5);
        }
        bits.Pad();
        const auto codes = ReferenceCodes(lengths);
        for (int s : symbols) {
            bits.Append(codes[s].value, codes[s].length);
        }
        bits.Pad(fillWithOnes);
        return StoredBlock(rawLength, bits.Bytes() + extraData);
    }
};

// 'A' has the one-bit code 1, the guess 00 and the end 01: "A", then the guessed space.
HandBlock ValidHandBlock() {
    HandBlock block;
    block.lengths['A'] = 1;
    block.lengths[258] = 2;
    block.lengths[259] = 2;
    block.symbols = {'A', 259, 258};
    block.rawLength = 2;
    return block;
}

TEST(DamagedBlock, HandMadeBlockWithLineEndGivesItsLine) {
    // 'A' 11, '\r' 10, guess 01, '\n' 001, end 000: "A", the guessed space, CR LF.
    HandBlock block;
    block.lengths['A'] = 2;
    block.lengths['\r'] = 2;
    block.lengths['\n'] = 3;
    block.lengths[258] = 3;
    block.lengths[259] = 2;
    block.symbols = {'A', 259, '\r', '\n', 258};
    block.rawLength = 4;
    std::vector<std::string> lines;
    CompressedLineFile::Decode(block.File(), kPath, lines);
    EXPECT_EQ(lines, std::vector<std::string>{"A "});
}

struct BlockDamage {
    const char* name;
    std::function<void(HandBlock&)> damage;
};

class DamagedBlock : public testing::TestWithParam<BlockDamage> {};

TEST_P(DamagedBlock, IsRefusedWithFileError) {
    ASSERT_FALSE(Refused(ValidHandBlock().File()));
    HandBlock block = ValidHandBlock();
    GetParam().damage(block);
    EXPECT_TRUE(Refused(block.File()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedBlock,
    testing::Values(BlockDamage{"NonZeroFillBits", [](HandBlock& b) { b.fillWithOnes = true; }},
                    BlockDamage{"ZeroByteLeftOver",
                                [](HandBlock& b) { b.extraData = std::string(1, '\0'); }},
                    BlockDamage{"MoreOutputThanRawLength", [](HandBlock& b) { b.rawLength = 1; }},
                    BlockDamage{"LessOutputThanRawLength", [](HandBlock& b) { b.rawLength = 3; }},
                    BlockDamage{"NoEndSymbol", [](HandBlock& b) { b.symbols.pop_back(); }},
                    BlockDamage{"IncompleteCode", [](HandBlock& b) { b.lengths['A'] = 2; }},
                    BlockDamage{"OverfullCode", [](HandBlock& b) { b.lengths['B'] = 1; }},
                    BlockDamage{"NoCodeAtAll",
                                [](HandBlock& b) {
                                    b.lengths = Lengths{};
                                    b.symbols.clear();
                                }},
                    BlockDamage{"UnusedSymbolDecoded",
                                [](HandBlock& b) {
                                    b.lengths['A'] = 0;
                                    b.lengths[256] = 1;
                                    b.symbols = {256, 258};
                                }}),
    [](const testing::TestParamInfo<BlockDamage>& info) { return info.param.name; });

// Blocks whose table items are given directly.
std::string TableOnlyBlock(const std::vector<std::uint32_t>& items) {
    BitString bits;
    for (std::uint32_t item : items) {
        bits.Append(item, 5);
    }
    bits.Pad();
    bits.Append(0x80, 8);  // the end symbol when 258 has the code 1
    return StoredBlock(0, bits.Bytes());
}

TEST(DamagedTable, RunOvershootingTheLastSymbolIsRefused) {
    // 259 symbols without code, then 258 and 259 coded with one bit each, as a control.
    // 258 = 2 + 0 * 8 + 4 * 64.
    EXPECT_FALSE(Refused(TableOnlyBlock({26, 24, 28, 1, 1})));
    // A run of 261: 5 + 0 * 8 + 4 * 64.
    EXPECT_TRUE(Refused(TableOnlyBlock({29, 24, 28})));
    // Run digits growing past any count.
    EXPECT_TRUE(Refused(TableOnlyBlock({24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 25})));
    EXPECT_TRUE(Refused(TableOnlyBlock({31, 31, 31})));
}

TEST(DamagedTable, TableRunningPastTheDataIsRefused) {
    BitString bits;
    bits.Append(26, 5);
    bits.Append(24, 5);
    bits.Append(28, 5);  // 258 symbols without code; the items of 258 and 259 are missing
    EXPECT_TRUE(Refused(StoredBlock(0, bits.Bytes())));
    EXPECT_TRUE(Refused(StoredBlock(0, "")));
}

TEST(DamagedBlock, EndSymbolFoundOnlyPastTheDataIsRefused) {
    // 258 has the code 0 and 'A' the code 1: eight 'A' fill one byte, and the end symbol
    // would come from the zero bits the reader assumes past the data.
    HandBlock block;
    block.lengths['A'] = 1;
    block.lengths[258] = 1;
    block.symbols = {'A', 'A', 'A', 'A', 'A', 'A', 'A', 'A', 258};
    block.rawLength = 8;
    const std::string valid = block.File();
    ASSERT_EQ(valid.substr(valid.size() - 2), std::string("\xFF\x00", 2));
    ASSERT_FALSE(Refused(valid));
    EXPECT_TRUE(Refused(StoredBlock(8, std::string_view(valid).substr(8, valid.size() - 9))));
}

// Blocks are decoded two at a time; whichever block of a pair is damaged, exactly the lines
// that end in the blocks before it are kept.
class DamagedFileLines : public testing::TestWithParam<std::size_t> {};

TEST_P(DamagedFileLines, LinesOfBlocksBeforeTheDamageAreKept) {
    std::vector<std::string> sample;
    for (int i = 0; i < 330; ++i) {
        sample.push_back("line " + std::to_string(i) + " asdf jkl; fdsa ;lkj the quick brown fox");
    }
    std::string file = CompressedLineFile::Encode(sample);
    const std::vector<BlockInfo> blocks = Blocks(file);
    ASSERT_EQ(blocks.size(), 5u);  // two pairs and a single block
    const std::size_t damaged = GetParam();
    SetLength(file, blocks[damaged].offset, blocks[damaged].rawLength + 1);

    std::size_t bytesBefore = 0;
    for (std::size_t i = 0; i < damaged; ++i) {
        bytesBefore += blocks[i].rawLength;
    }
    std::size_t expectedLines = 0;
    for (std::size_t total = 0; expectedLines < sample.size(); ++expectedLines) {
        total += sample[expectedLines].size() + 2;
        if (total > bytesBefore) {
            break;
        }
    }
    std::vector<std::string> lines;
    EXPECT_THROW(CompressedLineFile::Decode(file, kPath, lines), FileError);
    EXPECT_EQ(lines, std::vector<std::string>(sample.begin(), sample.begin() + expectedLines));
}

INSTANTIATE_TEST_SUITE_P(EachBlock, DamagedFileLines, testing::Values(0, 1, 2, 3, 4));

TEST(DamagedFileRead, ThrowsNamingThePathAndKeepsTheLinesBefore) {
    TempDir dir;
    const std::string path = dir.Write("bad.dat", SampleFile() + "garbage!");
    CompressedLineFile file;
    try {
        file.Read(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(error.kind(), FileError::Kind::General);
    }
    EXPECT_EQ(file.lines(), SampleLines());
}

}  // namespace
