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
#include "common/line_container/line_block_codec.h"

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
        const char* next = reinterpret_cast<const char*>(bytes);
        const char* const end = next + size;
        while (next != end) {
            const auto* feed = static_cast<const char*>(std::memchr(next, '\n', end - next));
            if (feed == nullptr) {
                carry_.append(next, end);
                return;
            }
            if (carry_.empty()) {
                lines_.emplace_back(next, feed == next ? 0 : feed - next - 1);
            } else {
                carry_.append(next, feed);
                carry_.pop_back();
                lines_.push_back(std::move(carry_));
                carry_.clear();
            }
            next = feed + 1;
        }
    }

  private:
    std::vector<std::string>& lines_;
    std::string carry_;
};

// Sources of the stored bytes. Take() gives up to count bytes, fewer only at the end; a file
// source reads them into storage, whose size the caller has already checked.
class MemorySource {
  public:
    explicit MemorySource(std::string_view contents) : contents_(contents) {}

    const std::uint8_t* Take(std::size_t count, std::size_t& taken, std::vector<std::uint8_t>&) {
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

    const std::uint8_t* Take(std::size_t count, std::size_t& taken,
                             std::vector<std::uint8_t>& storage) {
        storage.resize(count);
        taken = 0;
        while (taken < count) {
            const ssize_t got = read(fd_, storage.data() + taken, count - taken);
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
        return storage.data();
    }

  private:
    int fd_;
    const std::string& path_;
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

// One stored block as read from a source: its compressed data and room for its bytes.
struct FetchedBlock {
    std::vector<std::uint8_t> storage;  // the compressed data when the source needs a copy
    std::vector<std::uint8_t> raw;
    LineBlockCodec::Job job;
};

enum class Fetch { End, Block, Damaged };

// Reads the next block's header and data. Lengths are checked against the block limit before
// any buffer is sized from them. End when the source ends cleanly before a header.
template <class Source>
Fetch FetchBlock(Source& source, FetchedBlock& block) {
    std::size_t taken = 0;
    std::uint8_t header[LineBlockCodec::kHeaderSize];
    const std::uint8_t* bytes = source.Take(4, taken, block.storage);
    if (taken == 0) {
        return Fetch::End;
    }
    if (taken < 4) {
        return Fetch::Damaged;
    }
    std::memcpy(header, bytes, 4);
    bytes = source.Take(4, taken, block.storage);
    if (taken < 4) {
        return Fetch::Damaged;
    }
    std::memcpy(header + 4, bytes, 4);
    const std::uint32_t rawLength = LineBlockCodec::ReadLength(header);
    const std::uint32_t packedLength = LineBlockCodec::ReadLength(header + 4);
    if (rawLength > LineBlockCodec::kMaxLength || packedLength > LineBlockCodec::kMaxLength) {
        return Fetch::Damaged;
    }
    bytes = source.Take(packedLength, taken, block.storage);
    if (taken < packedLength) {
        return Fetch::Damaged;
    }
    block.raw.resize(rawLength);
    block.job = LineBlockCodec::Job{bytes, packedLength, block.raw.data(), rawLength};
    return Fetch::Block;
}

// Reads blocks until the source ends cleanly before a block header, two at a time because
// that decodes faster. The lines of every block before a damaged one are kept.
template <class Source>
void DecodeBlocks(Source& source, const std::string& path, std::vector<std::string>& lines) {
    LineSplitter splitter(lines);
    FetchedBlock first;
    FetchedBlock second;
    auto fail = [&path] { throw FileError(FileError::Kind::General, path); };
    for (;;) {
        const Fetch fetchedFirst = FetchBlock(source, first);
        if (fetchedFirst == Fetch::End) {
            return;
        }
        if (fetchedFirst == Fetch::Damaged) {
            fail();
        }
        const Fetch fetchedSecond = FetchBlock(source, second);
        if (fetchedSecond != Fetch::Block) {
            if (!LineBlockCodec::DecodeBlock(first.job.data, first.job.size, first.job.out,
                                             first.job.rawLength)) {
                fail();
            }
            splitter.Append(first.raw.data(), first.raw.size());
            if (fetchedSecond == Fetch::Damaged) {
                fail();
            }
            return;
        }
        bool firstDecoded = false;
        bool secondDecoded = false;
        LineBlockCodec::DecodeBlocks(first.job, second.job, firstDecoded, secondDecoded);
        if (!firstDecoded) {
            fail();
        }
        splitter.Append(first.raw.data(), first.raw.size());
        if (!secondDecoded) {
            fail();
        }
        splitter.Append(second.raw.data(), second.raw.size());
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
