#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tutor/course/clock_time.h"
#include "tutor/course/lesson.h"
#include "tutor/course/lesson_source_info.h"

class OwnTextLimitsDialog;

/// The lessons of one course, read from its lesson file, and beside them the user's own text,
/// which is addressed as the lesson OwnTextLesson. Every query takes a lesson index; indices
/// outside the lessons (other than OwnTextLesson) give empty answers.
class LessonCourse {
  public:
    static constexpr int OwnTextLesson = 1111;
    static constexpr std::string_view kOwnTextTitle = "Copy the following text, please.";
    static constexpr ClockTime kInitialTimeLimit{23, 55, 55};

    LessonCourse() = default;
    LessonCourse(const LessonCourse&) = delete;
    LessonCourse& operator=(const LessonCourse&) = delete;

    int LessonCount() const { return static_cast<int>(lessons_.size()); }
    const std::string& Title(int lesson) const;
    const std::string& Characters(int lesson) const;
    int LineCount(int lesson) const;
    /// Line n of the lesson; past the end a lesson gives " " and the own text an empty text.
    const std::string& Line(int lesson, int n) const;
    std::int64_t TotalCharacters(int lesson) const;
    double SpeedLimit(int lesson) const;
    double ErrorLimit(int lesson) const;
    bool IsTestable(int lesson) const;

    ClockTime TimeLimit() const { return timeLimit_; }
    bool IsNumericKeypad() const { return numericKeypad_; }
    bool loaded() const { return loaded_; }
    const std::vector<Lesson>& lessons() const { return lessons_; }

    /// Loads the course keyboardId + courseName + ".ddd" from the folder "lessons".
    bool Reload(const std::string& keyboardId, const std::string& courseName);
    /// Loads the lesson file of that name from the folder "lessons".
    bool Load(const std::string& fileName);
    /// Loads the lesson file at fullPath; the identification line is looked for in fullPath.
    /// info, when given, receives the line numbers of every lesson block.
    bool LoadFile(const std::string& fullPath, std::vector<LessonSourceInfo>* info = nullptr);
    /// Replaces the lessons with those of a lesson file's lines. The first line identifies
    /// the file: it must occur, as it stands, in fullPath, or nothing is loaded.
    bool LoadLines(const std::vector<std::string>& lines, std::string_view fullPath,
                   std::vector<LessonSourceInfo>* info = nullptr);

    /// Asks for the limits, then reads the own text from path (rich text when the path holds
    /// ".rtf" in any case, plain text otherwise) and keeps its lines, normalised for
    /// acceptedCharacters. False when the dialog is not closed with OK or a plain file cannot
    /// be read. A rich-text file that cannot be read or parsed throws FileError; the lines
    /// extracted before the error then stay, not normalised.
    bool LoadOwnText(const std::string& path, OwnTextLimitsDialog& limitsDialog,
                     std::string_view acceptedCharacters);
    /// The same for the characters of the program's keyboard.
    bool LoadOwnText(const std::string& path, OwnTextLimitsDialog& limitsDialog);

    const std::vector<std::string>& ownLines() const { return ownLines_; }
    void SetOwnLines(std::vector<std::string> lines) { ownLines_ = std::move(lines); }
    double ownSpeedLimit() const { return ownSpeedLimit_; }
    double ownErrorLimit() const { return ownErrorLimit_; }
    void SetOwnLimits(double speedLimit, double errorLimit, ClockTime timeLimit);

  private:
    bool IsLesson(int lesson) const { return lesson >= 0 && lesson < LessonCount(); }

    std::vector<Lesson> lessons_;
    bool numericKeypad_ = false;
    bool loaded_ = false;
    std::vector<std::string> ownLines_;
    double ownSpeedLimit_ = 0.0;
    double ownErrorLimit_ = 0.0;
    ClockTime timeLimit_ = kInitialTimeLimit;
};
