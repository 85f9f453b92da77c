#include "tutor/course/tests/fake_system_keyboard_layouts.h"

FakeSystemKeyboardLayouts::FakeSystemKeyboardLayouts(std::string activeLayout)
    : active(std::move(activeLayout)) {}

bool FakeSystemKeyboardLayouts::IsAvailable(const std::string& name) const {
    questions.push_back(name);
    return refused.count(name) == 0;
}

bool FakeSystemKeyboardLayouts::LoadAndActivate(const std::string& name) {
    requests.push_back(name);
    if (refused.count(name) != 0) {
        return false;
    }
    active = name;
    return true;
}
