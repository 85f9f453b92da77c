#include "tester/ui/c_status_view.h"

#include <QPainter>

CStatusView::CStatusView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CStatusView"));
    setFixedHeight(kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CStatusView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
}
