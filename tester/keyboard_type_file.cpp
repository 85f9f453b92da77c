#include "tester/keyboard_type_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/compressed_line_file.h"
#include "common/file_error.h"

std::optional<KeyboardType> KeyboardTypeFile::Read(const std::string& path) {
    CompressedLineFile file;
    try {
        if (!file.Read(path)) {
            return std::nullopt;
        }
    } catch (const FileError&) {
        return std::nullopt;
    }
    KeyboardType type;
    type.ApplyLines(file.lines());
    type.path = path;
    return type;
}

KeyboardType KeyboardTypeFile::FromContents(std::string_view contents,
                                            const std::string& pathForErrors) {
    std::vector<std::string> lines;
    KeyboardType type;
    CompressedLineFile::Decode(contents, pathForErrors, lines);
    type.ApplyLines(lines);
    type.path = pathForErrors;
    return type;
}

bool KeyboardTypeFile::Write(KeyboardType& type, const std::string& target) {
    CompressedLineFile file;
    for (const std::string& line : type.ToLines()) {
        file.AddLine(line);
    }
    if (!file.Write(target)) {
        return false;
    }
    type.path = target;
    return true;
}

std::vector<KeyboardType> KeyboardTypeFile::ListFolder(const std::string& folder) {
    std::vector<KeyboardType> types;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::filesystem::path& entry = it->path();
        if (entry.extension() != ".nchrs" || !it->is_regular_file(ec)) {
            continue;
        }
        if (std::optional<KeyboardType> type = Read(entry.string())) {
            types.push_back(std::move(*type));
        }
    }
    std::sort(types.begin(), types.end(),
              [](const KeyboardType& a, const KeyboardType& b) { return a.name < b.name; });
    return types;
}
