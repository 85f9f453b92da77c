#include "tutor/users/ui/diagram_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPainter>

#include "common/ui/qt_text.h"
#include "tutor/users/results_table_text.h"
#include "tutor/users/ui/diagram_painter.h"

DiagramView::DiagramView(const Diagram& diagram, QWidget* parent)
    : QWidget(parent), diagram_(diagram) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    auto* copyAction = new QAction(tr("&Copy"), this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    connect(copyAction, &QAction::triggered, this, &DiagramView::copy);
    addAction(copyAction);
    // The context menu offers what the keys do.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* saveAction = new QAction(tr("Save &Picture..."), this);
    connect(saveAction, &QAction::triggered, this, &DiagramView::savePictureRequested);
    addAction(saveAction);
}

QImage DiagramView::Picture() const {
    return DiagramPainter::Render(diagram_, size(), devicePixelRatioF(), font());
}

QString DiagramView::CopyText() const {
    return ToQString(ResultsTableText::DiagramPoints(diagram_));
}

void DiagramView::copy() {
    QApplication::clipboard()->setText(CopyText());
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DiagramPainter::Paint(painter, diagram_, rect(), font());
    if (hasFocus()) {
        // Where the keyboard is: Ctrl+C copies this diagram.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void DiagramView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void DiagramView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
