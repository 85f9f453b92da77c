#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/product_version.h"
#include "tutor/practice/end_of_lesson_actions.h"
#include "tutor/practice/tutor_command.h"

class InfoBoxPrompts;
class Keyboard;
class KeyboardLayoutSwitcher;
class LessonCourse;
class MainFrameWindow;
class MessageQuestions;
class MessageSink;
class PracticeDialogs;
class PracticePanelSetup;
class PracticeSession;
class PracticeTextPanel;
class PracticeWindow;
class StrokeLog;
class StrokeSoundSettings;
class TutorDialogs;
class UserProfile;
struct TutorSettings;

/// The work behind the tutor's main window: its menu commands, dropped files, the keyboard
/// applied for the user, the layout of the practice panel, the start after the window is
/// created and the close sequence. The window only forwards its events here; every dialog,
/// message and platform service is reached through an interface.
class MainFrameCommands final : public EndOfLessonActions {
  public:
    static constexpr const char* kCaption = kKelvaneName;
    static constexpr const char* kChooseLessonFirst =
        "You should choose a lesson first: \"Practice\" -> \"Choose a Lesson\"";
    static constexpr const char* kLessonNotStarted =
        "An error has occurred during the initialization of the lesson. It might have been "
        "caused by the wrong configuration file. If the error persists you have to install the "
        "program again.";
    static constexpr const char* kIncorrectFormat =
        "This file has an incorrect format or it has been corrupted.";
    static constexpr const char* kReallySeeResults =
        "Do you really want to see your previous results? \r\nIn that case the exercise will be "
        "terminated!";
    static constexpr const char* kOwnTextQuestion = "Copying a text file of your own.";
    static constexpr const char* kFormatsOnly =
        "The program works with these formats only: TXT, RTF and STAT";
    static constexpr const char* kSaveOnDiskette =
        "Do you want to save your user settings on a diskette?";
    /// The exit code of the program when it ends without its window's close sequence.
    static constexpr int kAbortExitCode = 3;

    enum class DroppedFile { Results, Text, Other };

    struct Services {
        PracticeSession& session;
        LessonCourse& course;
        StrokeLog& strokeLog;
        UserProfile& profile;
        TutorSettings& settings;
        /// The keyboard of the helping keyboard; its characters are the ones accepted.
        Keyboard& keyboard;
        KeyboardLayoutSwitcher& layouts;
        PracticeTextPanel& panel;
        /// The same panel's layout and appearance pictures.
        PracticePanelSetup& panelSetup;
        PracticeWindow& window;
        MainFrameWindow& frame;
        /// The NoteBox.
        PracticeDialogs& boxes;
        TutorDialogs& dialogs;
        /// The InfoBox's questions.
        InfoBoxPrompts& prompts;
        MessageSink& messages;
        MessageQuestions& questions;
        StrokeSoundSettings& sound;
    };

    /// Every service must outlive the object.
    explicit MainFrameCommands(Services services);

    /// After a login: a new user gets the default settings, which are stored with them; a
    /// known user's stored settings are read (fields missing from them keep their defaults).
    static void TakeLoginSettings(UserProfile& profile, TutorSettings& settings, bool newUser);

    /// How a dropped file is taken, by its name in any letter case: ".stat" anywhere makes it
    /// a results file, else ".rtf" or ".txt" a text of the user's own.
    static DroppedFile ClassifyDroppedFile(std::string_view path);

    /// The window has been created and shown: the user's own layout is remembered, then a new
    /// user gets the initial test and the keyboard, a known user the keyboard and the lesson
    /// chooser. Files named on the command line (a results file double-clicked in the file
    /// manager) are taken as if dropped on the window, in place of the lesson chooser.
    void Start(const std::vector<std::string>& openFiles = {});

    /// Whether a command can be used now: during the initial test only "&End of Test".
    bool IsEnabled(TutorCommand command) const;
    /// Runs a command of the menu; false (nothing done) when it cannot be used now. Help and
    /// About belong to the window itself.
    bool Run(TutorCommand command);

    /// Whether files may be dropped now: not during the initial test.
    bool AcceptsDrops() const;
    /// Files dropped on the window, classified by the first (UTF-8 paths).
    void DropFiles(const std::vector<std::string>& paths);

    /// The user's keyboard type: its characters accepted, its course loaded, the system's
    /// layout switched to it (the status bar says when the system refuses) and the
    /// appearance's pictures loaded.
    void ApplyKeyboard();
    /// The appearance's pictures, the panel's layout and the window's height for it.
    void ApplyLayout();
    /// The window's size changed; during a run the layout is computed again.
    void SizeChanged();
    /// The window closes: the user's layout back, the run recorded, the diskette offered, the
    /// user and the placement saved.
    void Close();
    /// The program is ending (closed, or quitting with kAbortExitCode).
    bool finished() const { return finished_; }

    // EndOfLessonActions (also the "Results" and "&Save Results" commands)
    void ShowResults() override;
    void SaveResults() override;

    // The commands.
    void LogInNewUser();
    void ChangeUserDetails();
    void LoadResults();
    void SaveUserInfoOnDiskette();
    void ChooseLesson();
    void ChooseTextFile();
    void Settings();
    void LessonDescription();
    void EndOfTest();

  private:
    bool LoadAppearancePictures();
    /// Asks for the limits, reads the text and begins a run of it.
    void OpenOwnText(const std::string& path);
    /// Reads a results file into the stroke log and shows it; false after the message.
    bool ShowResultsFile(const std::string& path);
    /// Saves the user's changes; on failure the user may try again or give them up.
    bool SaveUser();
    /// Ends the program with kAbortExitCode, leaving the system and the user's data as the
    /// close sequence does.
    void Abort();
    void TellFileError(const std::string& path);

    Services s_;
    bool finished_ = false;
};
