#pragma once

#include <memory>
#include <string>

#include "tutor/course/system_keyboard_layouts.h"
#include "tutor/course/xkb_keyboard.h"

/// Keyboard layouts of an X server: a layout is active when its group is locked. Only layouts
/// the user has configured as groups can be switched to (XkbGroupChoice); the tutor never
/// changes the configuration itself. A layout is named by the keyboard identifier of our
/// courses where one fits the group, else by its XKB name; both are accepted back. The
/// configuration is read afresh for every request, so a change made while the program runs
/// is seen.
class XkbKeyboardLayouts final : public SystemKeyboardLayouts {
  public:
    explicit XkbKeyboardLayouts(std::unique_ptr<XkbKeyboard> keyboard);

    /// Empty when the locked group is not one the configuration lists.
    std::string ActiveLayoutName() const override;
    /// A configured layout, or a keyboard type of our courses: X has a layout for each of
    /// them, which the user may add to the configuration. Switching to one that is not
    /// configured is refused, as the configuration is the user's.
    bool IsAvailable(const std::string& name) const override;
    /// An empty name (no layout was known when it was remembered) asks for nothing and
    /// succeeds.
    bool LoadAndActivate(const std::string& name) override;

  private:
    std::unique_ptr<XkbKeyboard> keyboard_;
};
