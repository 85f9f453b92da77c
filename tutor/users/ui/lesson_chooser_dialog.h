#pragma once

#include <QIcon>
#include <QSize>

#include <array>

#include "common/ui/resizable_dialog.h"
#include "common/ui/window_placement.h"
#include "tutor/users/lesson_chooser_model.h"
#include "tutor/users/ui/rating_icons.h"

class QPushButton;
class QTreeWidget;
class SettingsStore;

/// The dialog "Choose a Lesson" over a LessonChooserModel: the lessons reached with their
/// best results and the next lesson, "&Lesson" (or a double click) to practise the selected
/// one and "&Skip Lesson" to go on by one. It reopens where it was left, with the column
/// widths the user gave the list.
class LessonChooserDialog final : public ResizableDialog {
    Q_OBJECT

  public:
    /// Runs the dialog modally over parent; the chosen lesson's index, or -1 after Cancel.
    /// settings keep the dialog's place, size and column widths.
    static int Run(QWidget* parent, LessonChooserModel& model, SettingsStore& settings);

    LessonChooserDialog(LessonChooserModel& model, SettingsStore& settings,
                        QWidget* parent = nullptr);

    /// The chosen lesson after OK, -1 otherwise.
    int chosenLesson() const;

  public slots:
    /// "&Lesson": closes only with a row selected.
    void accept() override;
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void skipLesson();
    void showRows();
    void rowChanged();

    LessonChooserModel& model_;
    WindowPlacement placement_;
    QTreeWidget* list_;
    QPushButton* lesson_;
    QPushButton* skip_;
    QPushButton* cancel_;
    std::array<QIcon, RatingIcons::kCount> icons_;
    bool updating_ = false;
};
