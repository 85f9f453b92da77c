#pragma once

#include <string>

/// The few things the tutor asks of an X keyboard through the XKB extension. The X11 layer
/// implements them with Xlib; tests replace them.
class XkbKeyboard {
  public:
    virtual ~XkbKeyboard() = default;
    /// The value of the root window property "_XKB_RULES_NAMES" (zero bytes included), empty
    /// when the server has none.
    virtual std::string RulesNames() const = 0;
    /// The group locked now, -1 when it cannot be read.
    virtual int LockedGroup() const = 0;
    /// Locks a group; true when the server has it locked afterwards.
    virtual bool LockGroup(int group) = 0;
};
