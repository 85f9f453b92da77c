// Finger outlines from arbitrary bytes: the container decoder, then the hands reader and the
// outline geometry at several area sizes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "tutor/course/hands_data.h"
#include "tutor/course/helping_keyboard_geometry.h"
#include "tutor/course/plain_text_file.h"

namespace {

void Exercise(const std::vector<std::string>& lines) {
    HandsData hands;
    hands.ParseLines(lines);
    for (const auto& group : hands.groups()) {
        HelpingKeyboardGeometry::Outline(group, 700, 100);
        HelpingKeyboardGeometry::Outline(group, 0, 0);
        HelpingKeyboardGeometry::Outline(group, 2147483647, 2147483647);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    try {
        CompressedLineFile::Decode(bytes, "fuzz.ddd", lines);
    } catch (const FileError&) {
        // The groups before the damage are read all the same.
    }
    Exercise(lines);
    lines.clear();
    PlainTextFile::SplitLines(bytes, lines);
    Exercise(lines);
    return 0;
}
