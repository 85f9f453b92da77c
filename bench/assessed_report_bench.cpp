// The results of a 10,000-character run on the screen and on paper:
// - assessing it, breaking it into the assessed view's lines and painting the view, as after
//   a run or a loaded results file (goal: under 50 ms);
// - printing its report to a PDF file (goal: under 1 s).
// Offscreen, with the Liberation fonts the programs use.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <random>
#include <string>

#include "bench/offscreen_main.h"
#include "bench/typed_run.h"
#include "common/testing/temp_dir.h"
#include "tester/assessed_text.h"
#include "tester/test_data.h"
#include "tester/ui/c_result_text_view.h"
#include "tester/ui/report_painter.h"

namespace {

using namespace typed_run;

TestData Run() {
    std::mt19937 random(42);
    TestData data;
    data.originalText = Words(random, kTypedLength + kTypedLength / 10);
    data.typedText = WithErrors(random, data.originalText);
    data.durationSeconds = 600;
    data.resultsAvailable = 1;
    return data;
}

void BM_AssessBreakAndPaintTheAssessedView(benchmark::State& state) {
    TestData data = Run();
    const std::string original = TestData::ExtendOriginal(data.originalText, data.typedText);
    CResultTextView view;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(21);
    font.setBold(true);
    view.setFont(font);
    view.resize(1000, 400);
    view.show();
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        data.Assess(original, data.typedText);
        view.SetAssessedText(AssessedText::From(data), data.speedUnit);
        QPainter painter(&image);
        view.viewport()->render(&painter);
    }
    if (view.layout().boxes().size() != data.typedText.size() || data.errorCount == 0) {
        state.SkipWithError("the view does not hold the assessed run");
    }
    state.counters["typed"] = static_cast<double>(data.typedText.size());
    state.counters["lines"] = static_cast<double>(view.layout().lines().size());
    state.counters["errors"] = data.errorCount;
}
BENCHMARK(BM_AssessBreakAndPaintTheAssessedView)->Unit(benchmark::kMillisecond);

void BM_PrintTheReportToPdf(benchmark::State& state) {
    TestData data = Run();
    data.Assess(TestData::ExtendOriginal(data.originalText, data.typedText), data.typedText);
    TempDir dir;
    const std::string path = dir.File("report.pdf");
    bool written = true;
    for (auto _ : state) {
        written = ReportPainter::WritePdf(data, path) && written;
    }
    QFile pdf(QString::fromStdString(path));
    if (!written || !pdf.open(QIODevice::ReadOnly) || !pdf.read(5).startsWith("%PDF")) {
        state.SkipWithError("no PDF written");
        return;
    }
    state.counters["bytes"] = static_cast<double>(pdf.size());
}
BENCHMARK(BM_PrintTheReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
