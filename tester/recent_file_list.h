#pragma once

#include <string>
#include <vector>

class PathSettings;

/// The last four test and results files opened or saved, newest first, for the File menu.
/// Kept in the settings section "Recent File List" as "File1" to "File4" (UTF-8 paths).
class RecentFileList {
  public:
    static constexpr int kMaxFiles = 4;
    static constexpr const char* kSection = "Recent File List";

    explicit RecentFileList(PathSettings& settings);

    const std::vector<std::string>& files() const { return files_; }
    /// Puts path first (once), drops what falls off the end, and stores the list.
    void Add(const std::string& path);

  private:
    void Store();

    PathSettings& settings_;
    std::vector<std::string> files_;
};
