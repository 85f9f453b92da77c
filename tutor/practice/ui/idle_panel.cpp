#include "tutor/practice/ui/idle_panel.h"

#include <QLinearGradient>
#include <QPainter>

#include "common/product_version.h"
#include "tutor/practice/ui/kelvane_icon.h"

IdlePanel::IdlePanel(QWidget* parent) : QWidget(parent), icon_(KelvaneIcon()) {
    setObjectName(QStringLiteral("IdlePanel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 120);
}

void IdlePanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0.0, QColor(0xF4, 0xF7, 0xF8));
    background.setColorAt(1.0, QColor(0xDD, 0xE6, 0xEA));
    painter.fillRect(rect(), background);

    const int iconSize = qBound(32, height() / 4, 96);
    QFont title = font();
    title.setPixelSize(qBound(20, height() / 8, 44));
    title.setBold(true);
    QFont subtitle = font();
    subtitle.setPixelSize(qBound(11, height() / 22, 16));

    const int titleHeight = QFontMetrics(title).height();
    const int subtitleHeight = QFontMetrics(subtitle).height();
    const int total = iconSize + 12 + titleHeight + 4 + subtitleHeight;
    int y = (height() - total) / 2;

    painter.drawPixmap((width() - iconSize) / 2, y, icon_.pixmap(iconSize, iconSize));
    y += iconSize + 12;
    painter.setFont(title);
    painter.setPen(QColor(0x2A, 0x4A, 0x56));
    painter.drawText(QRect(0, y, width(), titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromLatin1(kKelvaneName));
    y += titleHeight + 4;
    painter.setFont(subtitle);
    painter.setPen(QColor(0x5E, 0x74, 0x7C));
    painter.drawText(QRect(0, y, width(), subtitleHeight), Qt::AlignHCenter | Qt::AlignTop,
                     tr("Touch-typing tutor"));
}
