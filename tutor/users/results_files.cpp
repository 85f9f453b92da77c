#include "tutor/users/results_files.h"

#include <filesystem>

std::string ResultsFiles::WithStatExtension(const std::string& path) {
    const std::filesystem::path name = std::filesystem::path(path).filename();
    const std::string text = name.string();
    if (text.empty() || text == "." || text == "..") {
        return path;
    }
    // "run." ends where its extension would begin.
    if (text.back() == '.') {
        return path + kExtension;
    }
    // A name that starts with its only dot (".run") is a hidden file without an extension.
    if (name.has_extension()) {
        return path;
    }
    return path + "." + kExtension;
}
