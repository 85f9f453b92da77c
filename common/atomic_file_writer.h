#pragma once

#include <string>
#include <string_view>

/// Replaces a file so that readers and crashes see either the old contents or the new ones,
/// never a mix: the bytes go to a temporary file in the same folder, are flushed to disk and
/// the temporary file is renamed over the target.
class AtomicFileWriter final {
  public:
    /// False when anything fails; the old file is then untouched and no temporary file is
    /// left. A symbolic link at path stays a link; the file it points to is replaced. An
    /// existing file keeps its permission bits.
    static bool Write(const std::string& path, std::string_view bytes);
};
