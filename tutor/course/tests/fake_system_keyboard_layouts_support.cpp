#include "tutor/course/tests/fake_system_keyboard_layouts.h"

FakeSystemKeyboardLayouts::FakeSystemKeyboardLayouts(std::string activeLayout)
    : active(std::move(activeLayout)) {}

bool FakeSystemKeyboardLayouts::LoadAndActivate(const std::string& name) {
    requests.push_back(name);
    if (refused.count(name) != 0) {
        return false;
    }
    active = name;
    return true;
}
