#include "common/compressed_line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "common/atomic_file_writer.h"
#include "common/file_error.h"
#include "common/line_block_codec.h"

static_assert(CompressedLineFile::kMaxBlockLength == LineBlockCodec::kMaxLength);

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Cuts the decoded stream into lines. A line ends at a line feed, and the byte before the line
// feed (the carriage return) is dropped with it; text after the last line feed is kept back
// until more arrives.
class LineSplitter {
  public:
    explicit LineSplitter(std::vector<std::string>& lines) : lines_(lines) {}

    void Append(const std::uint8_t* bytes, std::size_t size) {
        carry_.append(reinterpret_cast<const char*>(bytes), size);
        std::size_t start = 0;
        for (;;) {
            const std::size_t feed = carry_.find('\n', start);
            if (feed == std::string::npos) {
                break;
            }
            const std::size_t length = feed == start ? 0 : feed - start - 1;
            lines_.emplace_back(carry_, start, length);
            start = feed + 1;
        }
        carry_.erase(0, start);
    }

  private:
    std::vector<std::string>& lines_;
    std::string carry_;
};

class MemorySource {
  public:
    explicit MemorySource(std::string_view contents) : contents_(contents) {}

    // Up to count bytes; fewer only at the end of the contents.
    const std::uint8_t* Take(std::size_t count, std::size_t& taken) {
        taken = std::min(count, contents_.size());
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(contents_.data());
        contents_.remove_prefix(taken);
        return bytes;
    }

  private:
    std::string_view contents_;
};

class FileSource {
  public:
    FileSource(int fd, const std::string& path) : fd_(fd), path_(path) {}

    // Up to count bytes (at most one block); fewer only at the end of the file.
    const std::uint8_t* Take(std::size_t count, std::size_t& taken) {
        buffer_.resize(count);
        taken = 0;
        while (taken < count) {
            const ssize_t got = read(fd_, buffer_.data() + taken, count - taken);
            if (got < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw FileError(FileError::Kind::General, path_);
            }
            if (got == 0) {
                break;
            }
            taken += static_cast<std::size_t>(got);
        }
        return buffer_.data();
    }

  private:
    int fd_;
    const std::string& path_;
    std::vector<std::uint8_t> buffer_;
};

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Reads blocks until the source ends cleanly before a block header. Lengths are checked
// against the block limit before any buffer is sized from them.
template <class Source>
void DecodeBlocks(Source& source, const std::string& path, std::vector<std::string>& lines) {
    LineSplitter splitter(lines);
    std::vector<std::uint8_t> raw;
    for (;;) {
        std::size_t taken = 0;
        const std::uint8_t* bytes = source.Take(4, taken);
        if (taken == 0) {
            return;
        }
        if (taken < 4) {
            throw FileError(FileError::Kind::General, path);
        }
        const std::uint32_t rawLength = LineBlockCodec::ReadLength(bytes);
        bytes = source.Take(4, taken);
        if (taken < 4) {
            throw FileError(FileError::Kind::General, path);
        }
        const std::uint32_t packedLength = LineBlockCodec::ReadLength(bytes);
        if (rawLength > LineBlockCodec::kMaxLength || packedLength > LineBlockCodec::kMaxLength) {
            throw FileError(FileError::Kind::General, path);
        }
        bytes = source.Take(packedLength, taken);
        if (taken < packedLength) {
            throw FileError(FileError::Kind::General, path);
        }
        raw.resize(rawLength);
        if (!LineBlockCodec::DecodeBlock(bytes, packedLength, raw.data(), rawLength)) {
            throw FileError(FileError::Kind::General, path);
        }
        splitter.Append(raw.data(), raw.size());
    }
}

// The stored form of lines; a block that does not fit its output buffer raises a file error
// naming pathForErrors. With blocks of 4096 bytes the worst case (9 bits per byte plus the
// table) stays far below the buffer, so this does not happen in practice.
std::string EncodeLines(const std::vector<std::string>& lines, const std::string& pathForErrors) {
    std::string out;
    std::string block;
    block.reserve(CompressedLineFile::kBlockLength);
    auto append = [&](std::string_view bytes) {
        while (!bytes.empty()) {
            const std::size_t room = CompressedLineFile::kBlockLength - block.size();
            const std::size_t part = std::min(room, bytes.size());
            block.append(bytes.substr(0, part));
            bytes.remove_prefix(part);
            if (block.size() == CompressedLineFile::kBlockLength) {
                if (!LineBlockCodec::EncodeBlock(block, out)) {
                    throw FileError(FileError::Kind::General, pathForErrors);
                }
                block.clear();
            }
        }
    };
    for (const std::string& line : lines) {
        append(line);
        append(kLineEnd);
    }
    if (!block.empty() && !LineBlockCodec::EncodeBlock(block, out)) {
        throw FileError(FileError::Kind::General, pathForErrors);
    }
    return out;
}

}  // namespace

bool CompressedLineFile::Read(const std::string& path) {
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return false;
    }
    struct stat info {};
    if (fstat(fd.get(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return false;
    }
    lines_.clear();
    cursor_ = 0;
    FileSource source(fd.get(), path);
    DecodeBlocks(source, path, lines_);
    return true;
}

bool CompressedLineFile::NextLine(std::string& line) {
    if (cursor_ < lines_.size()) {
        line = lines_[cursor_++];
        return true;
    }
    line.clear();
    cursor_ = 0;
    return false;
}

void CompressedLineFile::AddLine(std::string_view line) {
    lines_.emplace_back(line);
}

bool CompressedLineFile::Write(const std::string& path) const {
    return AtomicFileWriter::Write(path, EncodeLines(lines_, path));
}

void CompressedLineFile::Clear() {
    lines_.clear();
    cursor_ = 0;
}

std::string CompressedLineFile::Encode(const std::vector<std::string>& lines) {
    return EncodeLines(lines, std::string());
}

void CompressedLineFile::Decode(std::string_view contents, const std::string& pathForErrors,
                                std::vector<std::string>& lines) {
    MemorySource source(contents);
    DecodeBlocks(source, pathForErrors, lines);
}
