#include "common/line_container/prefix_code.h"

#include <gtest/gtest.h>

#include <functional>
#include <queue>
#include <random>

#include "common/tests/compressed_line_file_support.h"

namespace {

PrefixCode::Counts RandomCounts(std::mt19937& random) {
    PrefixCode::Counts counts{};
    const int used = 1 + static_cast<int>(random() % 256);
    for (int i = 0; i < used; ++i) {
        counts[random() % 256] += 1 + random() % (1 + random() % 5000);
    }
    counts[PrefixCode::kPredictedSymbol] = 1 + random() % 3000;
    return counts;
}

// The cost of an optimal prefix code, sum of count x length, by the textbook heap method; it
// is the same for every tie order.
std::uint64_t OptimalCost(const PrefixCode::Counts& counts) {
    std::priority_queue<std::uint64_t, std::vector<std::uint64_t>, std::greater<>> heap;
    heap.push(0);  // the end symbol
    for (std::size_t s = 0; s < counts.size(); ++s) {
        if (s != PrefixCode::kEndSymbol && counts[s] != 0) {
            heap.push(counts[s]);
        }
    }
    std::uint64_t cost = 0;
    while (heap.size() > 1) {
        const std::uint64_t a = heap.top();
        heap.pop();
        const std::uint64_t b = heap.top();
        heap.pop();
        cost += a + b;
        heap.push(a + b);
    }
    return cost;
}

std::uint64_t Cost(const PrefixCode::Counts& counts, const PrefixCode::Lengths& lengths) {
    std::uint64_t cost = 0;
    for (std::size_t s = 0; s < counts.size(); ++s) {
        cost += counts[s] * lengths[s];
    }
    return cost;
}

unsigned Longest(const PrefixCode::Lengths& lengths) {
    return *std::max_element(lengths.begin(), lengths.end());
}

}  // namespace

TEST(PrefixCode, CompletenessNeedsTheCodeSpaceFilledExactly) {
    PrefixCode::Lengths lengths{};
    EXPECT_FALSE(PrefixCode::IsComplete(lengths));
    lengths[258] = 1;
    EXPECT_FALSE(PrefixCode::IsComplete(lengths));
    lengths[259] = 1;
    EXPECT_TRUE(PrefixCode::IsComplete(lengths));
    lengths[0] = 1;
    EXPECT_FALSE(PrefixCode::IsComplete(lengths));
    lengths[259] = 2;
    lengths[0] = 2;
    EXPECT_TRUE(PrefixCode::IsComplete(lengths));
    // 2^23 codes of 23 bits would be needed; 260 symbols at 23 bits fill almost nothing.
    lengths.fill(23);
    EXPECT_FALSE(PrefixCode::IsComplete(lengths));
}

TEST(PrefixCode, CanonicalCodesRefuseCodesThatDoNotFillTheSpace) {
    PrefixCode::Lengths lengths{};
    lengths[258] = 1;
    EXPECT_FALSE(PrefixCode::CanonicalCodes(lengths));  // half the space unused
    lengths[259] = 2;
    EXPECT_FALSE(PrefixCode::CanonicalCodes(lengths));  // uneven at length 2
    lengths[1] = 2;
    EXPECT_TRUE(PrefixCode::CanonicalCodes(lengths));
    lengths[0] = 1;
    EXPECT_FALSE(PrefixCode::CanonicalCodes(lengths));  // over-full
}

TEST(PrefixCode, CanonicalCodesMatchTheTextbookConstruction) {
    std::mt19937 random(21);
    for (int round = 0; round < 200; ++round) {
        const PrefixCode::Lengths lengths = PrefixCode::LengthsFromCounts(RandomCounts(random));
        const auto codes = PrefixCode::CanonicalCodes(lengths);
        ASSERT_TRUE(codes);
        const auto expected = line_file_testing::ReferenceCodes(lengths);
        for (std::size_t s = 0; s < PrefixCode::kSymbolCount; ++s) {
            if (lengths[s] != 0) {
                EXPECT_EQ((*codes)[s], expected[s].value) << "symbol " << s;
            }
        }
    }
}

TEST(PrefixCode, LengthsAreOptimalCompleteAndCoverExactlyTheCountedSymbols) {
    std::mt19937 random(8);
    for (int round = 0; round < 300; ++round) {
        const PrefixCode::Counts counts = RandomCounts(random);
        const PrefixCode::Lengths lengths = PrefixCode::LengthsFromCounts(counts);
        ASSERT_TRUE(PrefixCode::IsComplete(lengths));
        for (std::size_t s = 0; s < PrefixCode::kSymbolCount; ++s) {
            const bool coded = lengths[s] != 0;
            EXPECT_EQ(coded, counts[s] != 0 || s == PrefixCode::kEndSymbol) << "symbol " << s;
        }
        ASSERT_LE(Longest(lengths), PrefixCode::kWriterLimit);
        EXPECT_EQ(Cost(counts, lengths), OptimalCost(counts));
    }
}

TEST(PrefixCode, LengthsOfTwoSymbolsAreOneBitEach) {
    PrefixCode::Counts counts{};
    counts[PrefixCode::kPredictedSymbol] = 1;
    const PrefixCode::Lengths lengths = PrefixCode::LengthsFromCounts(counts);
    EXPECT_EQ(lengths[PrefixCode::kEndSymbol], 1);
    EXPECT_EQ(lengths[PrefixCode::kPredictedSymbol], 1);
}

TEST(PrefixCode, LengthsAreLimitedForSteeplySkewedCounts) {
    // Fibonacci counts make the deepest possible tree: unlimited, 30 symbols and the end
    // symbol would need codes of about 30 bits. Doubling the second least frequent count
    // until the least frequent fits reshapes the whole tree, so the result may stay well
    // below the limit.
    PrefixCode::Counts counts{};
    std::uint64_t a = 1, b = 1;
    for (int s = 0; s < 30; ++s) {
        counts['a' + s] = a;
        const std::uint64_t next = a + b;
        a = b;
        b = next;
    }
    counts[PrefixCode::kPredictedSymbol] = 1;
    const PrefixCode::Lengths lengths = PrefixCode::LengthsFromCounts(counts);
    EXPECT_TRUE(PrefixCode::IsComplete(lengths));
    EXPECT_LE(Longest(lengths), PrefixCode::kWriterLimit);
    for (int s = 0; s < 30; ++s) {
        EXPECT_NE(lengths['a' + s], 0);
    }
    // The most frequent symbol keeps the shortest code.
    EXPECT_EQ(lengths['a' + 29],
              *std::min_element(lengths.begin() + 'a', lengths.begin() + 'a' + 30));
}
