#pragma once

#include <memory>
#include <string>

#include "tutor/course/xkb_keyboard.h"

typedef struct _XDisplay Display;

/// The core keyboard of an X display, through Xlib's XKB calls. The display stays the
/// caller's and must outlive this object; calls come from the thread that owns the display.
class X11XkbKeyboard final : public XkbKeyboard {
  public:
    /// nullptr when there is no display or it has no XKB extension.
    static std::unique_ptr<X11XkbKeyboard> Open(Display* display);

    std::string RulesNames() const override;
    int LockedGroup() const override;
    bool LockGroup(int group) override;

  private:
    explicit X11XkbKeyboard(Display* display) : display_(display) {}

    Display* display_;
};
