// What a keystroke costs in Morvik's typing view: a key event into the view of a running test
// (the key message made, filtered and logged, the character typed) until the view has painted
// it, in the whole main window at 1280 x 800 (offscreen). All keys together, characters within
// a line and Enters (a new line, which scrolls the view once it is full) are reported with their
// median and 99th percentile, and the thread's CPU time at the 99th percentile (on a shared
// machine the wall time also holds waits for a core, Qt's parallel fills of large areas among
// them); goal: 1 ms at the 99th percentile.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "bench/latency.h"
#include "bench/offscreen_main.h"
#include "common/memory_settings_store.h"
#include "common/message_sink.h"
#include "common/testing/fake_clock.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"
#include "tester/typing_run.h"
#include "tester/ui/c_main_frame.h"
#include "tester/ui/c_user_text_view.h"
#include "tester/yes_no_question.h"

namespace {

class SilentMessages final : public MessageSink {
  public:
    void ShowMessage(const std::string&, const std::string&, Icon) override {}
};

class NoQuestions final : public YesNoQuestion {
  public:
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

/// Counts the paint events of a widget.
class PaintCounter final : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

// Ten lines of about sixty characters, typed again and again.
const char* const kLines[] = {
    "The sun is up and the day is new. A cat sits on the wall and",
    "looks at the birds in the tree. A boy runs down the road with",
    "a red kite. His dog runs after him. It is a good day to be out.",
    "Dear members of the council, we write to you about the bus stop",
    "near the old school, which has had no roof for a whole winter.",
    "Numbers and symbols: 12 apples cost 3.50, and 7 of 10 people agree.",
    "Morning mist lies over the garden while the first bees come out.",
    "She checked the chain, pumped the tyres and rode off down the hill.",
    "The city bus was late again, so the driver took the shorter way.",
    "Good typing is steady typing: eyes on the text, hands on the keys.",
};

/// The main window with a test running over the ten lines.
class RunningTest {
  public:
    RunningTest()
        : frame(TesterServices{settings, paths, clock, data, &messages, &questions, nullptr}) {
        for (const char* line : kLines) {
            data.originalText += std::string(line) + "\r\n";
        }
        data.timeLimitMinutes = 200;
        frame.resize(1280, 800);
        frame.show();
        ok = QTest::qWaitForWindowExposed(&frame);
        frame.userTextView()->SetText("");
        data.startDialogOpen = 1;
        frame.run().OnStartDialogClosed();
        ok = ok && data.running == 1;
        view = frame.userTextView();
        view->setFocus();
        QCoreApplication::processEvents();
        view->viewport()->installEventFilter(&paints);
    }

    /// One key press and release, then the repaints. A new line when the line is typed.
    bool Stroke() {
        const std::string line = kLines[lineIndex % std::size(kLines)];
        clock.AdvanceMs(180);
        if (column == line.size()) {
            QTest::keyClick(view, Qt::Key_Return);
            ++lineIndex;
            column = 0;
        } else {
            QTest::keyClick(view, line[column]);
            ++column;
        }
        QCoreApplication::processEvents();
        return column == 0;
    }

    bool ok = false;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    FakeClock clock;
    TestData data;
    SilentMessages messages;
    NoQuestions questions;
    CMainFrame frame;
    CUserTextView* view = nullptr;
    PaintCounter paints;
    std::size_t lineIndex = 0;
    std::size_t column = 0;
};

using SteadyClock = std::chrono::steady_clock;

void BM_KeyEventToPaintedTypingView(benchmark::State& state) {
    RunningTest test;
    if (!test.ok) {
        state.SkipWithError("the test did not start");
        return;
    }
    std::vector<double> strokes;
    std::vector<double> enters;
    std::vector<double> strokesCpu;
    std::vector<double> entersCpu;
    std::vector<double> keys;
    for (auto _ : state) {
        const std::size_t logged = test.data.keystrokeLog.size();
        const int length = test.view->TypedLength();
        const int paints = test.paints.paints;
        const double cpuStart = ThreadCpuMicroseconds();
        const SteadyClock::time_point start = SteadyClock::now();
        const bool newLine = test.Stroke();
        const auto took = SteadyClock::now() - start;
        const double cpu = ThreadCpuMicroseconds() - cpuStart;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        if (test.data.keystrokeLog.size() != logged + 1 || test.view->TypedLength() <= length ||
            test.paints.paints == paints) {
            state.SkipWithError("a key was not logged, typed or painted");
            return;
        }
        const double us = std::chrono::duration<double, std::micro>(took).count();
        keys.push_back(us);
        if (newLine) {
            enters.push_back(us);
            entersCpu.push_back(cpu);
        } else {
            strokes.push_back(us);
            strokesCpu.push_back(cpu);
        }
    }
    state.counters["key_p50_us"] = Percentile(keys, 0.50);
    state.counters["key_p99_us"] = Percentile(keys, 0.99);
    state.counters["stroke_p50_us"] = Percentile(strokes, 0.50);
    state.counters["stroke_p99_us"] = Percentile(strokes, 0.99);
    state.counters["stroke_cpu_p99_us"] = Percentile(strokesCpu, 0.99);
    state.counters["enter_p50_us"] = Percentile(enters, 0.50);
    state.counters["enter_p99_us"] = Percentile(enters, 0.99);
    state.counters["enter_cpu_p99_us"] = Percentile(entersCpu, 0.99);
    state.counters["strokes"] = static_cast<double>(strokes.size());
    state.counters["enters"] = static_cast<double>(enters.size());
}
// Within the view's 10240 characters: 4000 keys of about 62 per line.
BENCHMARK(BM_KeyEventToPaintedTypingView)
    ->UseManualTime()
    ->Iterations(4000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
