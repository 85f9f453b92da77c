#include "tester/ui/c_status_view.h"

#include <QPainter>

#include <algorithm>

CStatusView::CStatusView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CStatusView"));
    setFixedHeight(kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CStatusView::SetPercent(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent != percent_) {
        percent_ = percent;
        update();
    }
}

int CStatusView::BarWidth() const {
    return width() * percent_ / 100;
}

void CStatusView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (percent_ > 0) {
        painter.fillRect(QRect(0, 0, BarWidth(), height()), palette().color(QPalette::Highlight));
    }
}
