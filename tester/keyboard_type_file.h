#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tester/keyboard_type.h"

/// The ".nchrs" files of character-worth tables: record lines in the compressed line container.
class KeyboardTypeFile {
  public:
    /// The table of a file; nothing when it cannot be opened or is damaged.
    static std::optional<KeyboardType> Read(const std::string& path);
    /// The table of file contents held in memory; damaged data throws FileError.
    static KeyboardType FromContents(std::string_view contents, const std::string& pathForErrors);
    /// Writes the table to path and remembers the path in it. False when it cannot be written.
    static bool Write(KeyboardType& type, const std::string& path);
    /// Every readable "*.nchrs" table of a folder, sorted by name; unreadable files are left out.
    static std::vector<KeyboardType> ListFolder(const std::string& folder);
};
