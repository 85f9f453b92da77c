#pragma once

#include <QDialog>

#include "tutor/course/first_time_wizard_model.h"

class CFirstTimePage;
class CFirstTimePage0;
class CFirstTimePage1;
class CFirstTimePage2;
class MessageSink;
class QPushButton;
class QStackedLayout;
class QStackedWidget;

/// How the first-time wizard ended.
struct FirstTimeWizardOutcome {
    /// Finish (or "Test") rather than Cancel.
    bool finished = false;
    /// The lesson to be tested on; -1 to start with the first lesson (also after Cancel).
    int chosenLesson = -1;
    /// The course page was left with Next, so the keyboard type and course were handed over
    /// (they stay even after Cancel): the caller applies the user's keyboard again.
    bool courseChanged = false;
};

/// The wizard "Initial Test" for a new user over a FirstTimeWizardModel: the course, whether
/// to qualify for an advanced lesson, the fingering question and the lesson to be tested on.
/// The model decides which page follows and which buttons there are; after a failed test the
/// wizard opens at its last page and Back still leads through the others.
class CFirstTimeWizard final : public QDialog {
    Q_OBJECT

  public:
    /// Runs the wizard modally over parent. The model's course-chosen handler receives the
    /// course when the first page is left; messages tells of missing course files.
    static FirstTimeWizardOutcome Run(QWidget* parent, FirstTimeWizardModel& model,
                                      MessageSink& messages, bool atTestPage);

    CFirstTimeWizard(FirstTimeWizardModel& model, MessageSink& messages, bool atTestPage,
                     QWidget* parent = nullptr);

    FirstTimeWizardOutcome outcome() const;

  public slots:
    /// Finish: only when the model allows it.
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void next();
    void back();
    void showPage();
    void updateButtons();
    void openCoursePage();

    FirstTimeWizardModel& model_;
    MessageSink& messages_;
    QStackedWidget* pages_;
    CFirstTimePage* coursePage_;
    CFirstTimePage0* startPage_;
    CFirstTimePage1* fingeringPage_;
    CFirstTimePage2* testPage_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* finish_;
    QPushButton* cancel_;
    /// Next and Finish in one place.
    QStackedLayout* forward_;
    bool courseOpened_ = false;
    bool shown_ = false;
};
