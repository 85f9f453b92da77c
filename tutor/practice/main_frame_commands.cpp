#include "tutor/practice/main_frame_commands.h"

#include <optional>

#include "common/code_page.h"
#include "common/file_error.h"
#include "common/message_sink.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/keyboard_layout_switcher.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/own_text_limits_dialog.h"
#include "tutor/practice/main_frame_window.h"
#include "tutor/practice/message_questions.h"
#include "tutor/practice/practice_dialogs.h"
#include "tutor/practice/practice_panel_setup.h"
#include "tutor/practice/practice_session.h"
#include "tutor/practice/practice_text_panel.h"
#include "tutor/practice/practice_texts.h"
#include "tutor/practice/practice_window.h"
#include "tutor/practice/stroke_sound_settings.h"
#include "tutor/practice/tutor_dialogs.h"
#include "tutor/users/info_box_prompts.h"
#include "tutor/users/login_dialog_model.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/user_profile.h"

namespace {

/// "Enter the Limit" as the lesson course asks for it, remembering whether the user went on:
/// "&Back" must end the command quietly, while a text that cannot be read is reported.
class LimitsPrompt final : public OwnTextLimitsDialog {
  public:
    explicit LimitsPrompt(TutorDialogs& dialogs) : dialogs_(dialogs) {}
    bool Run(OwnTextLimits& limits) override {
        accepted_ = dialogs_.EnterOwnTextLimits(limits);
        return accepted_;
    }
    bool accepted() const { return accepted_; }

