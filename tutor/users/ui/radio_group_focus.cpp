#include "tutor/users/ui/radio_group_focus.h"

#include <QFocusEvent>
#include <QRadioButton>

void RadioGroupFocus::Install(const QList<QRadioButton*>& group) {
    if (group.isEmpty()) {
        return;
    }
    auto* filter = new RadioGroupFocus(group);
    for (QRadioButton* button : group) {
        button->installEventFilter(filter);
    }
}

RadioGroupFocus::RadioGroupFocus(const QList<QRadioButton*>& group)
    : QObject(group.first()), group_(group) {}

bool RadioGroupFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* button = qobject_cast<QRadioButton*>(watched);
        if (button && !button->isChecked() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
            for (QRadioButton* other : group_) {
                if (other->isChecked() && other->isEnabled() && other->isVisible()) {
                    other->setFocus(reason);
                    break;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
