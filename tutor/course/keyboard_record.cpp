#include "tutor/course/keyboard_record.h"

#include "common/colon_field_reader.h"
#include "tutor/course/plain_text_file.h"

std::vector<KeyboardRecord> KeyboardRecord::ParseList(const std::vector<std::string>& lines) {
    std::vector<KeyboardRecord> records;
    std::int32_t isDefault = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i].front() == ';') {
            continue;
        }
        KeyboardRecord record;
        ColonFieldReader reader(lines[i]);
        reader.NextText(record.id);
        reader.NextText(record.caption);
        reader.NextInt(isDefault);
        record.isDefault = isDefault;
        record.line = static_cast<int>(i + 1);
        records.push_back(std::move(record));
    }
    return records;
}

bool KeyboardRecord::ReadFile(const std::string& path, std::vector<KeyboardRecord>& records) {
    std::vector<std::string> lines;
    if (!PlainTextFile::ReadLines(path, lines)) {
        return false;
    }
    records = ParseList(lines);
    return true;
}