  private:
    TutorDialogs& dialogs_;
    bool accepted_ = false;
};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

MainFrameCommands::MainFrameCommands(Services services) : s_(services) {}

void MainFrameCommands::TakeLoginSettings(UserProfile& profile, TutorSettings& settings,
                                          bool newUser) {
    // Fields a stored text lacks take their defaults, never the previous user's values.
    settings.reset();
    if (newUser) {
        profile.setSettingsText(settings.toText());
    } else {
        settings.fromText(profile.settingsText());
    }
}

MainFrameCommands::DroppedFile MainFrameCommands::ClassifyDroppedFile(std::string_view path) {
    // The folders on the way do not count: only the file's own name says what it holds.
    const std::size_t slash = path.rfind('/');
    std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
    for (char& c : name) {
        c = LowerAscii(c);
    }
    if (name.find(".stat") != std::string::npos) {
        return DroppedFile::Results;
    }
    if (name.find(".rtf") != std::string::npos || name.find(".txt") != std::string::npos) {
        return DroppedFile::Text;
    }
    return DroppedFile::Other;
}

void MainFrameCommands::Start(const std::vector<std::string>& openFiles) {
    s_.layouts.RememberUserLayout();
    s_.sound.ApplySettings(s_.settings);
    if (s_.session.state().initialTestRunning) {
        s_.session.InitialTestChooser();
        ApplyKeyboard();
        return;
    }
    ApplyKeyboard();
    if (finished_) {
        return;
    }
    if (openFiles.empty()) {
        ChooseLesson();
    } else {
        DropFiles(openFiles);
    }
}

bool MainFrameCommands::IsEnabled(TutorCommand command) const {
    if (finished_) {
        return false;
    }
    const bool test = s_.session.state().initialTestRunning;
    return command == TutorCommand::EndOfTest ? test : !test;
}

bool MainFrameCommands::Run(TutorCommand command) {
    if (!IsEnabled(command)) {
        return false;
    }
    switch (command) {
        case TutorCommand::LogInNewUser:
            LogInNewUser();
            return true;
        case TutorCommand::ChangeUserDetails:
            ChangeUserDetails();
            return true;
        case TutorCommand::SaveResults:
            SaveResults();
            return true;
        case TutorCommand::LoadResults:
            LoadResults();
            return true;
        case TutorCommand::SaveUserInfoOnDiskette:
            SaveUserInfoOnDiskette();
            return true;
        case TutorCommand::Exit:
            s_.frame.CloseWindow();
            return true;
        case TutorCommand::ChooseLesson:
            ChooseLesson();
            return true;
        case TutorCommand::ChooseTextFile:
            ChooseTextFile();
            return true;
        case TutorCommand::Settings:
            Settings();
            return true;
        case TutorCommand::Results:
            ShowResults();
            s_.window.TakeFocus();
            return true;
        case TutorCommand::LessonDescription:
            LessonDescription();
            return true;
        case TutorCommand::EndOfTest:
            EndOfTest();
            return true;
        case TutorCommand::Help:
        case TutorCommand::About:
            return false;
    }
    return false;
}

bool MainFrameCommands::AcceptsDrops() const {
    // A dropped text would run as the test, and a dropped results file would leave the menus
    // greyed for good.
    return !finished_ && !s_.session.state().initialTestRunning;
}

void MainFrameCommands::DropFiles(const std::vector<std::string>& paths) {
    if (paths.empty() || !AcceptsDrops()) {
        return;
    }
    const bool running = s_.session.state().runActive;
    switch (ClassifyDroppedFile(paths.front())) {
        case DroppedFile::Results:
            if (running) {
                if (!s_.prompts.AskYesNo(kReallySeeResults)) {
                    return;
                }
                s_.session.SaveResult(false);
            }
            s_.session.ResetRun();
            s_.panel.Repaint();
            for (const std::string& path : paths) {
                if (!ShowResultsFile(path)) {
                    break;
                }
            }
            return;
        case DroppedFile::Text:
            if (running && !s_.prompts.AskYesNo(kOwnTextQuestion)) {
                return;
            }
            OpenOwnText(paths.front());
            return;
        case DroppedFile::Other:
            s_.messages.ShowMessage(kCaption, kFormatsOnly, MessageSink::Icon::Warning);
            return;
    }
}

void MainFrameCommands::ApplyKeyboard() {
    // A new user who left the wizard before choosing a course has none yet; the default
    // course stands in rather than no course at all.
    if (s_.profile.keyboardId().empty()) {
        s_.profile.setCourse(UserProfile::kDefaultKeyboardId, s_.profile.courseName().empty()
                                                                  ? UserProfile::kDefaultCourseName
                                                                  : s_.profile.courseName());
    }
    const std::string keyboardId = s_.profile.keyboardId();
    // A damaged composed-character file still leaves the keys that were read.
    s_.keyboard.LoadKeyboard(keyboardId);
    s_.session.SetAcceptedCharacters(s_.keyboard.AcceptedCharacters());
    s_.course.Reload(keyboardId, s_.profile.courseName());
    s_.layouts.ActivateLayout(keyboardId);
    s_.frame.ShowStatusText(s_.layouts.statusText());
    LoadAppearancePictures();
}

bool MainFrameCommands::LoadAppearancePictures() {
    if (finished_) {
        return false;
    }
    if (!s_.panelSetup.LoadAppearance(s_.settings.appearance)) {
        Abort();
        return false;
    }
    // The standard appearance standing in for a damaged one takes its place in the settings,
    // so the missing pictures are reported once, not at every layout.
    s_.settings.appearance = s_.panelSetup.loadedAppearance();
    return true;
}

void MainFrameCommands::ApplyLayout() {
    if (!LoadAppearancePictures()) {
        return;
    }
    const int needed = s_.panelSetup.ComputeLayout(
        s_.settings.showStatistics != 0, s_.settings.showKeyboard != 0, s_.settings.showHands != 0);
    s_.frame.SetNeededPanelHeight(needed);
    s_.panel.Repaint();
}

void MainFrameCommands::SizeChanged() {
    if (s_.session.state().runActive && !finished_) {
        ApplyLayout();
    }
}

void MainFrameCommands::Close() {
    if (finished_) {
        return;
    }
    finished_ = true;
    s_.layouts.RestoreUserLayout();
    s_.session.AbandonRun();
    if (s_.profile.fromDiskette() && s_.questions.AskYesNo(kCaption, kSaveOnDiskette)) {
        SaveUserInfoOnDiskette();
    }
    SaveUser();
    s_.frame.SavePlacement();
}

void MainFrameCommands::Abort() {
    if (finished_) {
        return;
    }
    finished_ = true;
    s_.layouts.RestoreUserLayout();
    s_.session.AbandonRun();
    SaveUser();
    s_.frame.SavePlacement();
    s_.frame.QuitProgram(kAbortExitCode);
}

bool MainFrameCommands::SaveUser() {
    while (!s_.profile.save(s_.profile.userPath(s_.profile.name()), false)) {
        const std::string base = s_.profile.userPath(s_.profile.name());
        const std::string file =
            base.empty()
                ? s_.profile.name()
                : CodePage::Program().FromUtf8(base + std::string(UserProfile::kDataExtension));
        if (!s_.questions.AskRetryDiscard(kCaption,
                                          FileError::Format(FileError::Kind::General, file))) {
            return false;
        }
    }
    return true;
}

void MainFrameCommands::TellFileError(const std::string& path) {
    s_.messages.ShowMessage(
        kCaption, FileError::Format(FileError::Kind::General, CodePage::Program().FromUtf8(path)),
        MessageSink::Icon::Warning);
}

void MainFrameCommands::ShowResults() {
    s_.dialogs.Results(s_.strokeLog);
}

void MainFrameCommands::SaveResults() {
    const std::optional<std::string> path = s_.dialogs.SaveResultsFile();
    if (!path) {
        return;
    }
    // A results file that was not written must not pass for saved.
    if (!s_.strokeLog.saveStat(*path)) {
        TellFileError(*path);
    }
}

void MainFrameCommands::LogInNewUser() {
    s_.session.AbandonRun();
    SaveUser();
    s_.frame.SavePlacement();
    const TutorDialogs::LoginOutcome login = s_.dialogs.Login();
    if (!login.ok) {
        Abort();
        return;
    }
    s_.session.UserLoggedIn(s_.profile.name(), login.newUser);
    s_.frame.RestorePlacement();
    TakeLoginSettings(s_.profile, s_.settings, login.newUser);
    s_.session.SettingsChanged();
    s_.sound.ApplySettings(s_.settings);
    if (login.newUser) {
        s_.session.InitialTestChooser();
    }
    ApplyKeyboard();
    s_.window.RepaintWindow();
}

void MainFrameCommands::ChangeUserDetails() {
    s_.dialogs.UserDetails();
}

bool MainFrameCommands::ShowResultsFile(const std::string& path) {
    if (!s_.strokeLog.loadStat(path)) {
        s_.messages.ShowMessage(kCaption, kIncorrectFormat, MessageSink::Icon::Warning);
        return false;
    }
    ShowResults();
    return true;
}

void MainFrameCommands::LoadResults() {
    if (s_.session.state().runActive) {
        if (!s_.prompts.AskYesNo(kReallySeeResults)) {
            return;
        }
        s_.session.SaveResult(false);
    }
    s_.session.ResetRun();
    s_.panel.Repaint();
    const std::optional<std::string> path = s_.dialogs.LoadResultsFile();
    if (path) {
        ShowResultsFile(*path);
    }
}

void MainFrameCommands::SaveUserInfoOnDiskette() {
    s_.messages.ShowMessage(kCaption, LoginDialogModel::kInsertDiskette,
                            MessageSink::Icon::Information);
    if (!s_.profile.saveToDiskette(s_.profile.name())) {
        s_.messages.ShowMessage(kCaption, LoginDialogModel::kDisketteError,
                                MessageSink::Icon::Warning);
    }
}

void MainFrameCommands::ChooseLesson() {
    const int lesson = s_.dialogs.ChooseLesson();
    if (lesson < 0) {
        return;
    }
    if (!s_.session.ChooseLesson(lesson)) {
        s_.messages.ShowMessage(kCaption, kLessonNotStarted, MessageSink::Icon::Warning);
    }
}

void MainFrameCommands::ChooseTextFile() {
    const std::optional<std::string> path = s_.dialogs.ChooseTextFile();
    if (path) {
        OpenOwnText(*path);
    }
}

void MainFrameCommands::OpenOwnText(const std::string& path) {
    LimitsPrompt limits(s_.dialogs);
    bool loaded = false;
    try {
        loaded = s_.course.LoadOwnText(path, limits, s_.keyboard.AcceptedCharacters());
    } catch (const FileError&) {
        loaded = false;
    }
    if (!limits.accepted()) {
        return;
    }
    const PracticeState& state = s_.session.state();
    if (!loaded) {
        s_.messages.ShowMessage(kCaption, kIncorrectFormat, MessageSink::Icon::Warning);
        // A run of the previous own text has lost its lines with the new reading.
        if (state.runActive && state.lessonIndex == LessonCourse::OwnTextLesson) {
            s_.session.ResetRun();
            s_.panel.Repaint();
        }
        return;
    }
    // The run in progress is recorded only now that another one takes its place.
    s_.session.SaveResult(false);
    if (!s_.session.BeginLesson(LessonCourse::OwnTextLesson)) {
        s_.panel.Repaint();
        s_.messages.ShowMessage(kCaption, kLessonNotStarted, MessageSink::Icon::Warning);
    }
}

void MainFrameCommands::Settings() {
    TutorSettings copy = s_.settings;
    if (!s_.dialogs.Settings(copy)) {
        return;
    }
    s_.settings = copy;
    s_.profile.setSettingsText(s_.settings.toText());
    s_.sound.ApplySettings(s_.settings);
    s_.session.SettingsChanged();
    ApplyKeyboard();
    s_.window.RepaintWindow();
}

void MainFrameCommands::LessonDescription() {
    const int lesson = s_.session.state().lessonIndex;
    if (lesson < 0) {
        s_.boxes.NoteBox(kChooseLessonFirst);
        return;
    }
    s_.boxes.NoteBox(std::string(PracticeTexts::kNote) + "\r\n" + s_.course.Title(lesson));
}

void MainFrameCommands::EndOfTest() {
    s_.session.EndOfTestCommand();
}
