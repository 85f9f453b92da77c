#pragma once

#include <string>
#include <string_view>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "tutor/course/system_keyboard_layouts.h"

/// Switches the system to the layout of the user's keyboard type while the user practises and
/// back to the user's own layout afterwards, telling the user when the system refuses.
class KeyboardLayoutSwitcher {
  public:
    static constexpr std::string_view kCaption = kKelvaneName;
    static constexpr std::string_view kCannotSwitchMessage =
        "The current user cannot switch over to the required keyboard type. You have to "
        "install the new keyboard type on your system first.";

    KeyboardLayoutSwitcher(SystemKeyboardLayouts& layouts, MessageSink& messages)
        : layouts_(layouts), messages_(messages) {}

    /// Keeps the name of the layout active now as the user's own.
    void RememberUserLayout();
    /// Activates the layout of keyboardId; a short identifier such as "NUM" names no system
    /// layout and leaves the active one. When the system refuses, false is returned and
    /// statusText() says so; the program goes on with whatever layout is active.
    bool ActivateLayout(const std::string& keyboardId);
    /// The one line the main window's status bar shows about the layout: kCannotSwitchMessage
    /// after a refused ActivateLayout, empty after one that succeeded. A refusal is no box to
    /// click away at every login: on a desktop where the course's layout is not configured it
    /// is the normal case.
    const std::string& statusText() const { return statusText_; }
    /// Activates the remembered layout again; when the system refuses, the user is told.
    bool RestoreUserLayout();

    const std::string& userLayout() const { return userLayout_; }

    /// "The program cannot load the original keyboard settings. ==>" followed by the name.
    static std::string CannotRestoreMessage(std::string_view layoutName);
    /// Whether an identifier names a system layout at all (more than three characters).
    static bool NamesSystemLayout(std::string_view keyboardId) { return keyboardId.size() > 3; }

  private:
    SystemKeyboardLayouts& layouts_;
    MessageSink& messages_;
    std::string userLayout_;
    std::string statusText_;
};
