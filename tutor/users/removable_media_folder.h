#pragma once

#include <string>
#include <vector>

#include "tutor/users/diskette_folder.h"

class SettingsStore;

/// The folder "Ardley/" on the first writable removable medium the desktop has mounted for
/// the user (/media/$USER/<medium>, /run/media/$USER/<medium>); without one, the folder that
/// the setting "DisketteFolder" names. Looked up anew each time, as media come and go.
class RemovableMediaFolder final : public DisketteFolder {
  public:
    /// The setting's section and value name.
    static constexpr const char* kSettingsSection = "Users";
    static constexpr const char* kSettingsKey = "DisketteFolder";
    /// The folder created on the medium.
    static constexpr const char* kFolderName = "Ardley";

    /// settings may be null (no fallback folder); it must outlive this object.
    explicit RemovableMediaFolder(const SettingsStore* settings);
    /// Looks for media under the given folders instead (tests).
    RemovableMediaFolder(const SettingsStore* settings, std::vector<std::string> mediaRoots);

    std::string Path() const override;

  private:
    const SettingsStore* settings_;
    std::vector<std::string> mediaRoots_;
};
