#pragma once

#include <string>
#include <string_view>
#include <vector>

/// One course (level of difficulty) of "lessons.txt", as the first-time wizard offers it.
struct CourseRecord {
    std::string courseCode;
    std::string keyboardId;
    std::string caption;
    std::string description;
    int isDefault = 0;
    /// 1-based line of the record in its file.
    int line = 0;

    /// The user's course name for this course: the last two characters of the course code
    /// (a shorter code whole).
    std::string CourseName() const;
    /// The lesson file of the course in the folder "lessons".
    std::string LessonFileName() const { return keyboardId + CourseName() + ".ddd"; }

    /// The records of the file's lines, by the same rules as KeyboardRecord::ParseList.
    static std::vector<CourseRecord> ParseList(const std::vector<std::string>& lines);
    /// Reads the plain text file; false when it cannot be read.
    static bool ReadFile(const std::string& path, std::vector<CourseRecord>& records);
};
