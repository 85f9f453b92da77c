#include "tutor/practice/main_frame_focus.h"

#include "tutor/practice/practice_session.h"

void MainFrameFocus::Set() {
    if (mainHasFocus_) {
        return;
    }
    mainHasFocus_ = true;
    session_.OnSetFocus();
}

void MainFrameFocus::Kill() {
    if (!mainHasFocus_) {
        return;
    }
    mainHasFocus_ = false;
    session_.OnKillFocus();
}

void MainFrameFocus::Activated() {
    // While a modal window is open the activation belongs to it; what the desktop reports of
    // the main window then comes late.
    if (modalDepth_ == 0) {
        windowActive_ = true;
        Set();
    }
}

void MainFrameFocus::Deactivated() {
    if (modalDepth_ == 0) {
        windowActive_ = false;
        Kill();
    }
}

void MainFrameFocus::ModalOpened() {
    if (modalDepth_++ == 0) {
        focusBeforeModal_ = mainHasFocus_;
        activeBeforeModal_ = windowActive_;
        windowActive_ = false;
        Kill();
    }
}

void MainFrameFocus::ModalClosed() {
    if (modalDepth_ == 0) {
        return;
    }
    if (--modalDepth_ > 0) {
        return;
    }
    windowActive_ = activeBeforeModal_;
    if (focusBeforeModal_) {
        focusBeforeModal_ = false;
        Set();
    }
}

void MainFrameFocus::Take() {
    if (modalDepth_ > 0) {
        // The focus comes back when the modal window closes.
        focusBeforeModal_ = true;
        return;
    }
    if (windowActive_) {
        Set();
    }
}

void MainFrameFocus::ToPanel() {
    if (modalDepth_ > 0) {
        focusBeforeModal_ = false;
        return;
    }
    Kill();
}
