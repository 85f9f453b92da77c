#include "tester/ui/text_view_margin.h"

#include <QAbstractScrollArea>
#include <QPainter>

void PaintTextViewMargin(QAbstractScrollArea& view, int width) {
    const QRect inside = view.contentsRect();
    QPainter painter(&view);
    painter.fillRect(QRect(inside.left(), inside.top(), width, inside.height()),
                     view.palette().color(QPalette::Base));
}
