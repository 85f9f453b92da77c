#pragma once

#include <QAbstractScrollArea>
#include <QColor>

#include <memory>
#include <optional>

#include "tester/assessed_text.h"
#include "tester/assessed_text_layout.h"

class AssessedLinePainter;

/// The assessed text: the typed text broken into lines that fit the view, each character
/// with the mark of its class, the running gross total at the left of each line and the
/// line's errors at the right, in the unit of the results. Scrolls by line with the wheel,
/// the scroll bar, PgUp, PgDn and the arrow keys; breaks the lines again when its width
/// changes; draws again at once when the font or a colour changes.
class CResultTextView final : public QAbstractScrollArea {
    Q_OBJECT

  public:
    /// Room around the text and between the numbers and the text, in pixels.
    static constexpr int kMargin = 4;
    static constexpr int kGap = 8;

    explicit CResultTextView(QWidget* parent = nullptr);
    ~CResultTextView() override;

    /// Shows an assessed text with its figures in the unit (TestData::kStrokesUnit or
    /// kWordsUnit).
    void SetAssessedText(AssessedText text, int unit);
    void SetUnit(int unit);
    /// Text, background and marking colour.
    void SetColors(const QColor& text, const QColor& background, const QColor& marking);

    const AssessedText& assessedText() const { return text_; }
    const AssessedTextLayout& layout() const { return layout_; }
    int unit() const { return unit_; }
    const std::vector<LineFigures>& figures() const { return figures_; }
    /// What draws the lines, with the fonts and measures in use; measured when first needed.
    const AssessedLinePainter& linePainter() const;
    QColor textColor() const { return textColor_; }
    QColor backgroundColor() const { return backgroundColor_; }
    QColor markingColor() const { return markingColor_; }
    /// Where a character is drawn in the viewport (its box on its line), or nothing when its
    /// line is scrolled out of sight.
    std::optional<QRectF> CharRect(std::size_t index) const;
    /// The first line shown.
    int firstLine() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Relayout();
    qreal TextLeft() const;
    qreal TextWidth() const;
    qreal LinePitch() const;
    int VisibleLines() const;

    AssessedText text_;
    int unit_ = 1;
    AssessedTextLayout layout_;
    std::vector<LineFigures> figures_;
    /// Made again from the font and colours when they change.
    mutable std::unique_ptr<AssessedLinePainter> painter_;
    QColor textColor_;
    QColor backgroundColor_;
    QColor markingColor_;
};
