#include "tutor/course/appearance_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string AppearanceList::PicturePath(const std::string& picturesFolder, const std::string& name,
                                        std::string_view file) {
    std::string path = picturesFolder;
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    path += name;
    path += '/';
    path += file;
    return path;
}

bool AppearanceList::IsComplete(const std::string& picturesFolder, const std::string& name) {
    if (name.empty() || name.find(':') != std::string::npos ||
        name.find('/') != std::string::npos) {
        return false;
    }
    return std::all_of(kPictureFiles.begin(), kPictureFiles.end(), [&](std::string_view file) {
        std::error_code error;
        return fs::is_regular_file(PicturePath(picturesFolder, name, file), error);
    });
}

std::vector<std::string> AppearanceList::Collect(const std::string& picturesFolder) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(picturesFolder, error);
    if (error) {
        return names;
    }
    for (const fs::directory_entry& entry : it) {
        std::error_code typeError;
        if (!entry.is_directory(typeError)) {
            continue;
        }
        std::string name = entry.path().filename().string();
        if (IsComplete(picturesFolder, name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
