#include "tutor/users/users_folder_setting.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/code_page.h"

namespace fs = std::filesystem;

namespace {

std::string Absolute(const std::string& path) {
    fs::path result = path;
    if (path == "~" || path.rfind("~/", 0) == 0) {
        const char* home = std::getenv("HOME");
        result = fs::path(home ? home : "") / path.substr(path.size() > 1 ? 2 : 1);
    }
    std::error_code ec;
    fs::path absolute = fs::absolute(result, ec);
    std::string text = (ec ? result : absolute).lexically_normal().string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

}  // namespace

std::optional<std::string> UsersFolderSetting::TakeOption(std::vector<std::string>& arguments,
                                                          std::string& error) {
    const std::string withValue = std::string(kOption) + "=";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            break;  // files follow
        }
        if (argument.rfind(withValue, 0) == 0) {
            std::string folder = argument.substr(withValue.size());
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i));
            if (folder.empty()) {
                error = std::string(kOption) + " needs a folder";
                return std::nullopt;
            }
            return folder;
        }
        if (argument == kOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                error = std::string(kOption) + " needs a folder";
                arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i));
                return std::nullopt;
            }
            std::string folder = arguments[i + 1];
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                            arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            return folder;
        }
    }
    return std::nullopt;
}

UsersFolderSetting::Choice UsersFolderSetting::Decide(
    const std::optional<std::string>& option, std::string_view setting,
    const std::function<std::string()>& defaultFolder) {
    Choice choice;
    if (option) {
        choice.folder = Absolute(*option);
    } else if (!setting.empty()) {
        choice.folder = Absolute(std::string(setting));
    } else {
        choice.folder = defaultFolder();
        if (!choice.folder.empty() && choice.folder.back() != '/') {
            choice.folder += '/';
        }
        return choice;
    }
    choice.named = true;
    std::error_code ec;
    const std::string shown = CodePage::Program().FromUtf8(choice.folder);
    // Without the final "/", which would make a file look missing.
    const fs::path path = fs::path(choice.folder).parent_path();
    if (!fs::exists(path, ec)) {
        choice.problem = "The users folder \"" + shown +
                         "\" cannot be found. Check that the shared drive is connected, or "
                         "name another folder.";
    } else if (!fs::is_directory(path, ec)) {
        choice.problem = "The users folder \"" + shown + "\" is not a folder.";
    }
    return choice;
}
