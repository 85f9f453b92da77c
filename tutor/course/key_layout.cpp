#include "tutor/course/key_layout.h"

#include "common/colon_field_reader.h"
#include "common/compressed_line_file.h"
#include "common/data_paths.h"
#include "common/file_error.h"

namespace {

// First character of a field; an empty field types nothing.
char FirstCharacter(const std::string& field) {
    return field.empty() ? 0 : field.front();
}

}  // namespace

void KeyLayout::Reset(std::string name) {
    name_ = std::move(name);
    keys_.clear();
    failedLine_ = 0;
    leftShift_ = rightShift_ = leftAlt_ = rightAlt_ = -1;
    tabKey_ = backspaceKey_ = capsLockKey_ = -1;
}

void KeyLayout::AddKey(KeyDef key) {
    int index = static_cast<int>(keys_.size());
    if (key.label == "Shift") {
        (key.IsLeftHand() ? leftShift_ : rightShift_) = index;
    } else if (key.label == "Alt") {
        (key.IsLeftHand() ? leftAlt_ : rightAlt_) = index;
    } else if (key.label == "Tab") {
        tabKey_ = index;
    } else if (key.label == "Bck") {
        backspaceKey_ = index;
    } else if (key.label == "Cabs") {
        capsLockKey_ = index;
    }
    keys_.push_back(std::move(key));
}

bool KeyLayout::ParseKeyLine(std::string_view line, KeyDef& key) {
    ColonFieldReader reader(line);
    std::string shifted;
    std::string altGr;
    std::int32_t row = key.row;
    std::int32_t column = key.column;
    std::int32_t size = key.size;
    std::int32_t finger = key.finger;
    bool complete = reader.NextInt(row) && reader.NextInt(column) && reader.NextInt(size) &&
                    reader.NextText(key.label) && reader.NextText(shifted) &&
                    reader.NextText(altGr) && reader.NextInt(finger);
    key.row = row;
    key.column = column;
    key.size = size;
    key.finger = finger;
    key.shifted = FirstCharacter(shifted);
    if (static_cast<unsigned char>(key.shifted) == kColonStandIn) {
        key.shifted = ':';
    }
    key.altGr = FirstCharacter(altGr);
    return complete;
}

bool KeyLayout::ParseLines(const std::vector<std::string>& lines, std::string_view fullPath) {
    std::string name = std::move(name_);
    Reset(std::move(name));
    std::string_view identification = lines.empty() ? std::string_view() : lines.front();
    if (fullPath.find(identification) == std::string_view::npos) {
        failedLine_ = 1;
        return false;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].find(':') == std::string::npos) {
            continue;
        }
        KeyDef key;
        if (!ParseKeyLine(lines[i], key)) {
            failedLine_ = static_cast<int>(i + 1);
            return false;
        }
        AddKey(std::move(key));
    }
    return true;
}

bool KeyLayout::LoadFile(const std::string& fullPath) {
    CompressedLineFile file;
    bool damaged = false;
    try {
        if (!file.Read(fullPath)) {
            std::string name = std::move(name_);
            Reset(std::move(name));
            return false;
        }
    } catch (const FileError&) {
        // The keys before the damage are still worth showing.
        damaged = true;
    }
    bool parsed = ParseLines(file.lines(), fullPath);
    if (damaged && failedLine_ == 0) {
        failedLine_ = static_cast<int>(file.lines().size()) + 1;
    }
    return parsed && !damaged;
}

bool KeyLayout::Load(const std::string& keyboardId) {
    name_ = keyboardId;
    return LoadFile(DataPaths::DataPath("config", keyboardId + ".kdd"));
}
