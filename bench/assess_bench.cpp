// The assessment after a run: aligning, classifying and counting a typed text of 10,000
// characters (the typing view holds at most 10,240). Goal: under 5 ms with about 5 % errors.
// Two unrelated texts are the worst case of the searches.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "tester/test_data.h"

namespace {

constexpr std::size_t kTypedLength = 10000;

const std::vector<std::string> kWords = {
    "the",   "quick", "brown",    "fox",    "jumps",  "over", "lazy",     "dog",   "typing",
    "speed", "text",  "keyboard", "finger", "letter", "word", "line",     "and",   "of",
    "to",    "in",    "a",        "is",     "was",    "for",  "practice", "every", "day"};

std::string Words(std::mt19937& random, std::size_t length) {
    std::string text;
    while (text.size() < length) {
        if (!text.empty()) {
            text += random() % 15 == 0 ? "\r\n" : " ";
        }
        text += kWords[random() % kWords.size()];
    }
    text.resize(length);
    return text;
}

// About one edit in twenty characters: wrong, doubled and swapped letters, skipped and
// extra words.
std::string WithErrors(std::mt19937& random, const std::string& original) {
    std::string typed;
    std::size_t i = 0;
    while (i < original.size() && typed.size() < kTypedLength) {
        const unsigned roll = random() % 100;
        if (roll >= 5) {
            typed += original[i++];
            continue;
        }
        switch (random() % 5) {
            case 0:
                typed += static_cast<char>('a' + random() % 26);
                ++i;
                break;
            case 1:
                typed += original[i];
                typed += original[i++];
                break;
            case 2:
                if (i + 1 < original.size()) {
                    typed += original[i + 1];
                    typed += original[i];
                    i += 2;
                }
                break;
            case 3:
                while (i < original.size() && original[i] != ' ') {
                    ++i;
                }
                break;
            default:
                typed += kWords[random() % kWords.size()] + " ";
                break;
        }
    }
    typed.resize(std::min(typed.size(), kTypedLength));
    return typed;
}

void BM_AssessTypedTextWithFivePercentErrors(benchmark::State& state) {
    std::mt19937 random(42);
    const std::string original = Words(random, kTypedLength + kTypedLength / 10);
    const std::string typed = WithErrors(random, original);
    const std::string compared = TestData::ExtendOriginal(original, typed);
    TestData data;
    for (auto _ : state) {
        data.Assess(compared, typed);
        benchmark::DoNotOptimize(data.errorCount);
    }
    state.counters["typed"] = static_cast<double>(typed.size());
    state.counters["errors"] = data.errorCount;
}
BENCHMARK(BM_AssessTypedTextWithFivePercentErrors)->Unit(benchmark::kMillisecond);

void BM_AssessUnrelatedTexts(benchmark::State& state) {
    std::mt19937 random(7);
    const std::string original = Words(random, kTypedLength);
    const std::string typed = Words(random, kTypedLength);
    TestData data;
    for (auto _ : state) {
        data.Assess(original, typed);
        benchmark::DoNotOptimize(data.errorCount);
    }
    state.counters["errors"] = data.errorCount;
}
BENCHMARK(BM_AssessUnrelatedTexts)->Unit(benchmark::kMillisecond);

void BM_AssessUnrelatedLetters(benchmark::State& state) {
    std::mt19937 random(11);
    std::string original;
    std::string typed;
    for (std::size_t i = 0; i < kTypedLength; ++i) {
        original += static_cast<char>('a' + random() % 26);
        typed += static_cast<char>('a' + random() % 26);
    }
    TestData data;
    for (auto _ : state) {
        data.Assess(original, typed);
        benchmark::DoNotOptimize(data.errorCount);
    }
    state.counters["errors"] = data.errorCount;
}
BENCHMARK(BM_AssessUnrelatedLetters)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
