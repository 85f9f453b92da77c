// What the results dialog costs to open and to paint: the dialog of a 10,000-stroke run built
// with every tab painted once (goal below 50 ms), and one diagram of 10,000 points painted at
// 800 x 500 (goal below 5 ms). Painted offscreen into images, as a screen would be.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTabWidget>

#include "bench/offscreen_main.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "tutor/users/diagram.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/random_source.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/results_series.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/ui/diagram_painter.h"
#include "tutor/users/ui/results_dialog.h"

namespace {

constexpr int kStrokes = 10000;

void FillRun(StrokeLog& log) {
    const std::string text = "The quick brown fox jumps over the lazy dog; 1234567890. ";
    log.Start(7, "Jana", 2.0, 180, kStrokes + 500, "Whole keyboard");
    for (int i = 0; i < kStrokes; ++i) {
        const char expected = text[static_cast<std::size_t>(i) % text.size()];
        const char typed = i % 37 == 11 ? 'x' : expected;
        log.Add(expected, typed, 120 + (i * 7919) % 400);
    }
}

void BM_ResultsDialogBuiltAndEveryTabPainted(benchmark::State& state) {
    FakeClock clock;
    StrokeLog log(clock);
    FillRun(log);
    const EvaluationTexts texts =
        EvaluationTexts::FromLines({":speed", "#1", "You type fast.", "You type slowly.", "",
                                    ":errors", "#4", "Few errors:", "Many errors:", ""});
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    QImage canvas(940, 470, QImage::Format_RGB32);
    std::int64_t painted = 0;
    for (auto _ : state) {
        SeededRandomSource random(1);
        const ResultsDialogModel model(log, texts, random);
        ResultsDialog dialog(model, settings, messages);
        dialog.resize(canvas.size());
        for (int tab = 0; tab < dialog.tabs()->count(); ++tab) {
            dialog.tabs()->setCurrentIndex(tab);
            dialog.render(&canvas);
            ++painted;
        }
        if (model.series().averageSpeed.points().size() != kStrokes) {
            state.SkipWithError("the diagrams do not hold every stroke");
            return;
        }
    }
    if (painted != state.iterations() * 8) {
        state.SkipWithError("not every tab was painted");
    }
}
BENCHMARK(BM_ResultsDialogBuiltAndEveryTabPainted)->Unit(benchmark::kMillisecond);

void BM_DiagramOf10000PointsPainted(benchmark::State& state) {
    // The speed over the last 15 strokes of a 10,000-stroke run: the most restless of the three.
    FakeClock clock;
    StrokeLog log(clock);
    FillRun(log);
    const ResultsSeries series = ResultsSeries::Build(log.records(), log.speedLimit(), 2.0);
    const Diagram& diagram = series.currentSpeed;
    if (diagram.points().size() != kStrokes) {
        state.SkipWithError("the diagram does not hold 10,000 points");
        return;
    }
    QImage image(800, 500, QImage::Format_RGB32);
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    for (auto _ : state) {
        QPainter painter(&image);
        DiagramPainter::Paint(painter, diagram, image.rect(), font);
    }
    // The series was drawn: its colour is on the picture.
    bool seen = false;
    for (int y = 0; y < image.height() && !seen; ++y) {
        for (int x = 0; x < image.width() && !seen; ++x) {
            seen = image.pixel(x, y) == qRgb(255, 100, 100);
        }
    }
    if (!seen) {
        state.SkipWithError("the series was not painted");
    }
}
BENCHMARK(BM_DiagramOf10000PointsPainted)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
