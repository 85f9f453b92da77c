#include "tutor/course/lesson_course.h"

#include "common/compressed_line_file.h"
#include "common/data_paths.h"
#include "common/extract_rich_text.h"
#include "common/file_error.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/own_text_limits_dialog.h"
#include "tutor/course/own_text_reader.h"
#include "tutor/course/plain_text_file.h"

namespace {

const std::string kEmpty;
const std::string kBlank = " ";
const std::string kOwnTitle(LessonCourse::kOwnTextTitle);

}  // namespace

const std::string& LessonCourse::Title(int lesson) const {
    if (lesson == OwnTextLesson) {
        return kOwnTitle;
    }
    return IsLesson(lesson) ? lessons_[lesson].title : kEmpty;
}

const std::string& LessonCourse::Characters(int lesson) const {
    return IsLesson(lesson) ? lessons_[lesson].characters : kEmpty;
}

int LessonCourse::LineCount(int lesson) const {
    if (lesson == OwnTextLesson) {
        return static_cast<int>(ownLines_.size());
    }
    return IsLesson(lesson) ? static_cast<int>(lessons_[lesson].lines.size()) : 0;
}

const std::string& LessonCourse::Line(int lesson, int n) const {
    if (n < 0) {
        return kEmpty;
    }
    auto index = static_cast<std::size_t>(n);
    if (lesson == OwnTextLesson) {
        return index < ownLines_.size() ? ownLines_[index] : kEmpty;
    }
    if (!IsLesson(lesson)) {
        return kEmpty;
    }
    const std::vector<std::string>& lines = lessons_[lesson].lines;
    return index < lines.size() ? lines[index] : kBlank;
}

std::int64_t LessonCourse::TotalCharacters(int lesson) const {
    const std::vector<std::string>* lines = nullptr;
    if (lesson == OwnTextLesson) {
        lines = &ownLines_;
    } else if (IsLesson(lesson)) {
        lines = &lessons_[lesson].lines;
    } else {
        return 0;
    }
    std::int64_t total = 0;
    for (const std::string& line : *lines) {
        total += static_cast<std::int64_t>(line.size());
    }
    return total;
}

double LessonCourse::SpeedLimit(int lesson) const {
    if (lesson == OwnTextLesson) {
        return ownSpeedLimit_;
    }
    return IsLesson(lesson) ? lessons_[lesson].speedLimit : 0.0;
}

double LessonCourse::ErrorLimit(int lesson) const {
    if (lesson == OwnTextLesson) {
        return ownErrorLimit_;
    }
    return IsLesson(lesson) ? lessons_[lesson].errorLimit : 0.0;
}

bool LessonCourse::IsTestable(int lesson) const {
    return IsLesson(lesson) && lessons_[lesson].testable != 0;
}

bool LessonCourse::Reload(const std::string& keyboardId, const std::string& courseName) {
    return Load(keyboardId + courseName + ".ddd");
}

bool LessonCourse::Load(const std::string& fileName) {
    return LoadFile(DataPaths::DataPath("lessons", fileName));
}

bool LessonCourse::LoadFile(const std::string& fullPath, std::vector<LessonSourceInfo>* info) {
    lessons_.clear();
    loaded_ = false;
    if (info) {
        info->clear();
    }
    CompressedLineFile file;
    try {
        if (!file.Read(fullPath)) {
            return false;
        }
    } catch (const FileError&) {
        // A damaged lesson file is no course at all, even where its start could be read.
        return false;
    }
    return LoadLines(file.lines(), fullPath, info);
}

bool LessonCourse::LoadLines(const std::vector<std::string>& lines, std::string_view fullPath,
                             std::vector<LessonSourceInfo>* info) {
    lessons_.clear();
    loaded_ = false;
    if (info) {
        info->clear();
    }
    std::string_view identification = lines.empty() ? std::string_view() : lines.front();
    if (fullPath.find(identification) == std::string_view::npos) {
        return false;
    }
    numericKeypad_ = identification.find("NUM") != std::string_view::npos;
    std::size_t position = lines.empty() ? 0 : 1;
    bool more = true;
    while (more) {
        Lesson& lesson = lessons_.emplace_back(static_cast<int>(lessons_.size()));
        LessonSourceInfo* lessonInfo = info ? &info->emplace_back() : nullptr;
        more = lesson.ReadBlock(lines, position, lessonInfo);
    }
    loaded_ = true;
    return true;
}

void LessonCourse::SetOwnLimits(double speedLimit, double errorLimit, ClockTime timeLimit) {
    ownSpeedLimit_ = speedLimit;
    ownErrorLimit_ = errorLimit;
    timeLimit_ = timeLimit;
}

bool LessonCourse::LoadOwnText(const std::string& path, OwnTextLimitsDialog& limitsDialog,
                               std::string_view acceptedCharacters) {
    // The defaults count from the moment the dialog is set up, so leaving it with Back
    // still changes the own limits.
    OwnTextLimits limits;
    SetOwnLimits(limits.speedLimit, limits.errorLimit, ClockTime::FromMinutes(limits.minutes));
    if (!limitsDialog.Run(limits)) {
        return false;
    }
    SetOwnLimits(limits.speedLimit, limits.errorLimit, ClockTime::FromMinutes(limits.minutes));

    ownLines_.clear();
    bool result = true;
    if (OwnTextReader::IsRichTextPath(path)) {
        ExtractRichText(path, ownLines_, static_cast<int>(OwnTextReader::kLineWidth));
    } else if (!PlainTextFile::ReadLines(path, ownLines_)) {
        result = false;
    }
    OwnTextReader::Normalise(ownLines_, acceptedCharacters);
    return result;
}

bool LessonCourse::LoadOwnText(const std::string& path, OwnTextLimitsDialog& limitsDialog) {
    return LoadOwnText(path, limitsDialog, Keyboard::Program().AcceptedCharacters());
}
