#include "tutor/course/course_record.h"

#include "common/colon_field_reader.h"
#include "tutor/course/plain_text_file.h"

std::string CourseRecord::CourseName() const {
    if (courseCode.size() <= 2) {
        return courseCode;
    }
    return courseCode.substr(courseCode.size() - 2);
}

std::vector<CourseRecord> CourseRecord::ParseList(const std::vector<std::string>& lines) {
    std::vector<CourseRecord> records;
    std::int32_t isDefault = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i].front() == ';') {
            continue;
        }
        CourseRecord record;
        ColonFieldReader reader(lines[i]);
        reader.NextText(record.courseCode);
        reader.NextText(record.keyboardId);
        reader.NextText(record.caption);
        reader.NextText(record.description);
        reader.NextInt(isDefault);
        record.isDefault = isDefault;
        record.line = static_cast<int>(i + 1);
        records.push_back(std::move(record));
    }
    return records;
}

bool CourseRecord::ReadFile(const std::string& path, std::vector<CourseRecord>& records) {
    std::vector<std::string> lines;
    if (!PlainTextFile::ReadLines(path, lines)) {
        return false;
    }
    records = ParseList(lines);
    return true;
}
