#pragma once

#include <string>

class SettingsStore;

/// The folder a file dialog used last, kept between runs in the settings store. Paths are
/// UTF-8 while the store keeps code-page text, so the folder is stored with every byte
/// outside printable ASCII (and "%") written as "%XX": any folder name comes back unchanged.
class RecentFolder {
  public:
    /// The store must outlive the object.
    RecentFolder(SettingsStore& settings, std::string section, std::string key);

    /// The folder used last; fallback when none was stored or it is no longer a folder.
    std::string Folder(const std::string& fallback) const;
    /// Remembers the folder of a chosen file.
    void RememberFileFolder(const std::string& filePath);

    static std::string Encode(const std::string& path);
    /// The path of an encoded text; a broken escape is taken as it stands.
    static std::string Decode(const std::string& text);

  private:
    SettingsStore& settings_;
    std::string section_;
    std::string key_;
};
