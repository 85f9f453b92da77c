// What typing costs the practice engine, and what opening the results costs: OnChar over a
// whole lesson with a window host that draws nothing (nanoseconds per keystroke, goal below
// 1 microsecond), and the results figures, statistics, diagrams and evaluation of a
// 10,000-stroke run (goal below 2 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/testing/fake_clock.h"
#include "tutor/course/lesson_course.h"
#include "tutor/practice/metronome_control.h"
#include "tutor/practice/practice_dialogs.h"
#include "tutor/practice/practice_session.h"
#include "tutor/practice/practice_text_panel.h"
#include "tutor/practice/practice_window.h"
#include "tutor/practice/sound_request.h"
#include "tutor/users/diskette_folder.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/random_source.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/user_profile.h"

namespace {

/// A window, panel, dialogs, sound and metronome that do nothing; the end dialog exits.
class QuietHost final : public PracticeTextPanel,
                        public PracticeWindow,
                        public PracticeDialogs,
                        public SoundRequestSink,
                        public MetronomeControl {
  public:
    void SetText(const PanelState&) override {}
    void Repaint() override {}
    void DrawCursor(const PanelState& state, bool, int, bool) override {
        benchmark::DoNotOptimize(state.column);
    }
    void ShowProgress(std::int64_t, int, int) override {}
    void NextMovieFrame() override {}
    void MetronomeTick() override {}
    void SetPracticeTimer() override {}
    void KillPracticeTimer() override {}
    void TakeFocus() override {}
    void FocusToTextPanel() override {}
    void RepaintWindow() override {}
    void ApplyLayout() override {}
    void EnterInitialTestMenu() override {}
    void LeaveInitialTestMenu() override {}
    void NoteBox(const std::string&) override {}
    bool InfoBox(const std::string&, bool) override { return true; }
    EndOfLessonChoice EndOfLesson(const EndOfLessonDialogModel&) override {
        ++lessonsEnded;
        return {false, true};
    }
    void UserDetails() override {}
    int InitialTestWizard(bool) override { return -1; }
    void RequestSound(SoundRequest request) override { benchmark::DoNotOptimize(request); }
    void StartMetronome(int, int) override {}
    void StopMetronome() override {}

    std::int64_t lessonsEnded = 0;
};

/// 50 lines of 60 characters with a typo every 37 strokes.
void BM_OnCharWholeLesson(benchmark::State& state) {
    FakeClock clock;
    LessonCourse course;
    std::vector<std::string> lines = {"00000409_a", "Drill", "asdf jkl;:1:120:2.0:"};
    std::string typed;
    for (int l = 0; l < 50; ++l) {
        std::string line;
        for (int c = 0; c < 60; ++c) {
            line += "asdf jkl;"[(l * 7 + c) % 9];
        }
        lines.push_back(line);
        typed += line;
    }
    for (std::size_t i = 36; i < typed.size(); i += 37) {
        typed[i] = 'q';
    }
    if (!course.LoadLines(lines, "/lessons/00000409_a.ddd") || course.lessons().size() != 1 ||
        course.lessons()[0].lines.size() != 50) {
        state.SkipWithError("the lesson did not load");
        return;
    }
    StrokeLog log(clock);
    FixedDisketteFolder none("");
    UserProfile profile(clock, "/nonexistent", none);
    TutorSettings settings;
    settings.errorMode = static_cast<int>(ErrorHandlingMode::NoLimitation);
    QuietHost host;
    PracticeSession session({clock, course, log, profile, settings, host, host, host, host, host},
                            "bench", false);
    session.SetAcceptedCharacters("asdfjkl; q");
    for (auto _ : state) {
        if (!session.BeginLesson(0)) {
            state.SkipWithError("the lesson did not begin");
            return;
        }
        for (char c : typed) {
            clock.AdvanceMs(180);
            session.OnChar(c);
        }
    }
    // Every stroke counted and every run typed to its end, where the end dialog came up.
    if (log.recordCount() != typed.size() || host.lessonsEnded != state.iterations()) {
        state.SkipWithError("the lesson was not typed to its end");
        return;
    }
    // The time of one keystroke, shown with its unit.
    state.counters["per_keystroke"] = benchmark::Counter(
        static_cast<double>(typed.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(typed.size()));
}
BENCHMARK(BM_OnCharWholeLesson)->Unit(benchmark::kMicrosecond);

EvaluationTexts BenchTexts() {
    return EvaluationTexts::FromLines(
        {":closing", "#0",    "Keep going.", "See you.", "", ":faults", "#4", "Wrong:", "",
         ":rhythm",  "#5",    "Even.",       "Uneven.",  "", ":speed",  "#1", "Fast,",  "Slow,",
         "",         ":name", "#9",          "(name)",   ""});
}

void BM_ResultsOfTenThousandStrokes(benchmark::State& state) {
    FakeClock clock;
    StrokeLog log(clock);
    log.Start(4, "bench", 2.0, 150, 10000, "Drill");
    const std::string characters = "abcdefghijklmnopqrstuvwxyz ,.;ABCDEFGH";
    for (int i = 0; i < 10000; ++i) {
        const char expected = characters[static_cast<std::size_t>(i * 13) % characters.size()];
        const char typed = i % 29 == 0 ? 'x' : expected;
        log.Add(expected, typed, 150 + (i * 37) % 400);
    }
    const EvaluationTexts texts = BenchTexts();
    if (log.recordCount() != 10000) {
        state.SkipWithError("the run was not recorded");
        return;
    }
    std::size_t points = 0;
    for (auto _ : state) {
        SeededRandomSource random(42);
        ResultsDialogModel model(log, texts, random);
        points = model.series().currentSpeed.points().size();
        benchmark::DoNotOptimize(model.series().currentSpeed.points().data());
    }
    if (points == 0) {
        state.SkipWithError("the results show no speed diagram");
    }
}
BENCHMARK(BM_ResultsOfTenThousandStrokes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
