#include "tester/ui/report_painter.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#include "common/ui/about_dialog.h"
#include "common/ui/qt_text.h"
#include "tester/assessed_text.h"
#include "tester/report_layout.h"
#include "tester/test_data.h"
#include "tester/ui/assessed_line_painter.h"

namespace {

QFont ReportFont(int points) {
    QFont font = AssessedLinePainter::CourierNew();
    font.setPointSize(points);
    return font;
}

void PaintHeader(QPainter& painter, const ReportLayout& layout, const TestData& data,
                 const BasicResults& results, int pageNumber) {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(layout.BoxLeft(), layout.BoxTop()),
                           QPoint(layout.BoxRight(), layout.BoxBottom())));
    const QFont font = ReportFont(9);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    for (const ReportText& text :
         layout.HeaderTexts(data, results, pageNumber, AboutDialog::kWebSite.toStdString())) {
        const QString shown = ToQString(text.text);
        const int x = text.alignRight ? text.x - metrics.horizontalAdvance(shown) : text.x;
        painter.drawText(QPoint(x, text.y + metrics.ascent()), shown);
    }
}

}  // namespace

bool ReportPainter::Print(QPrinter& printer, const TestData& data) {
    printer.setDocName(QString::fromLatin1(kJobName));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFont font = ReportFont(12);
    const QFontMetrics metrics(font, &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const ReportLayout layout(page.width(), page.height(),
                              metrics.horizontalAdvance(QLatin1Char('W')), metrics.height());

    AssessedLinePainter::Style style;
    style.textFont = font;
    style.numberFont = font;
    style.textColor = Qt::black;
    style.markColor = Qt::black;
    style.markPenWidth = 2;
    const AssessedLinePainter lines(style, &printer);
    const AssessedText assessed = AssessedText::From(data);
    const AssessedTextLayout broken = lines.Break(assessed.text, layout.TextWidth());
    const std::vector<LineFigures> figures = assessed.Figures(broken.lines(), data.speedUnit);
    TestData scored = data;
    const BasicResults results = scored.ComputeBasicResults(data.speedUnit);

    const int lineCount = static_cast<int>(broken.lines().size());
    const int perPage = layout.LinesPerPage();
    const int pages = layout.PageCount(lineCount);
    const qreal errorsRight = layout.ErrorsLeft() + 3 * lines.digitWidth();
    for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
        if (pageIndex > 0 && !printer.newPage()) {
            return false;
        }
        PaintHeader(painter, layout, data, results, pageIndex + 1);
        for (int k = 0; k < perPage; ++k) {
            const int line = pageIndex * perPage + k;
            if (line >= lineCount) {
                break;
            }
            lines.DrawLine(painter, assessed, broken, static_cast<std::size_t>(line),
                           figures[static_cast<std::size_t>(line)],
                           QPointF(layout.TextLeft(), layout.LineTop(k)), layout.TotalLeft(),
                           errorsRight);
        }
    }
    return painter.end();
}

bool ReportPainter::WritePdf(const TestData& data, const std::string& path) {
    const QString target = PathToQString(path);
    // The report goes to a temporary file beside the target, which is renamed when whole.
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        return false;
    }
    temporary.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(kPdfResolution);
    printer.setOutputFileName(temporary.fileName());
    if (!Print(printer, data)) {
        return false;
    }
    std::error_code error;
    std::filesystem::rename(PathFromQString(temporary.fileName()), path, error);
    if (error) {
        return false;
    }
    temporary.setAutoRemove(false);
    // A temporary file is private; the report is an ordinary file.
    QFile::setPermissions(
        target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}
