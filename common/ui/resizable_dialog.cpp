#include "common/ui/resizable_dialog.h"

#include <QResizeEvent>
#include <QShowEvent>

ResizableDialog::ResizableDialog(QWidget* parent) : QDialog(parent) {
    setSizeGripEnabled(true);
}

void ResizableDialog::MoveAnchoredControls(int /*deltaWidth*/, int /*deltaHeight*/) {}

void ResizableDialog::MoveBy(QWidget* control, int dx, int dy) {
    if (control != nullptr) {
        control->move(control->pos() + QPoint(dx, dy));
    }
}

void ResizableDialog::GrowBy(QWidget* control, int dw, int dh) {
    if (control != nullptr) {
        control->resize(control->width() + dw, control->height() + dh);
    }
}

void ResizableDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!minimumTaken_) {
        minimumTaken_ = true;
        setMinimumSize(size());
    }
}

void ResizableDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        return;
    }
    QSize size = event->size();
    if (lastSize_.width() >= 0) {
        MoveAnchoredControls(size.width() - lastSize_.width(), size.height() - lastSize_.height());
    }
    lastSize_ = size;
    update();
}
