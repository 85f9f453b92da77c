// Any byte string is a document: extraction either gives lines or a FileError, never a crash,
// and every line keeps to the width except where a word cannot be broken.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/extract_rich_text.h"
#include "common/file_error.h"

namespace {

// A line longer than the width is a single word, or a paragraph's last line: a line within the
// width (or one long word), a space and the paragraph's last word.
bool KeepsToWidth(const std::string& line, std::size_t width) {
    if (line.size() <= width) {
        return true;
    }
    std::size_t lastSpace = line.rfind(' ');
    if (lastSpace == std::string::npos) {
        return true;
    }
    std::string_view before(line.data(), lastSpace);
    return before.size() <= width || before.find(' ') == std::string_view::npos;
}

void Check(std::string_view document, int width) {
    std::vector<std::string> lines;
    try {
        ExtractRichTextFromMemory(document, "fuzz.rtf", lines, width);
    } catch (const FileError& error) {
        if (error.kind() != FileError::Kind::General) {
            std::abort();
        }
    }
    for (const std::string& line : lines) {
        if (line.find('\n') != std::string::npos ||
            !KeepsToWidth(line, static_cast<std::size_t>(width))) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view document(reinterpret_cast<const char*>(data), size);
    Check(document, 70);
    Check(document, 8);
    return 0;
}
