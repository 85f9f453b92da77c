#include "tutor/users/removable_media_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/settings_store.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> UserMediaRoots() {
    const char* user = std::getenv("USER");
    if (!user || !*user || std::string_view(user).find('/') != std::string_view::npos) {
        return {};
    }
    return {std::string("/media/") + user, std::string("/run/media/") + user};
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace

RemovableMediaFolder::RemovableMediaFolder(const SettingsStore* settings)
    : RemovableMediaFolder(settings, UserMediaRoots()) {}

RemovableMediaFolder::RemovableMediaFolder(const SettingsStore* settings,
                                           std::vector<std::string> mediaRoots)
    : settings_(settings), mediaRoots_(std::move(mediaRoots)) {}

std::string RemovableMediaFolder::Path() const {
    for (const std::string& root : mediaRoots_) {
        std::error_code ec;
        std::vector<fs::path> media;
        for (fs::directory_iterator it(root, ec); !ec && it != fs::directory_iterator();
             it.increment(ec)) {
            if (it->is_directory(ec)) {
                media.push_back(it->path());
            }
        }
        // Sorted, so that the same medium is chosen every time while several are mounted.
        std::sort(media.begin(), media.end());
        for (const fs::path& medium : media) {
            if (access(medium.c_str(), W_OK | X_OK) == 0) {
                return WithSlash((medium / kFolderName).string());
            }
        }
    }
    if (settings_) {
        return WithSlash(settings_->ReadString(kSettingsSection, kSettingsKey, ""));
    }
    return {};
}
