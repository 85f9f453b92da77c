// Key layout and composed-character files from arbitrary bytes: the container decoder, then
// the layout reader, the character map, key geometry and the highlight of every character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "tutor/course/hands_data.h"
#include "tutor/course/helping_keyboard_display.h"
#include "tutor/course/helping_keyboard_geometry.h"
#include "tutor/course/key_layout.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/plain_text_file.h"

namespace {

void Exercise(const std::vector<std::string>& lines) {
    KeyLayout layout;
    layout.ParseLines(lines, "/data/config/00000409.kdd");
    for (const KeyDef& key : layout.keys()) {
        HelpingKeyboardGeometry::KeyRectangle(key, 640, 160);
        HelpingKeyboardGeometry::KeyRectangle(key, 0, 0);
    }
    Keyboard keyboard;
    keyboard.SetLayout(layout);
    // The same lines as composed characters on top of the map they built.
    keyboard.AddComposedLines(lines, "/data/config/0409.odd");
    if (keyboard.AcceptedCharacters().size() != keyboard.keyStrokes().size()) {
        __builtin_trap();
    }

    HandsData hands;
    std::vector<std::string> handLines;
    for (int g = 0; g < HandsData::kNeededGroups; ++g) {
        handLines.push_back("1:1:1:1:1:1:1:");
        handLines.push_back("END");
    }
    hands.ParseLines(handLines);
    HelpingKeyboardDisplay display(keyboard, hands);
    for (int c = 0; c < 256; ++c) {
        StrokeKeys keys;
        keyboard.FindKeyStroke(static_cast<char>(c), keys);
        for (int phase = 0; phase < 4; ++phase) {
            display.ShowNextKey(static_cast<char>(c), 640, 60);
            display.AdvanceBlinkPhase();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    try {
        CompressedLineFile::Decode(bytes, "fuzz.kdd", lines);
    } catch (const FileError&) {
        // A damaged file still gives the keys before the damage.
    }
    Exercise(lines);
    lines.clear();
    PlainTextFile::SplitLines(bytes, lines);
    Exercise(lines);
    return 0;
}
