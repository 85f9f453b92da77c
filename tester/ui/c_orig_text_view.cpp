#include "tester/ui/c_orig_text_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "common/ui/qt_text.h"
#include "tester/ui/text_view_margin.h"

COrigTextView::COrigTextView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("COrigTextView"));
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // No text cursor here: the typist's cursor is in the typing view.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The same left margin as the typing view, so that the two texts line up.
    setViewportMargins(kLeftMargin, 0, 0, 0);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    markingColor_ = palette().color(QPalette::Text);

    scrollTimer_ = new QTimer(this);
    scrollTimer_->setInterval(OriginalScroller::kStepMs);
    connect(scrollTimer_, &QTimer::timeout, this, &COrigTextView::ScrollStep);
    followTimer_ = new QTimer(this);
    followTimer_->setInterval(kFollowMs);
    connect(followTimer_, &QTimer::timeout, this, &COrigTextView::FollowTypist);
    busyTimer_ = new QTimer(this);
    busyTimer_->setInterval(kBusyStepMs);
    connect(busyTimer_, &QTimer::timeout, this, [this] {
        busyPhase_ = (busyPhase_ + 1) % 4;
        viewport()->update();
    });
}

void COrigTextView::SetText(std::string_view codePageText) {
    text_ = std::string(codePageText);
    QString text = ToQString(codePageText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(text);
    follower_.Reset();
}

std::string COrigTextView::Text() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return FromQString(text);
}

void COrigTextView::SetColors(const QColor& text, const QColor& background, const QColor& marking) {
    QPalette colors = palette();
    colors.setColor(QPalette::Text, text);
    colors.setColor(QPalette::Base, background);
    setPalette(colors);
    markingColor_ = marking;
    viewport()->update();
}

OriginalScroller::Range COrigTextView::ScrollRange() const {
    const QScrollBar* bar = verticalScrollBar();
    return {bar->value(), bar->minimum(), bar->maximum(), bar->pageStep()};
}

void COrigTextView::RequestScroll(ScrollRequest direction, bool smooth) {
    if (direction == ScrollRequest::None) {
        return;
    }
    const auto way = direction == ScrollRequest::Up ? OriginalScroller::Direction::Up
                                                    : OriginalScroller::Direction::Down;
    if (!smooth) {
        verticalScrollBar()->setValue(OriginalScroller::StepOutsideRun(way, ScrollRange()));
        return;
    }
    if (scroller_.Request(way, ScrollRange())) {
        scrollTimer_->start();
    } else {
        scrollTimer_->stop();
    }
}

void COrigTextView::ScrollStep() {
    if (std::optional<int> next = scroller_.Step(ScrollRange())) {
        verticalScrollBar()->setValue(*next);
    } else {
        scrollTimer_->stop();
    }
}

bool COrigTextView::IsScrollingSmoothly() const {
    return scrollTimer_->isActive();
}

void COrigTextView::StopSmoothScrolling() {
    scroller_.Stop();
    scrollTimer_->stop();
}

void COrigTextView::StartFollowing(std::function<std::string()> typedText) {
    typedText_ = std::move(typedText);
    follower_.Reset();
    verticalScrollBar()->setValue(0);
    followTimer_->start();
}

void COrigTextView::StopFollowing() {
    followTimer_->stop();
    typedText_ = nullptr;
}

bool COrigTextView::IsFollowing() const {
    return followTimer_->isActive();
}

void COrigTextView::FollowTypist() {
    if (!typedText_) {
        return;
    }
    if (std::optional<std::size_t> position = follower_.Follow(text_, typedText_())) {
        ShowPosition(*position);
    }
}

void COrigTextView::ShowPosition(std::size_t codePagePosition) {
    const int position = static_cast<int>(LineFollower::DisplayPosition(text_, codePagePosition));
    QTextBlock block = document()->findBlock(position);
    if (!block.isValid()) {
        return;
    }
    // The scroll bar counts the lines of the wrapped text.
    int line = block.firstLineNumber();
    if (const QTextLayout* layout = block.layout(); layout != nullptr && layout->lineCount() > 0) {
        line += layout->lineForTextPosition(position - block.position()).lineNumber();
    }
    QScrollBar* bar = verticalScrollBar();
    if (line < bar->value() || line >= bar->value() + bar->pageStep()) {
        // The typist's line a little below the top, with the line before it for context.
        bar->setValue(std::max(bar->minimum(), line - 1));
    }
}

void COrigTextView::SetBusy(bool busy) {
    busy_ = busy;
    busyPhase_ = 0;
    if (busy) {
        busyTimer_->start();
        // The assessment that follows keeps the event loop busy: paint now.
        viewport()->repaint();
    } else {
        busyTimer_->stop();
        viewport()->update();
    }
}

void COrigTextView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        RequestScroll(event->key() == Qt::Key_PageUp ? ScrollRequest::Up : ScrollRequest::Down,
                      false);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool COrigTextView::event(QEvent* event) {
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint) {
        PaintTextViewMargin(*this, kLeftMargin);
    }
    return handled;
}

void COrigTextView::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (!busy_) {
        return;
    }
    QPainter painter(viewport());
    const QFontMetrics metrics(font());
    const int spacing = metrics.lineSpacing();
    const QColor text = palette().color(QPalette::Text);
    const QColor background = palette().color(QPalette::Base);
    // The triangles go through the marking, text, white and background colours: the first
    // picture, the one an assessment may stand on, shows them.
    const QColor phases[4] = {markingColor_, text, Qt::white, background};
    const QColor triangle = phases[busyPhase_];
    const QString lines[2] = {QString::fromLatin1(kBusyLine1), QString::fromLatin1(kBusyLine2)};
    const int left = 8;
    const int size = std::max(6, metrics.ascent() * 2 / 3);
    const int width =
        size + 8 +
        std::max(metrics.horizontalAdvance(lines[0]), metrics.horizontalAdvance(lines[1]));
    painter.fillRect(QRect(0, 0, left + width + 8, spacing * 2 + 8), background);
    for (int i = 0; i < 2; ++i) {
        const int top = 4 + i * spacing;
        const int middle = top + spacing / 2;
        QPolygon shape;
        shape << QPoint(left, middle - size / 2) << QPoint(left + size, middle)
              << QPoint(left, middle + size / 2);
        painter.setPen(triangle);
        painter.setBrush(triangle);
        painter.drawPolygon(shape);
        painter.setPen(text);
        painter.drawText(QPoint(left + size + 8, top + metrics.ascent()), lines[i]);
    }
}
