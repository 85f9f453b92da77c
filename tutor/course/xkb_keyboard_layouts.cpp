#include "tutor/course/xkb_keyboard_layouts.h"

#include <utility>

#include "tutor/course/xkb_group_choice.h"

XkbKeyboardLayouts::XkbKeyboardLayouts(std::unique_ptr<XkbKeyboard> keyboard)
    : keyboard_(std::move(keyboard)) {}

std::string XkbKeyboardLayouts::ActiveLayoutName() const {
    return XkbGroupChoice::FromRulesNames(keyboard_->RulesNames()).NameOf(keyboard_->LockedGroup());
}

bool XkbKeyboardLayouts::IsAvailable(const std::string& name) const {
    return name.empty() || !XkbGroupChoice::KnownLayout(name).empty() ||
           XkbGroupChoice::FromRulesNames(keyboard_->RulesNames()).GroupFor(name) >= 0;
}

bool XkbKeyboardLayouts::LoadAndActivate(const std::string& name) {
    if (name.empty()) {
        return true;
    }
    const int group = XkbGroupChoice::FromRulesNames(keyboard_->RulesNames()).GroupFor(name);
    if (group < 0) {
        return false;
    }
    return keyboard_->LockedGroup() == group || keyboard_->LockGroup(group);
}
