// What a login and the results of a run cost: the password check with the program's hashing
// limits, reading a user's lines with many results, and the results-file lines of a long run.
#include <benchmark/benchmark.h>

#include "common/testing/fake_clock.h"
#include "tutor/users/lesson_result.h"
#include "tutor/users/password_hash.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/user_profile.h"

namespace {

void BM_PasswordCheckInteractive(benchmark::State& state) {
    PasswordHash::UseInteractiveLimits();
    const std::string hash = *PasswordHash::Hash("Heslo123");
    for (auto _ : state) {
        benchmark::DoNotOptimize(PasswordHash::Verify(hash, "Heslo123"));
    }
}
BENCHMARK(BM_PasswordCheckInteractive)->Unit(benchmark::kMillisecond);

void BM_ReadDatLines(benchmark::State& state) {
    FakeClock clock;
    FixedDisketteFolder none("");
    std::vector<std::string> lines = {"petr", "$argon2id$", "00000409", "_a",
                                      "!0:2:0:0:0:0:1:0:70:standard:"};
    for (int i = 0; i < state.range(0); ++i) {
        lines.push_back(LessonResult{1700000000 + i, 120 + i % 50, 1.25, 300, 4}.toText());
    }
    UserProfile profile(clock, "/nonexistent", none);
    profile.load("petr", false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(profile.readDatLines(lines));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadDatLines)->Arg(100)->Arg(1000);

void BM_StrokeLogLinesRoundTrip(benchmark::State& state) {
    FakeClock clock;
    StrokeLog log(clock);
    log.Start(3, "petr", 2.0, 120, static_cast<std::int32_t>(state.range(0)), "Lesson");
    for (int i = 0; i < state.range(0); ++i) {
        char c = static_cast<char>('a' + i % 26);
        log.Add(c, i % 17 == 0 ? ':' : c, 150 + i % 90);
    }
    StrokeLog other(clock);
    for (auto _ : state) {
        benchmark::DoNotOptimize(other.fromLines(log.toLines()));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StrokeLogLinesRoundTrip)->Arg(2000);

}  // namespace

BENCHMARK_MAIN();
