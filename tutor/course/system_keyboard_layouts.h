#pragma once

#include <string>

/// The system's keyboard layouts, as far as the tutor switches them: the name of the active
/// layout, whether a layout could be switched to, and loading a layout by name with activation.
class SystemKeyboardLayouts {
  public:
    virtual ~SystemKeyboardLayouts() = default;
    /// The name of the layout active now (for a system layout, eight hexadecimal digits).
    virtual std::string ActiveLayoutName() const = 0;
    /// Whether the system has the named layout, so that a course for it can be chosen: one it
    /// can switch to now, or one it knows but the user has still to add (LoadAndActivate then
    /// refuses and the user is told to install it). Changes nothing, so the first-time wizard
    /// can test every keyboard type without switching the user's keyboard.
    virtual bool IsAvailable(const std::string& name) const = 0;
    /// Loads the named layout and makes it the active one; false when the system refuses.
    virtual bool LoadAndActivate(const std::string& name) = 0;
};
