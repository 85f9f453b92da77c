#pragma once

// Stand-ins for parts built on other branches, so the program runs end to end until they are
// merged: the practice panel (TextPanel) and the dialogs of TutorDialogs. Each is
// deliberately plain and is to be replaced, not extended.

#include <QWidget>

#include <optional>
#include <string>

#include "tutor/practice/panel_layout.h"
#include "tutor/practice/practice_text_panel.h"
#include "tutor/practice/tutor_dialogs.h"

class InfoBoxPrompts;
class LessonCourse;
class MessageSink;
class ProgramPictures;
class UserProfile;

/// STAND-IN for the practice panel: the idle picture, or the lines of the copy text with the
/// typed part in grey, the marks in red and a frame around the cursor's cell. No statistics,
/// keyboard, hands, animation or metronome line.
class PendingTextPanel final : public QWidget, public PracticeTextPanel, public PanelLayout {
  public:
    PendingTextPanel(const LessonCourse& course, const ProgramPictures& pictures);

    void SetText(const PanelState& state) override;
    void Repaint() override { update(); }
    void DrawCursor(const PanelState& state, bool, int, bool) override;
    void ShowProgress(std::int64_t, int, int) override {}
    void NextMovieFrame() override {}
    void MetronomeTick() override {}
    int ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const LessonCourse& course_;
    const ProgramPictures& pictures_;
    PanelState state_;
};

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
