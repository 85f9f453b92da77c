#pragma once

#include <QString>

#include <memory>

#include "tutor/course/system_keyboard_layouts.h"

/// Picks the keyboard layouts of the desktop the program runs on, once, at start: XKB groups
/// on an X11 display, and nothing to switch on Wayland, without X11 or offscreen.
class SystemKeyboardLayoutsFactory {
  public:
    /// For the running QGuiApplication. The X11 layouts use the application's display and
    /// must not outlive it.
    static std::unique_ptr<SystemKeyboardLayouts> Create();

    /// Whether layouts are switched through XKB on a Qt platform. Only on "xcb", and not in a
    /// Wayland session: there the compositor owns the keyboard and takes back a group that
    /// an X client locked.
    static bool SwitchesThroughXkb(const QString& platformName, bool waylandSession);

    /// Whether the environment names a Wayland session (WAYLAND_DISPLAY, or XDG_SESSION_TYPE
    /// "wayland").
    static bool InWaylandSession();
};
