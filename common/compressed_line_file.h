#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// A list of text lines kept in the programs' own compressed container: the lines are joined
/// with CR LF, cut into blocks of 4096 bytes, and each block is compressed on its own with a
/// byte-prediction model and a canonical prefix code stored at the head of the block. Lessons,
/// key layouts, finger outlines, users, results, tests and character-worth sets are all kept
/// this way.
class CompressedLineFile {
  public:
    /// Largest raw or packed length of one block.
    static constexpr std::size_t kMaxBlockLength = 131072;
    /// Raw length of the blocks we write (the last one shorter).
    static constexpr std::size_t kBlockLength = 4096;

    /// Reads the file, replacing the lines held. Returns false when the file cannot be opened.
    /// Damaged data throws FileError (General) naming the file; the lines read before the
    /// damage stay.
    bool Read(const std::string& path);

    /// Hands out the line at the cursor and advances it. At the end returns false with an
    /// empty text and sets the cursor back to the first line.
    bool NextLine(std::string& line);
    void AddLine(std::string_view line);

    /// Replaces the file with all lines. The file is written beside the target under a
    /// temporary name, flushed to disk and renamed over it, so the old contents stay intact
    /// when anything goes wrong. Returns false when the file cannot be created or written.
    /// A block whose compressed form would not fit its output buffer throws FileError
    /// (General) naming the file; blocks of kBlockLength bytes always fit.
    bool Write(const std::string& path) const;

    void Clear();

    const std::vector<std::string>& lines() const { return lines_; }

    /// The file contents for the given lines.
    static std::string Encode(const std::vector<std::string>& lines);
    /// The lines of file contents. Damaged data throws FileError (General) naming
    /// pathForErrors; complete lines decoded before the damage are appended to lines first.
    static void Decode(std::string_view contents, const std::string& pathForErrors,
                       std::vector<std::string>& lines);

  private:
    std::vector<std::string> lines_;
    std::size_t cursor_ = 0;
};
