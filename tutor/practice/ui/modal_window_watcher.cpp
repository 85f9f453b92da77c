#include "tutor/practice/ui/modal_window_watcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

ModalWindowWatcher::ModalWindowWatcher(std::function<void()> opened, std::function<void()> closed,
                                       QObject* parent)
    : QObject(parent), opened_(std::move(opened)), closed_(std::move(closed)) {
    QCoreApplication::instance()->installEventFilter(this);
}

ModalWindowWatcher::~ModalWindowWatcher() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ModalWindowWatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->isWindow()) {
        return false;
    }
    if (type == QEvent::Show) {
        if (widget->windowModality() != Qt::NonModal && !open_.contains(widget)) {
            open_.insert(widget);
            connect(widget, &QObject::destroyed, this, &ModalWindowWatcher::Forget);
            opened_();
        }
    } else if (open_.contains(widget)) {
        Forget(widget);
    }
    return false;
}

void ModalWindowWatcher::Forget(QObject* window) {
    if (open_.remove(window)) {
        disconnect(window, &QObject::destroyed, this, &ModalWindowWatcher::Forget);
        closed_();
    }
}
