#include "tester/ui/report_painter.h"

#include <QApplication>
#include <QFontInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "common/code_page.h"
#include "common/testing/temp_dir.h"
#include "common/ui/qt_text.h"
#include "tester/test_data.h"
#include "tester/ui/assessed_line_painter.h"
#include "tester/ui/qt_report_output.h"

namespace {

// A poppler tool's output for a PDF file.
QString Poppler(const QString& tool, QStringList arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        qWarning("%s is missing: scripts/setup.sh installs poppler-utils", qPrintable(tool));
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const std::string& pdf, int page = 0) {
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0) {
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    }
    return Poppler(QStringLiteral("pdftotext"),
                   arguments << PathToQString(pdf) << QStringLiteral("-"));
}

int PdfPages(const std::string& pdf) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(Poppler(QStringLiteral("pdfinfo"), {PathToQString(pdf)}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A run of known figures: one wrong letter and a skipped word in five minutes.
TestData KnownRun(const std::string& typed, const std::string& original) {
    TestData data;
    data.originalText = original;
    data.typedText = typed;
    data.durationSeconds = 300;
    data.endTime = 1045213507;  // 02/14/2003 09:05:07 UTC
    data.nickname = "kim";
    data.firstName = "Kim";
    data.middleName = "J.";
    data.lastName = "Novak";
    data.email = "kim@example.org";
    data.testId = "MV20030214_090507_1200_3045";
    data.resultsAvailable = 1;
    data.Assess(TestData::ExtendOriginal(original, typed), typed);
    return data;
}

std::string Repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += (i > 0 ? "\r\n" : "") + line;
    }
    return text;
}

}  // namespace

class ReportPainterTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void ReportFontsResolveToTheMetricTwins() {
        QCOMPARE(QFontInfo(AssessedLinePainter::CourierNew()).family(),
                 QStringLiteral("Liberation Mono"));
        // The text font of the views, bold "Arial", is its metric twin too.
        QFont arial(QStringLiteral("Arial"));
        arial.setBold(true);
        QCOMPARE(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
        TempDir dir;
        const TestData data = KnownRun("The quick brown fox.", "The quick brown fox.");
        QVERIFY(ReportPainter::WritePdf(data, dir.File("fonts.pdf")));
        const QString fonts =
            Poppler(QStringLiteral("pdffonts"), {PathToQString(dir.File("fonts.pdf"))});
        QVERIFY2(fonts.contains(QStringLiteral("LiberationMono")), qPrintable(fonts));
        // Every font is embedded with a Unicode map: the text can be found and copied.
        const QStringList rows = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QVERIFY(!rows.isEmpty());
        for (const QString& row : rows) {
            const QStringList columns = row.simplified().split(QLatin1Char(' '));
            QVERIFY2(columns.size() >= 7, qPrintable(row));
            QCOMPARE(columns[columns.size() - 5], QStringLiteral("yes"));  // embedded
            QCOMPARE(columns[columns.size() - 3], QStringLiteral("yes"));  // Unicode map
        }
    }

