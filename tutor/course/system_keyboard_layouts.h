#pragma once

#include <string>

/// The system's keyboard layouts, as far as the tutor switches them: the name of the active
/// layout, and loading a layout by name with activation.
class SystemKeyboardLayouts {
  public:
    virtual ~SystemKeyboardLayouts() = default;
    /// The name of the layout active now (for a system layout, eight hexadecimal digits).
    virtual std::string ActiveLayoutName() const = 0;
    /// Loads the named layout and makes it the active one; false when the system refuses.
    virtual bool LoadAndActivate(const std::string& name) = 0;
};
