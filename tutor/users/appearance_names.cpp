#include "tutor/users/appearance_names.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPictureSet[] = {"HandsBG.jpg", "StatBG.jpg", "Movie1.jpg",    "Movie2.jpg",
                                       "Movie3.jpg",  "Movie4.jpg", "Movie5.jpg",    "Movie6.jpg",
                                       "Movie7.jpg",  "Movie8.jpg", "Background.jpg"};

bool HoldsPictureSet(const fs::path& folder) {
    std::error_code error;
    return std::all_of(std::begin(kPictureSet), std::end(kPictureSet),
                       [&](const char* file) { return fs::is_regular_file(folder / file, error); });
}

}  // namespace

std::vector<std::string> InstalledAppearanceNames(const std::string& picturesFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(picturesFolder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_directory(error) && name.find(':') == std::string::npos &&
            HoldsPictureSet(it->path())) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
