// The assessment after a run: aligning, classifying and counting a typed text of 10,000
// characters (the typing view holds at most 10,240). Goal: under 5 ms with about 5 % errors.
// Two unrelated texts are the worst case of the searches.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench/typed_run.h"
#include "tester/test_data.h"

namespace {

using namespace typed_run;

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
