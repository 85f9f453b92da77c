#include "common/extract_rich_text.h"

#include <array>
#include <cstdio>
#include <memory>

#include "common/file_error.h"
#include "common/rich_text_reader.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void ExtractRichText(const std::string& path, std::vector<std::string>& lines, int width) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw FileError(FileError::Kind::NotFound, path);
    }
    // Read piece by piece: a document of any size needs only this buffer besides its lines.
    std::array<char, 64 * 1024> buffer;
    bool readFailed = false;
    RichTextReader::Supplier supply = [&]() -> std::string_view {
        std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (count == 0 && std::ferror(file.get())) {
            readFailed = true;
        }
        return {buffer.data(), count};
    };
    RichTextReader reader(lines, width);
    RichTextReader::Error error = reader.Parse(supply);
    if (readFailed || error != RichTextReader::Error::None) {
        throw FileError(FileError::Kind::General, path);
    }
}

void ExtractRichTextFromMemory(std::string_view document, const std::string& pathForErrors,
                               std::vector<std::string>& lines, int width) {
    RichTextReader reader(lines, width);
    if (reader.Parse(document) != RichTextReader::Error::None) {
        throw FileError(FileError::Kind::General, pathForErrors);
    }
}
