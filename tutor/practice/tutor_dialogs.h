#pragma once

#include <optional>
#include <string>

class OwnTextLimits;
class StrokeLog;
struct TutorSettings;

/// The dialogs through which the main window's commands take the user's choices: the login,
/// the user's details, the first-time wizard, the lesson chooser, the own text file and its
/// limits, the settings sheet, the results dialog and the results-file prompts. Each opens
/// modally over the main window, works on the core objects its implementation was given at
/// creation (the user profile, the lesson course, the keyboard layouts, the evaluation texts)
/// and returns its outcome; the command logic decides what follows. Tests answer with a fake.
/// Paths are UTF-8 file names; texts are code-page bytes.
class TutorDialogs {
  public:
    struct LoginOutcome {
        /// Left with OK: the profile holds the logged-in user. False for Exit (the caller ends
        /// the program).
        bool ok = false;
        /// The user was registered in this dialog (LoginDialogModel::newUser): the caller gives
        /// them default settings and the initial test.
        bool newUser = false;
    };

    virtual ~TutorDialogs() = default;

    /// "Identify yourself": the LoginDialogModel over the program's user profile, its
    /// messages and its InfoBox questions.
    virtual LoginOutcome Login() = 0;
    /// "Detailed information": the profile's details; OK stores them (UserProfile::setDetails).
    virtual void UserDetails() = 0;
    /// The first-time wizard (FirstTimeWizardModel) captioned "Initial Test", opened at its
    /// test page when atTestPage. Once its course page has been left, the keyboard type and
    /// course chosen are stored in the profile (UserProfile::setCourse), also when it is
    /// cancelled later. Returns the lesson to test the user on, or -1 (cancelled, or the user
    /// starts with the first lesson).
    virtual int InitialTestWizard(bool atTestPage) = 0;
    /// "Choose a Lesson" (LessonChooserModel over the course and the profile; "Skip Lesson"
    /// is recorded there). Returns the chosen lesson, -1 for Cancel.
    virtual int ChooseLesson() = 0;
    /// The "Open" dialog of "Choose a Text File": plain and rich-text files, opening in the
    /// folder of the text chosen last. The chosen path; nothing for Cancel.
    virtual std::optional<std::string> ChooseTextFile() = 0;
    /// "Enter the Limit" with limits as its entries (OwnTextLimits::TakeEntries on OK). True
    /// for OK, limits then holding the accepted entries; false for "&Back".
    virtual bool EnterOwnTextLimits(OwnTextLimits& limits) = 0;
    /// The settings sheet on a copy of the user's settings. True for OK, settings then holding
    /// the edited copy; false for Cancel (settings unchanged).
    virtual bool Settings(TutorSettings& settings) = 0;
    /// The results dialog for a run's log (ResultsDialogModel); returns when it is closed.
    virtual void Results(const StrokeLog& log) = 0;
    /// "Save As" for a results file (ResultsFiles: preset "*.stat", filter "Results (*.stat)"),
    /// opening in the folder used last. A name given without an extension gets ".stat", so
    /// the Open dialog shows the file and a drop takes it; an existing file is replaced only
    /// after the user has said so. The chosen path; nothing for Cancel.
    virtual std::optional<std::string> SaveResultsFile() = 0;
    /// "Open" for a results file (the same preset and filter), in the folder used last. The
    /// chosen path; nothing for Cancel.
    virtual std::optional<std::string> LoadResultsFile() = 0;
};
