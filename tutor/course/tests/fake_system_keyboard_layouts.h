#pragma once

#include <set>
#include <string>
#include <vector>

#include "tutor/course/system_keyboard_layouts.h"

/// A system with keyboard layouts in memory: every layout loads except the refused ones, and
/// every request is recorded.
class FakeSystemKeyboardLayouts final : public SystemKeyboardLayouts {
  public:
    explicit FakeSystemKeyboardLayouts(std::string active = "00000407");

    std::string ActiveLayoutName() const override { return active; }
    bool LoadAndActivate(const std::string& name) override;

    std::string active;
    std::set<std::string> refused;
    std::vector<std::string> requests;
};
