#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <string>
#include <vector>

class MessageSink;

/// A JPEG picture kept as the bytes of its file and decoded whenever it is wanted. Decoded,
/// the program's pictures would take more memory than all the rest of the program; the
/// windows keep only the copies they have scaled for the screen, and decode again when their
/// size changes.
class CompressedPicture {
  public:
    /// Reads the file and decodes it once, so that a picture that cannot be drawn is found
    /// now; false (after the loader's message) when the file cannot be read or decoded, and
    /// the picture stays as it was.
    bool Load(const std::string& path, MessageSink& messages);

    /// The picture's pixels; a null image when none is loaded.
    QImage Decode() const;
    /// The size of the decoded picture.
    QSize size() const { return size_; }
    bool isNull() const { return bytes_.empty(); }

  private:
    std::vector<std::uint8_t> bytes_;
    QSize size_;
};
