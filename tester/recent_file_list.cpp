#include "tester/recent_file_list.h"

#include <algorithm>

#include "tester/path_settings.h"

namespace {

std::string KeyOf(int index) {
    return "File" + std::to_string(index + 1);
}

}  // namespace

RecentFileList::RecentFileList(PathSettings& settings) : settings_(settings) {
    for (int i = 0; i < kMaxFiles; ++i) {
        std::string path = settings.ReadPath(kSection, KeyOf(i), "");
        if (!path.empty() && std::find(files_.begin(), files_.end(), path) == files_.end()) {
            files_.push_back(std::move(path));
        }
    }
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::erase(files_, path);
    files_.insert(files_.begin(), path);
    if (files_.size() > static_cast<std::size_t>(kMaxFiles)) {
        files_.resize(kMaxFiles);
    }
    Store();
}

void RecentFileList::Store() {
    for (int i = 0; i < kMaxFiles; ++i) {
        settings_.WritePath(kSection, KeyOf(i),
                            i < static_cast<int>(files_.size())
                                ? files_[static_cast<std::size_t>(i)]
                                : std::string());
    }
}
