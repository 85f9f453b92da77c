#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Where the tutor keeps its users: the folder named on the command line ("--users-folder
/// DIR"), else the folder of the setting "UsersFolder" (a classroom's shared drive; set for
/// every account of a computer in /etc/xdg/zuv SOFTWARE/Kelvane.ini), else the program's own
/// writable "users" folder. A named folder is the shared drive itself: it is never created,
/// since a missing one means the drive is not connected, and results written into a folder
/// made in its place would be lost to the class.
class UsersFolderSetting {
  public:
    static constexpr std::string_view kOption = "--users-folder";
    /// The key in the program's own section of the settings.
    static constexpr std::string_view kSettingKey = "UsersFolder";

    /// Takes "--users-folder DIR" or "--users-folder=DIR" out of the arguments, wherever it
    /// stands (before a mode such as --check-data, or before a file to open). Nothing when it
    /// is absent; error is set when it lacks its folder.
    static std::optional<std::string> TakeOption(std::vector<std::string>& arguments,
                                                 std::string& error);

    struct Choice {
        /// The folder, absolute and ending with "/" (UTF-8).
        std::string folder;
        /// Named by the option or the setting rather than the program's own.
        bool named = false;
        /// Why the folder cannot be used (for the user, code-page text); empty when it can.
        std::string problem;
    };
    /// option and setting are UTF-8 paths (an empty setting is none; "~/" is the home
    /// folder); defaultFolder gives the program's own users folder.
    static Choice Decide(const std::optional<std::string>& option, std::string_view setting,
                         const std::function<std::string()>& defaultFolder);
};
