#pragma once

#include <set>
#include <string>
#include <vector>

#include "tutor/course/system_keyboard_layouts.h"

/// A system with keyboard layouts in memory: every layout loads except the refused ones, and
/// every request and every question is recorded.
class FakeSystemKeyboardLayouts final : public SystemKeyboardLayouts {
  public:
    explicit FakeSystemKeyboardLayouts(std::string active = "00000407");

    std::string ActiveLayoutName() const override { return active; }
    bool IsAvailable(const std::string& name) const override;
    bool LoadAndActivate(const std::string& name) override;

    std::string active;
    std::set<std::string> refused;
    /// Names given to LoadAndActivate.
    std::vector<std::string> requests;
    /// Names given to IsAvailable.
    mutable std::vector<std::string> questions;
};