    void PdfShowsTheHeaderTheLinesAndTheTotals() {
        TempDir dir;
        TestData data = KnownRun("The quick brpwn fox jumps over the dog.\r\nSecond line \x9E\xE1.",
                                 "The quick brown fox jumps over the lazy dog.\r\nSecond line "
                                 "\x9E\xE1.");
        data.speedUnit = TestData::kWordsUnit;
        const BasicResults results = TestData(data).ComputeBasicResults(TestData::kWordsUnit);
        const std::string pdf = dir.File("report.pdf");
        QVERIFY(ReportPainter::WritePdf(data, pdf));
        QCOMPARE(PdfPages(pdf), 1);
        const QString text = PdfText(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext gave nothing");
        const QStringList expected = {
            QStringLiteral("Page Number: 1"),
            QStringLiteral("https://kelvane.example.org"),
            QStringLiteral("Total Time: 00:05:00"),
            QStringLiteral("Gross Strokes: %1").arg(results.grossStrokes),
            QStringLiteral("Net Speed: %1 words/min.").arg(results.netSpeed, 0, 'f', 2),
            QStringLiteral("Error Rate: %1 %").arg(QString::fromStdString(results.errorRate)),
            QStringLiteral("Number of Errors: %1").arg(results.errors),
            QStringLiteral("Date of Test: 02/14/2003  09:05:07"),
            QStringLiteral("kim - Kim J. Novak"),
            QStringLiteral("kim@example.org"),
            QStringLiteral("File ID: MV20030214_090507_1200_3045"),
        };
        for (const QString& line : expected) {
            QVERIFY2(text.simplified().contains(QString(line).simplified()),
                     qPrintable(line + QStringLiteral("\n") + text));
        }
        // Each typed line with its running total before it and its errors after it; the
        // code-page letters come out as the letters they are.
        QVERIFY2(QRegularExpression(QStringLiteral("\\b40 +The quick brpwn fox jumps over the "
                                                   "dog\\. +[1-9]\\d*\\n"))
                     .match(text)
                     .hasMatch(),
                 qPrintable(text));
        QVERIFY2(
            QRegularExpression(
                QStringLiteral("\\b%1 +Second line \u017E\u00E1\\. +0\\n").arg(data.typedLength))
                .match(text)
                .hasMatch(),
            qPrintable(text));
    }

    void ALongTextTakesSeveralPagesEachWithItsHeader() {
        TempDir dir;
        const std::string line = "the quick brown fox jumps over the lazy dog again";
        const TestData data = KnownRun(Repeated(line, 70), Repeated(line, 70));
        const std::string pdf = dir.File("long.pdf");
        QVERIFY(ReportPainter::WritePdf(data, pdf));
        const int pages = PdfPages(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        int lines = 0;
        for (int page = 1; page <= pages; ++page) {
            const QString text = PdfText(pdf, page);
            QVERIFY2(
                text.contains(QRegularExpression(QStringLiteral("Page Number: +%1\\b").arg(page))),
                qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("File ID: MV20030214_090507_1200_3045")));
            lines += static_cast<int>(text.count(QString::fromStdString(line)));
        }
        QCOMPARE(lines, 70);
        // The last line's running total is the gross count.
        const int total = static_cast<int>(TestData(data).ComputeBasicResults(1).grossStrokes);
        QVERIFY(PdfText(pdf, pages)
                    .contains(QRegularExpression(
                        QStringLiteral("\\b%1 +%2").arg(total).arg(QString::fromStdString(line)))));
    }

    void APdfThatCannotBeWrittenIsRefused() {
        TempDir dir;
        const TestData data = KnownRun("abc", "abc");
        QVERIFY(!ReportPainter::WritePdf(data, dir.File("no/folder/report.pdf")));
    }

    void PrintDialogOffersNoRangeAndNoSelection() {
        QtReportOutput output(nullptr);
        QAbstractPrintDialog::PrintDialogOptions options;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr) {
                seen = true;
                options = dialog->options();
                dialog->reject();
            }
        });
        QCOMPARE(output.ChoosePrinter(), ReportOutput::PrinterChoice::Cancelled);
        QVERIFY(seen);
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintSelection));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintCurrentPage));
        // Qt's own PDF printer stays on offer.
        QVERIFY(options.testFlag(QAbstractPrintDialog::PrintToFile));
    }

    // Qt's PDF printer with a file prints; a printer the system does not have is none.
    void ThePrinterChosenIsUsedWhenItExists() {
        TempDir dir;
        const QString file = PathToQString(dir.File("chosen.pdf"));
        QtReportOutput output(nullptr, [file](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        });
        QCOMPARE(output.ChoosePrinter(), ReportOutput::PrinterChoice::Chosen);
        QVERIFY(output.PrintOnChosenPrinter(KnownRun("abc def", "abc def")));
        QVERIFY(PdfText(dir.File("chosen.pdf")).contains(QStringLiteral("abc def")));

        output.SetAskPrinter([](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(QStringLiteral("no such printer"));
            return true;
        });
        QCOMPARE(output.ChoosePrinter(), ReportOutput::PrinterChoice::NoPrinter);
    }

    void PreviewShowsEveryPage() {
        const std::string line = "the quick brown fox jumps over the lazy dog again";
        const TestData data = KnownRun(Repeated(line, 70), Repeated(line, 70));
        TempDir dir;
        QVERIFY(ReportPainter::WritePdf(data, dir.File("pages.pdf")));
        const int pages = PdfPages(dir.File("pages.pdf"));
        QtReportOutput output(nullptr);
        int shown = -1;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (preview != nullptr) {
                auto* widget = preview->findChild<QPrintPreviewWidget*>();
                shown = widget != nullptr ? widget->pageCount() : -2;
                preview->reject();
            }
        });
        output.ShowPreview(data);
        QCOMPARE(shown, pages);
    }
};

QTEST_MAIN(ReportPainterTest)
#include "report_painter_test.moc"
