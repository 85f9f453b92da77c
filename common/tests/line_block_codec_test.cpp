#include "common/line_container/line_block_codec.h"

#include <gtest/gtest.h>

#include <random>

#include "common/tests/compressed_line_file_support.h"

using namespace line_file_testing;

namespace {

std::string Encoded(std::string_view raw) {
    std::string out;
    EXPECT_TRUE(LineBlockCodec::EncodeBlock(raw, out));
    return out;
}

// Decodes a stored block (header included); empty optional when refused.
std::optional<std::string> Decoded(std::string_view block) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(block.data());
    const std::uint32_t rawLength = LineBlockCodec::ReadLength(bytes);
    const std::uint32_t packedLength = LineBlockCodec::ReadLength(bytes + 4);
    EXPECT_EQ(packedLength + LineBlockCodec::kHeaderSize, block.size());
    std::string raw(rawLength, '\0');
    if (!LineBlockCodec::DecodeBlock(bytes + 8, packedLength,
                                     reinterpret_cast<std::uint8_t*>(raw.data()), rawLength)) {
        return std::nullopt;
    }
    return raw;
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!hex.empty()) {
            hex += ' ';
        }
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    return hex;
}

}  // namespace

// The known answers below were worked out on paper from the format rules, to pin the exact
// bytes our writer produces (and with them its tie rules).
//
// CR LF: both bytes miss the guess (a space), so the counts are CR 1, LF 1, guess 0 + 1, end 0.
// List [258:0, 10:1, 13:1, 259:1] is already sorted. Tree: 258 and 10 make A(1); then the leaf
// 13 (1) ties with A (1) and A wins, 13 follows: B(2); then 259 (1) is below B: C = (259, B).
// Lengths: 259 1, 13 2, 10 3, 258 3. Table items: run 10 (26 25), 3, run 2 (26), 2, run 244
// (28 30 27), 3, 1 = 50 bits -> D6 47 A1 73 DB 18 40. Codes from the longest: 258 000, 10 001,
// 13 01, 259 1. Data: 13 "01", 10 "001", end "000" = 01001000 = 48.
TEST(LineBlockCodecKnownAnswer, CarriageReturnLineFeed) {
    EXPECT_EQ(Hex(Encoded("\r\n")), "02 00 00 00 08 00 00 00 D6 47 A1 73 DB 18 40 48");
}

// "AAB": no guess hits (contexts 0, 0x41, 0x451), counts A 2, B 1, guess 1, end 0. List
// [258:0, 65:2, 66:1, 259:1]; the shell sort with gap 2 moves 259 in front of 65 and gap 1
// leaves 259 before 66: [258, 259, 66, 65] (a stable sort would put 66 before 259). Tree:
// (258, 259) = A(1); 66 ties with A, A wins: B = (A, 66) (2); 65 ties with B, B wins: root.
// Lengths: 65 1, 66 2, 258 3, 259 3. Items: run 65 (25 24 25), 1, 2, run 191 (31 31 26), 3, 3
// -> CE 32 11 7F FA 18 C0. Codes: 259 000, 258 001, 66 01, 65 1. Data: 1 1 01 001 + 0 = D2.
TEST(LineBlockCodecKnownAnswer, ShellSortOrderDecidesTies) {
    EXPECT_EQ(Hex(Encoded("AAB")), "03 00 00 00 08 00 00 00 CE 32 11 7F FA 18 C0 D2");
}

// 4096 spaces: every byte is guessed. Only 258 (0) and 259 (4097) are listed, one bit each.
// Items: run 258 (26 24 28), 1, 1 -> D6 38 10 80. Codes: 259 0, 258 1. Data: 4096 zero bits,
// then 1 and seven fill bits: 512 bytes 00 and 80.
TEST(LineBlockCodecKnownAnswer, BlockOfSpacesIsAllGuesses) {
    const std::string block = Encoded(std::string(4096, ' '));
    const std::string expected =
        StoredBlock(4096, std::string("\xD6\x38\x10\x80", 4) + std::string(512, '\0') + "\x80");
    EXPECT_EQ(Hex(block), Hex(expected));
}

TEST(LineBlockCodec, EmptyBlockRoundTrips) {
    const std::string block = Encoded("");
    EXPECT_EQ(Decoded(block), "");
}

TEST(LineBlockCodec, OutputCapacityIsTwiceTheRawLengthWithinLimits) {
    EXPECT_EQ(LineBlockCodec::OutputCapacity(0), 4096u);
    EXPECT_EQ(LineBlockCodec::OutputCapacity(2047), 4096u);
    EXPECT_EQ(LineBlockCodec::OutputCapacity(4096), 8192u);
    EXPECT_EQ(LineBlockCodec::OutputCapacity(65536), 131072u);
    EXPECT_EQ(LineBlockCodec::OutputCapacity(131072), 131072u);
}

TEST(LineBlockCodec, IncompressibleLargestBlockDoesNotFitAndLeavesOutputAlone) {
    // Every byte value equally often, none ever guessed: about 8 bits per byte plus the table
    // is more than the 131072 bytes of room.
    std::mt19937 random(5);
    std::string raw(131072, '\0');
    for (char& c : raw) {
        c = static_cast<char>(random());
    }
    std::string out = "kept";
    EXPECT_FALSE(LineBlockCodec::EncodeBlock(raw, out));
    EXPECT_EQ(out, "kept");
    // The same data in a block of 65536 has room to spare.
    EXPECT_TRUE(LineBlockCodec::EncodeBlock(std::string_view(raw).substr(0, 65536), out));
}

