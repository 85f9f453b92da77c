#include "common/ui/hyper_link.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include "common/ui/url_opener.h"

HyperLink::HyperLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    target_ = TargetFor(text);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    ApplyColor();
}

QString HyperLink::TargetFor(const QString& text) {
    QString trimmed = text.trimmed();
    if (trimmed.contains(QLatin1Char('@')) &&
        !trimmed.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        return QStringLiteral("mailto:") + trimmed;
    }
    return trimmed;
}

void HyperLink::setTarget(const QString& target) {
    target_ = TargetFor(target);
}

QString HyperLink::EffectiveTarget() const {
    return target_.isEmpty() ? TargetFor(text()) : target_;
}

void HyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Open();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void HyperLink::Open() {
    QString target = EffectiveTarget();
    if (target.isEmpty()) {
        return;
    }
    QUrl url = QUrl::fromUserInput(target);
    if (!UrlOpener::Open(url)) {
        QApplication::beep();
        emit openFailed(url);
        return;
    }
    color_ = kVisitedColor;
    ApplyColor();
    update();
    emit opened(url);
}

void HyperLink::ApplyColor() {
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, color_);
    linkPalette.setColor(QPalette::Text, color_);
    setPalette(linkPalette);
}
