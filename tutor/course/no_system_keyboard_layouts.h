#pragma once

#include "tutor/course/system_keyboard_layouts.h"

/// For a system whose keyboard layouts the tutor does not switch: every request succeeds and
/// changes nothing, so every keyboard type with a layout file can be chosen.
class NoSystemKeyboardLayouts final : public SystemKeyboardLayouts {
  public:
    std::string ActiveLayoutName() const override { return {}; }
    bool IsAvailable(const std::string&) const override { return true; }
    bool LoadAndActivate(const std::string&) override { return true; }
};