class LineBlockCodecRoundTrip : public testing::TestWithParam<unsigned> {};

TEST_P(LineBlockCodecRoundTrip, RawBytesOfAnySizeComeBack) {
    std::mt19937 random(GetParam());
    const std::size_t sizes[] = {1, 2, 17, 4096, 4097, 50000, 131072};
    const std::size_t size = sizes[GetParam() % std::size(sizes)];
    std::string raw(size, '\0');
    // Skewed bytes so that codes of many lengths occur.
    std::geometric_distribution<int> skewed(0.08);
    for (char& c : raw) {
        c = static_cast<char>(std::min(skewed(random), 255));
    }
    EXPECT_EQ(Decoded(Encoded(raw)), raw);
}

INSTANTIATE_TEST_SUITE_P(Seeds, LineBlockCodecRoundTrip, testing::Range(0u, 14u));

TEST(LineBlockCodec, TableWithItemsOfAnotherWriterIsReadTheSame) {
    // Zero items instead of runs, superfluous zero digits, every literal coded.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        ReferenceStyle style;
        style.codeEverySymbol = seed % 2 == 0;
        style.zeroItemPercent = static_cast<int>(seed * 5 % 100);
        style.extraZeroDigits = seed % 3 == 0;
        style.predictedPercent = static_cast<int>(seed * 7 % 101);
        std::string raw(1 + random() % 20000, '\0');
        for (char& c : raw) {
            c = static_cast<char>(" etaoinshrdlu\r\n"[random() % 15]);
        }
        const std::string block = StoredBlock(static_cast<std::uint32_t>(raw.size()),
                                              ReferenceBlockData(raw, style, random));
        EXPECT_EQ(Decoded(block), raw) << "seed " << seed;
    }
}

TEST(LineBlockCodec, LengthTableReadsBackWhatWasWritten) {
    std::mt19937 random(11);
    for (int round = 0; round < 50; ++round) {
        PrefixCode::Lengths lengths{};
        for (auto& length : lengths) {
            length = random() % 3 == 0 ? 0 : static_cast<std::uint8_t>(1 + random() % 23);
        }
        BitWriter writer(1000);
        LineBlockCodec::WriteLengthTable(lengths, writer);
        writer.PadToByte();
        const std::string& bytes = writer.bytes();
        BitReader reader(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        PrefixCode::Lengths back{};
        ASSERT_TRUE(LineBlockCodec::ReadLengthTable(reader, back));
        EXPECT_EQ(back, lengths);
        EXPECT_EQ(reader.bytePosition(), bytes.size());
    }
}

TEST(LineBlockCodec, LastSymbolWithoutCodeIsWrittenAsItsOwnItem) {
    // Runs stop before symbol 259, so a table whose 259 has no code ends with the item 0.
    PrefixCode::Lengths lengths{};
    lengths[258] = 1;
    BitWriter writer(100);
    LineBlockCodec::WriteLengthTable(lengths, writer);
    writer.PadToByte();
    // Run of 258 (26 24 28), 1, 0: 11010 11000 11100 00001 00000.
    EXPECT_EQ(Hex(writer.bytes()), "D6 38 10 00");
}

TEST(LineBlockCodec, TwoBlocksAtOnceGiveTheSameAsOneAfterTheOther) {
    // Pairs of blocks of different sizes and kinds, intact or damaged in either place.
    std::mt19937 random(17);
    auto makeBlock = [&](std::size_t size) {
        std::string raw(size, '\0');
        for (char& c : raw) {
            c = static_cast<char>(" aeiou\r\nxyz"[random() % 12]);
        }
        return std::pair(raw, Encoded(raw));
    };
    auto damage = [&](std::string block) {
        const std::size_t at = 8 + random() % (block.size() - 8);
        block[at] = static_cast<char>(block[at] ^ (1 << (random() % 8)));
        return block;
    };
    for (int round = 0; round < 200; ++round) {
        auto [rawA, blockA] = makeBlock(random() % 3 == 0 ? random() % 20 : random() % 6000);
        auto [rawB, blockB] = makeBlock(random() % 3 == 0 ? random() % 20 : random() % 6000);
        // A flipped bit may still decode, to other bytes; then both ways must agree.
        const bool damagedA = round % 3 == 1;
        const bool damagedB = round % 4 == 2;
        if (damagedA) {
            blockA = damage(blockA);
        }
        if (damagedB) {
            blockB = damage(blockB);
        }
        auto job = [](const std::string& block, std::string& out) {
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(block.data());
            out.assign(LineBlockCodec::ReadLength(bytes), '\0');
            return LineBlockCodec::Job{bytes + 8, LineBlockCodec::ReadLength(bytes + 4),
                                       reinterpret_cast<std::uint8_t*>(out.data()), out.size()};
        };
        std::string outA;
        std::string outB;
        bool decodedA = false;
        bool decodedB = false;
        LineBlockCodec::DecodeBlocks(job(blockA, outA), job(blockB, outB), decodedA, decodedB);
        const std::optional<std::string> aloneA = Decoded(blockA);
        const std::optional<std::string> aloneB = Decoded(blockB);
        ASSERT_EQ(decodedA, aloneA.has_value()) << "round " << round;
        ASSERT_EQ(decodedB, aloneB.has_value()) << "round " << round;
        if (decodedA) {
            EXPECT_EQ(outA, *aloneA);
        }
        if (decodedB) {
            EXPECT_EQ(outB, *aloneB);
        }
        if (!damagedA) {
            EXPECT_EQ(outA, rawA);
        }
        if (!damagedB) {
            EXPECT_EQ(outB, rawB);
        }
    }
}
