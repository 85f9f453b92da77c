#include "tester/ui/c_result_text_view.h"

#include <QPainter>

CResultTextView::CResultTextView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CResultTextView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CResultTextView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
}
