#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

#include "tutor/practice/tutor_dialogs.h"

class Clock;
class InfoBoxPrompts;
class LessonCourse;
class MessageSink;
class RandomSource;
class SettingsStore;
class SoundFeedback;
class SystemKeyboardLayouts;
class UserProfile;

/// The tutor's dialogs as the main window's commands reach them: each entry point opens its
/// dialog modally over the main window on the program's core objects.
class QtTutorDialogs final : public TutorDialogs {
  public:
    /// What the dialogs work on. All must outlive the object.
    struct Services {
        UserProfile& profile;
        LessonCourse& course;
        SystemKeyboardLayouts& systemLayouts;
        /// The program's settings store: where the lesson chooser and the results dialog keep
        /// their places and the results files their folder.
        SettingsStore& settings;
        const Clock& clock;
        MessageSink& messages;
        InfoBoxPrompts& prompts;
        /// The program's sounds, for the settings sheet's sound test.
        SoundFeedback& sounds;
        /// The written evaluation's choice among its texts.
        RandomSource& random;
        /// The "pictures" folder, ending with "/".
        std::string picturesFolder;
        /// "textinfo.ddd", the texts of the written evaluation.
        std::string evaluationTextsPath;
    };

    explicit QtTutorDialogs(Services services);

    /// The window the dialogs open over; none (at the start) centres them on the screen.
    void SetParentWindow(QWidget* parent) { parent_ = parent; }
    /// Runs when the first-time wizard has handed a new keyboard type or course to the
    /// profile, so the keyboard is applied again before a test begins on it.
    void SetCourseChangedHandler(std::function<void()> handler) {
        courseChanged_ = std::move(handler);
    }

    LoginOutcome Login() override;
    void UserDetails() override;
    int InitialTestWizard(bool atTestPage) override;
    int ChooseLesson() override;
    std::optional<std::string> ChooseTextFile() override;
    bool EnterOwnTextLimits(OwnTextLimits& limits) override;
    bool Settings(TutorSettings& settings) override;
    void Results(const StrokeLog& log) override;
    std::optional<std::string> SaveResultsFile() override;
    std::optional<std::string> LoadResultsFile() override;

  private:
    Services s_;
    QPointer<QWidget> parent_;
    std::function<void()> courseChanged_;
    /// Where "Choose a Text File" opens next: the folder of the text chosen last.
    std::string textFolder_;
};
