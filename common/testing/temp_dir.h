#pragma once

#include <string>
#include <string_view>

/// A fresh folder under the system's temporary folder, removed with everything in it when the
/// object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// The folder, without a trailing "/".
    const std::string& path() const { return path_; }
    /// path() + "/" + name.
    std::string File(std::string_view name) const;
    /// Writes bytes to path() + "/" + name (folders created) and returns the full path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    static std::string ReadAll(const std::string& path);

  private:
    std::string path_;
};
