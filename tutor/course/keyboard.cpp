#include "tutor/course/keyboard.h"

#include "common/colon_field_reader.h"
#include "common/compressed_line_file.h"
#include "common/data_paths.h"
#include "common/file_error.h"

namespace {

constexpr char kBackspace = 8;

}  // namespace

Keyboard& Keyboard::Program() {
    static Keyboard keyboard;
    return keyboard;
}

std::string Keyboard::ComposedFileName(std::string_view keyboardId) {
    if (keyboardId.size() < 4) {
        return {};
    }
    return std::string(keyboardId.substr(keyboardId.size() - 4)) + ".odd";
}

bool Keyboard::LoadKeyboard(const std::string& keyboardId) {
    return LoadKeyboardFrom(DataPaths::DataPath("config", ""), keyboardId);
}

bool Keyboard::LoadKeyboardFrom(const std::string& configFolder, const std::string& keyboardId) {
    KeyLayout layout;
    layout.Reset(keyboardId);
    // A missing or foreign layout gives an empty keyboard, which the caller goes on with.
    layout.LoadFile(configFolder + keyboardId + ".kdd");
    SetLayout(std::move(layout));
    std::string composed = ComposedFileName(keyboardId);
    if (composed.empty()) {
        return true;
    }
    return AddComposedFile(configFolder + composed);
}

void Keyboard::SetLayout(KeyLayout layout) {
    layout_ = std::move(layout);
    composedFailedLine_ = 0;
    BuildCharacterMap();
}

void Keyboard::Add(unsigned char character, StrokeKeys keys) {
    keyStrokes_.push_back(KeyStroke{character, keys});
    acceptedCharacters_ += static_cast<char>(character);
}

void Keyboard::BuildCharacterMap() {
    keyStrokes_.clear();
    acceptedCharacters_.clear();
    const std::vector<KeyDef>& keys = layout_.keys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeyDef& key = keys[i];
        int index = static_cast<int>(i);
        if (key.label.size() == 1) {
            Add(static_cast<unsigned char>(key.label.front()), StrokeKeys{-1, index, -1, -1});
        }
        if (key.shifted != 0) {
            // Shift is pressed by the other hand than the key.
            int shift = key.finger > 4 ? layout_.leftShift() : layout_.rightShift();
            Add(static_cast<unsigned char>(key.shifted), StrokeKeys{shift, index, -1, -1});
        }
        if (key.altGr != 0) {
            Add(static_cast<unsigned char>(key.altGr),
                StrokeKeys{layout_.rightAlt(), index, -1, -1});
        }
    }
}

const KeyStroke* Keyboard::Find(unsigned char character) const {
    for (const KeyStroke& stroke : keyStrokes_) {
        if (stroke.character == character) {
            return &stroke;
        }
    }
    return nullptr;
}

bool Keyboard::AddComposedLines(const std::vector<std::string>& lines, std::string_view fullPath) {
    composedFailedLine_ = 0;
    std::string_view identification = lines.empty() ? std::string_view() : lines.front();
    if (fullPath.find(identification) == std::string_view::npos) {
        composedFailedLine_ = 1;
        return false;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].find(':') == std::string::npos) {
            continue;
        }
        ColonFieldReader reader(lines[i]);
        std::string composed;
        std::string first;
        std::string second;
        if (!(reader.NextText(composed) && reader.NextText(first) && reader.NextText(second))) {
            composedFailedLine_ = static_cast<int>(i + 1);
            return false;
        }
        if (composed.empty()) {
            // Names no character: nothing to type and nothing to accept.
            continue;
        }
        StrokeKeys keys;
        if (const KeyStroke* stroke =
                first.empty() ? nullptr : Find(static_cast<unsigned char>(first.front()))) {
            keys.modifier1 = stroke->keys.modifier1;
            keys.key1 = stroke->keys.key1;
        }
        if (const KeyStroke* stroke =
                second.empty() ? nullptr : Find(static_cast<unsigned char>(second.front()))) {
            keys.modifier2 = stroke->keys.modifier1;
            keys.key2 = stroke->keys.key1;
        }
        Add(static_cast<unsigned char>(composed.front()), keys);
    }
    return true;
}

bool Keyboard::AddComposedFile(const std::string& fullPath) {
    CompressedLineFile file;
    try {
        if (!file.Read(fullPath)) {
            composedFailedLine_ = 0;
            return false;
        }
    } catch (const FileError&) {
        // Entries before the damage are kept, as for a line that cannot be read.
        AddComposedLines(file.lines(), fullPath);
        if (composedFailedLine_ == 0) {
            composedFailedLine_ = static_cast<int>(file.lines().size()) + 1;
        }
        return false;
    }
    return AddComposedLines(file.lines(), fullPath);
}

bool Keyboard::FindKeyStroke(char character, StrokeKeys& keys) const {
    if (const KeyStroke* stroke = Find(static_cast<unsigned char>(character))) {
        keys = stroke->keys;
        return true;
    }
    if (character == kBackspace && !keyStrokes_.empty()) {
        keys = StrokeKeys{layout_.backspaceKey(), -1, -1, -1};
    }
    return false;
}

int Keyboard::KeyFinger(int keyIndex) const {
    const std::vector<KeyDef>& keys = layout_.keys();
    if (keyIndex < 0 || keyIndex >= static_cast<int>(keys.size())) {
        return -1;
    }
    return keys[static_cast<std::size_t>(keyIndex)].finger;
}
