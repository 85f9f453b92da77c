#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

#include "common/message_sink.h"
#include "tutor/practice/message_questions.h"
#include "tutor/practice/practice_dialogs.h"
#include "tutor/users/info_box_prompts.h"

class EndOfLessonActions;
class TutorDialogs;

/// The tutor's one service for its small modal windows: message boxes with the product name
/// as caption (MessageSink, MessageQuestions), the "Info" window (InfoBoxPrompts and the
/// practice's InfoBox), the note window and "End of the Lesson". Every window opens over the
/// owner, the main window once it exists. The practice's user details and wizard are the
/// dialogs' own and are handed on to them.
class TutorMessageBoxes final : public MessageSink,
                                public MessageQuestions,
                                public InfoBoxPrompts,
                                public PracticeDialogs {
  public:
    explicit TutorMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}

    void SetOwner(QWidget* owner) { owner_ = owner; }
    QWidget* owner() const { return owner_.data(); }
    /// The dialogs the user details and the wizard come from; must outlive this object.
    void SetTutorDialogs(TutorDialogs* dialogs) { dialogs_ = dialogs; }
    /// What the buttons "Results" and "Save Results" of "End of the Lesson" do.
    void SetEndOfLessonActions(EndOfLessonActions* actions) { actions_ = actions; }
    /// Decodes the picture behind the note window's text, each time a note opens.
    void SetNotePicture(std::function<QImage()> picture) { notePicture_ = std::move(picture); }

    // MessageSink
    void ShowMessage(const std::string& caption, const std::string& text, Icon icon) override;

    // MessageQuestions
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    bool AskRetryDiscard(const std::string& caption, const std::string& text) override;

    // InfoBoxPrompts
    void ShowInfo(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

    // PracticeDialogs
    void NoteBox(const std::string& text) override;
    bool InfoBox(const std::string& text, bool repeatCheckBox) override;
    EndOfLessonChoice EndOfLesson(const EndOfLessonDialogModel& model) override;
    void UserDetails() override;
    int InitialTestWizard(bool atTestPage) override;

  private:
    QPointer<QWidget> owner_;
    TutorDialogs* dialogs_ = nullptr;
    EndOfLessonActions* actions_ = nullptr;
    std::function<QImage()> notePicture_;
};
