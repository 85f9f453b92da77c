#pragma once

#include <string>

#include "tutor/practice/end_of_lesson_dialog_model.h"

/// The modal windows the practice opens. Each takes the keyboard focus from the main window
/// while it is open and gives it back when it closes.
class PracticeDialogs {
  public:
    virtual ~PracticeDialogs() = default;
    /// The small note window; returns when it is closed.
    virtual void NoteBox(const std::string& text) = 0;
    /// The "Info" window with its text and OK. With repeatCheckBox its check box "Repeat
    /// presentation?" is shown checked; the result is whether it was checked on closing
    /// (true when the box was not shown).
    virtual bool InfoBox(const std::string& text, bool repeatCheckBox) = 0;
    /// The "End of the Lesson" dialog.
    virtual EndOfLessonChoice EndOfLesson(const EndOfLessonDialogModel& model) = 0;
    /// The user-details dialog "Detailed information".
    virtual void UserDetails() = 0;
    /// The first-time wizard captioned "Initial Test", at its lesson page when atTestPage.
    /// Returns the lesson chosen for the test, or -1 when it was not finished with one.
    virtual int InitialTestWizard(bool atTestPage) = 0;
};
