#include "tutor/course/keyboard_layout_switcher.h"

void KeyboardLayoutSwitcher::RememberUserLayout() {
    userLayout_ = layouts_.ActiveLayoutName();
}

bool KeyboardLayoutSwitcher::ActivateLayout(const std::string& keyboardId) {
    statusText_.clear();
    if (!NamesSystemLayout(keyboardId) || layouts_.LoadAndActivate(keyboardId)) {
        return true;
    }
    statusText_ = kCannotSwitchMessage;
    return false;
}

bool KeyboardLayoutSwitcher::RestoreUserLayout() {
    if (layouts_.LoadAndActivate(userLayout_)) {
        return true;
    }
    messages_.ShowMessage(std::string(kCaption), CannotRestoreMessage(userLayout_),
                          MessageSink::Icon::Warning);
    return false;
}

std::string KeyboardLayoutSwitcher::CannotRestoreMessage(std::string_view layoutName) {
    return "The program cannot load the original keyboard settings. ==>" + std::string(layoutName);
}
