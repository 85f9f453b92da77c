#include "tester/ui/assessed_line_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include "common/code_page.h"
#include "tester/assessment_marks.h"

namespace {

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

QString CharText(unsigned char c) {
    return QString(QChar(static_cast<char16_t>(CodePage::Program().CodePoint(c))));
}

}  // namespace

QFont AssessedLinePainter::CourierNew() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    // Set, not left open: a painter fills what a font leaves open from its device's font, which
    // on screen is the text font (bold by default, perhaps italic or underlined).
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

AssessedLinePainter::AssessedLinePainter(Style style, QPaintDevice* device)
    : style_(std::move(style)) {
    const QFontMetricsF text(style_.textFont, device);
    const qreal space = text.horizontalAdvance(QLatin1Char(' '));
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        advances_[static_cast<std::size_t>(c)] =
            IsControl(byte) ? space : text.horizontalAdvance(CharText(byte));
    }
    lineHeight_ = text.height();
    ascent_ = text.ascent();
    fWidth_ = text.horizontalAdvance(QLatin1Char('f'));
    const QFontMetricsF numbers(style_.numberFont, device);
    numberAscent_ = numbers.ascent();
    digitWidth_ = numbers.horizontalAdvance(QLatin1Char('0'));
}

AssessedTextLayout AssessedLinePainter::Break(std::string_view text, double width) const {
    return AssessedTextLayout::Break(
        text, [this](unsigned char c) { return Advance(c); }, width);
}

void AssessedLinePainter::DrawLine(QPainter& painter, const AssessedText& text,
                                   const AssessedTextLayout& layout, std::size_t line,
                                   const LineFigures& figures, QPointF textTopLeft, qreal totalLeft,
                                   qreal errorsRight) const {
    const AssessedLine& range = layout.lines()[line];
    const std::vector<CharBox>& boxes = layout.boxes();
    const qreal baseline = textTopLeft.y() + ascent_;

    painter.setFont(style_.textFont);
    painter.setPen(style_.textColor);
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const auto c = static_cast<unsigned char>(text.text[i]);
        if (!IsControl(c) && c != ' ') {
            painter.drawText(QPointF(textTopLeft.x() + boxes[i].left, baseline), CharText(c));
        }
    }

    // The baseline of the numbers is the text's, so they read as part of the line.
    painter.setFont(style_.numberFont);
    const QString total =
        QString::fromLatin1(AssessedText::FormatRunningTotal(figures.runningTotal));
    painter.drawText(QPointF(totalLeft, baseline), total);
    const QString errors = QString::fromLatin1(AssessedText::FormatLineErrors(figures.errors));
    const qreal errorsWidth =
        QFontMetricsF(style_.numberFont, painter.device()).horizontalAdvance(errors);
    painter.drawText(QPointF(errorsRight - errorsWidth, baseline), errors);

    QPen pen(style_.markColor, style_.markPenWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t i = range.begin; i < range.end; ++i) {
        for (const MarkSegment& s : MarkSegments(text.MarkAt(i), boxes[i], lineHeight_, fWidth_)) {
            painter.drawLine(QPointF(textTopLeft.x() + s.x1, textTopLeft.y() + s.y1),
                             QPointF(textTopLeft.x() + s.x2, textTopLeft.y() + s.y2));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}
