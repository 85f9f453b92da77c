#pragma once

#include <QDialog>

#include "tutor/practice/end_of_lesson_dialog_model.h"

class EndOfLessonActions;
class QLabel;
class QPushButton;

/// "End of the Lesson": the verdict in two lines and the ways on. "Results" and "Save Results"
/// leave it open; "Next Lesson" closes it with OK; "Repeat Lesson", Escape and the close box
/// close it as a repeat; "Exit" closes it as a repeat with the exit flag.
class EndOfLessonDialog final : public QDialog {
    Q_OBJECT

  public:
    /// actions may be null (the two buttons then do nothing); it must outlive the dialog.
    EndOfLessonDialog(const EndOfLessonDialogModel& model, EndOfLessonActions* actions,
                      QWidget* parent = nullptr);

    EndOfLessonChoice choice() const { return choice_; }

    QLabel* line1() const { return line1_; }
    QLabel* line2() const { return line2_; }
    QPushButton* resultsButton() const { return results_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* repeatButton() const { return repeat_; }
    QPushButton* exitButton() const { return exit_; }
    QPushButton* saveButton() const { return save_; }

  private:
    EndOfLessonChoice choice_;
    QLabel* line1_;
    QLabel* line2_;
    QPushButton* results_;
    QPushButton* next_;
    QPushButton* repeat_;
    QPushButton* exit_;
    QPushButton* save_;
};
