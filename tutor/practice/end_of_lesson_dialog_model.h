#pragma once

#include <string>

/// What the "End of the Lesson" dialog shows for a finished run: its two message lines and
/// which buttons it offers. Its "Results" and "Save Results" buttons leave it open.
class EndOfLessonDialogModel {
  public:
    /// The lesson number of an own-text run.
    static constexpr int kOwnTextNumber = -1;

    static constexpr const char* kCaption = "End of the Lesson";
    static constexpr const char* kResultsButton = "Results";
    static constexpr const char* kNextLessonButton = "Next Lesson";
    static constexpr const char* kRepeatLessonButton = "Repeat Lesson";
    static constexpr const char* kRepeatTextButton = "Repeat Text";
    static constexpr const char* kExitButton = "Exit";
    static constexpr const char* kSaveResultsButton = "Save Results";

    /// lessonNumber is 1-based, or kOwnTextNumber.
    EndOfLessonDialogModel(std::string userName, bool passed, int lessonNumber);

    const std::string& userName() const { return userName_; }
    bool passed() const { return passed_; }
    int lessonNumber() const { return lessonNumber_; }
    bool ownText() const { return lessonNumber_ == kOwnTextNumber; }

    std::string line1() const;
    std::string line2() const;
    /// "Next Lesson" is offered only after a passed lesson.
    bool nextLessonVisible() const { return passed_ && !ownText(); }
    std::string repeatCaption() const;

  private:
    std::string userName_;
    bool passed_;
    int lessonNumber_;
};

/// How the "End of the Lesson" dialog was left. Escape and the close box count as repeat.
struct EndOfLessonChoice {
    /// Closed with "Next Lesson".
    bool nextLesson = false;
    /// "Exit" was pressed.
    bool exit = false;
};
