#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>

#include <array>

#include "tester/assessed_text.h"
#include "tester/assessed_text_layout.h"

class QPaintDevice;
class QPainter;

/// Draws lines of the assessed text with their marks and numbers, the same on screen and on
/// paper: each character at its box, the mark of its class over it, the running total at the
/// left and the line's errors at the right. Measures on the device it draws on, so that a
/// printer's resolution gives the printer's widths.
class AssessedLinePainter {
  public:
    struct Style {
        QFont textFont;
        /// "Courier New" for the numbers.
        QFont numberFont;
        QColor textColor;
        QColor markColor;
        /// The width of the marks' pen in the painter's units.
        qreal markPenWidth = 2.0;
    };

    AssessedLinePainter(Style style, QPaintDevice* device);

    /// "Courier New" (through fontconfig its metric twin "Liberation Mono"), a typewriter
    /// face whatever is installed, plain (not bold, italic, underlined or struck out); the
    /// caller sets the size.
    static QFont CourierNew();

    /// The width of every code-page character in the text font. Control characters take the
    /// room of a space and are not drawn.
    double Advance(unsigned char c) const { return advances_[c]; }
    AssessedTextLayout Break(std::string_view text, double width) const;
    /// The height of a text line; the marks are placed in it.
    qreal lineHeight() const { return lineHeight_; }
    /// The width of one digit of the numbers.
    qreal digitWidth() const { return digitWidth_; }

    /// Draws one line whose text box starts at textTopLeft; the total is drawn from totalLeft
    /// on, the errors end at errorsRight.
    void DrawLine(QPainter& painter, const AssessedText& text, const AssessedTextLayout& layout,
                  std::size_t line, const LineFigures& figures, QPointF textTopLeft,
                  qreal totalLeft, qreal errorsRight) const;

    const Style& style() const { return style_; }

  private:
    Style style_;
    std::array<double, 256> advances_{};
    qreal lineHeight_ = 0;
    qreal ascent_ = 0;
    qreal fWidth_ = 0;
    qreal numberAscent_ = 0;
    qreal digitWidth_ = 0;
};
