#pragma once

// A stand-in for the dialogs of TutorDialogs, built on other branches, so the program runs end
// to end until they are merged. It is deliberately plain and is to be replaced, not extended.

#include <QWidget>

#include <optional>
#include <string>

#include "tutor/practice/tutor_dialogs.h"

class InfoBoxPrompts;
class LessonCourse;
class MessageSink;
class UserProfile;

/// STAND-IN for the tutor's dialogs: the login and the lesson choice through plain input
/// dialogs over their models, the file prompts through file dialogs, the results as a
/// message; the details, the wizard, the own-text limits and the settings sheet are not
/// there (the wizard starts with the first lesson, the limits keep their defaults, the
/// settings stay as they are).
class PendingTutorDialogs final : public TutorDialogs {
  public:
    PendingTutorDialogs(UserProfile& profile, const LessonCourse& course, MessageSink& messages,
                        InfoBoxPrompts& prompts);

    void SetParentWindow(QWidget* parent) { parent_ = parent; }

    LoginOutcome Login() override;
    void UserDetails() override {}
    int InitialTestWizard(bool) override { return -1; }
    int ChooseLesson() override;
    std::optional<std::string> ChooseTextFile() override;
    bool EnterOwnTextLimits(OwnTextLimits&) override { return true; }
    bool Settings(TutorSettings&) override { return false; }
    void Results(const StrokeLog& log) override;
    std::optional<std::string> SaveResultsFile() override;
    std::optional<std::string> LoadResultsFile() override;

  private:
    UserProfile& profile_;
    const LessonCourse& course_;
    MessageSink& messages_;
    InfoBoxPrompts& prompts_;
    QWidget* parent_ = nullptr;
};
