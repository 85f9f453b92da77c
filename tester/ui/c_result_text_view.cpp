#include "tester/ui/c_result_text_view.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

#include "tester/ui/assessed_line_painter.h"

namespace {

// The numbers beside the lines: "%5d" and "%3d".
constexpr int kTotalDigits = 5;
constexpr int kErrorDigits = 3;

QFont NumberFont() {
    QFont font = AssessedLinePainter::CourierNew();
    font.setPixelSize(12);
    return font;
}

}  // namespace

CResultTextView::CResultTextView(QWidget* parent)
    : QAbstractScrollArea(parent),
      textColor_(palette().color(QPalette::Text)),
      backgroundColor_(palette().color(QPalette::Base)),
      markingColor_(palette().color(QPalette::Text)) {
    setObjectName(QStringLiteral("CResultTextView"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
}

CResultTextView::~CResultTextView() = default;

void CResultTextView::SetAssessedText(AssessedText text, int unit) {
    text_ = std::move(text);
    unit_ = unit;
    verticalScrollBar()->setValue(0);
    Relayout();
}

const AssessedLinePainter& CResultTextView::linePainter() const {
    if (painter_ == nullptr) {
        AssessedLinePainter::Style style;
        style.textFont = font();
        style.numberFont = NumberFont();
        style.textColor = textColor_;
        style.markColor = markingColor_;
        style.markPenWidth = 2.0;
        painter_ = std::make_unique<AssessedLinePainter>(style, viewport());
    }
    return *painter_;
}

void CResultTextView::SetUnit(int unit) {
    unit_ = unit;
    figures_ = text_.Figures(layout_.lines(), unit_);
    viewport()->update();
}

void CResultTextView::SetColors(const QColor& text, const QColor& background,
                                const QColor& marking) {
    textColor_ = text;
    backgroundColor_ = background;
    markingColor_ = marking;
    painter_.reset();
    viewport()->update();
}

qreal CResultTextView::TextLeft() const {
    return kMargin + kTotalDigits * linePainter().digitWidth() + kGap;
}

qreal CResultTextView::TextWidth() const {
    const qreal errorsWidth = kErrorDigits * linePainter().digitWidth() + kGap + kMargin;
    // A space left at the end of a line, or the mark of a line break, stands after the width.
    return viewport()->width() - TextLeft() - errorsWidth - linePainter().Advance(' ');
}

qreal CResultTextView::LinePitch() const {
    return std::ceil(linePainter().lineHeight() * 1.25);
}

int CResultTextView::VisibleLines() const {
    return std::max(1, static_cast<int>((viewport()->height() - kMargin) / LinePitch()));
}

int CResultTextView::firstLine() const {
    return verticalScrollBar()->value();
}

void CResultTextView::Relayout() {
    if (text_.text.empty()) {
        // Nothing to break, so no fonts to measure: the view starts empty and hidden.
        layout_ = AssessedTextLayout();
        figures_.clear();
        verticalScrollBar()->setRange(0, 0);
        viewport()->update();
        return;
    }
    layout_ = linePainter().Break(text_.text, TextWidth());
    figures_ = text_.Figures(layout_.lines(), unit_);
    const int visible = VisibleLines();
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setRange(0,
                                  std::max(0, static_cast<int>(layout_.lines().size()) - visible));
    viewport()->update();
}

std::optional<QRectF> CResultTextView::CharRect(std::size_t index) const {
    if (index >= layout_.boxes().size()) {
        return std::nullopt;
    }
    const int row = static_cast<int>(layout_.LineOf(index)) - firstLine();
    if (row < 0 || row >= VisibleLines()) {
        return std::nullopt;
    }
    const CharBox& box = layout_.boxes()[index];
    return QRectF(TextLeft() + box.left, kMargin + row * LinePitch(), box.right - box.left,
                  linePainter().lineHeight());
}

void CResultTextView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), backgroundColor_);
    const std::size_t first = static_cast<std::size_t>(std::max(0, firstLine()));
    const qreal errorsRight = viewport()->width() - kMargin;
    for (std::size_t line = first; line < layout_.lines().size(); ++line) {
        const qreal top = kMargin + static_cast<qreal>(line - first) * LinePitch();
        if (top > viewport()->height()) {
            break;
        }
        linePainter().DrawLine(painter, text_, layout_, line, figures_[line],
                               QPointF(TextLeft(), top), kMargin, errorsRight);
    }
}

void CResultTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void CResultTextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        painter_.reset();
        Relayout();
    }
}

void CResultTextView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_PageUp:
            bar->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Home:
            bar->triggerAction(QAbstractSlider::SliderToMinimum);
            break;
        case Qt::Key_End:
            bar->triggerAction(QAbstractSlider::SliderToMaximum);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}
