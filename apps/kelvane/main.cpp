// Kelvane, the touch-typing tutor. This is the program's one composition root: the cores and
// the platform services are made here once and handed to the windows and to each other.

#include <QApplication>
#include <QFont>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/command_line_modes.h"
#include "common/data_paths.h"
#include "common/product_version.h"
#include "common/system_clock.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_settings_store.h"
#include "tutor/course/appearance_list.h"
#include "tutor/course/data_check.h"
#include "tutor/course/hands_data.h"
#include "tutor/course/helping_keyboard_display.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/keyboard_layout_switcher.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/ui/appearance_pictures.h"
#include "tutor/course/ui/system_keyboard_layouts_factory.h"
#include "tutor/practice/main_frame_commands.h"
#include "tutor/practice/practice_session.h"
#include "tutor/practice/practice_workers.h"
#include "tutor/practice/ui/c_main_frame.h"
#include "tutor/practice/ui/kelvane_icon.h"
#include "tutor/practice/ui/program_pictures.h"
#include "tutor/practice/ui/qt_tutor_dialogs.h"
#include "tutor/practice/ui/text_panel.h"
#include "tutor/practice/ui/text_panel_setup.h"
#include "tutor/practice/ui/tutor_message_boxes.h"
#include "tutor/practice/ui/welcome_window.h"
#include "tutor/users/random_source.h"
#include "tutor/users/removable_media_folder.h"
#include "tutor/users/report_command.h"
#include "tutor/users/session_holder.h"
#include "tutor/users/sound_feedback.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/ui/linux_audio_output.h"
#include "tutor/users/ui/session_lock_keeper.h"
#include "tutor/users/user_profile.h"
#include "tutor/users/user_session_lock.h"
#include "tutor/users/users_folder_check.h"
#include "tutor/users/users_folder_setting.h"

namespace {

// The users folder: --users-folder, else the setting (read as a path, never through the code
// page), else defaultFolder.
UsersFolderSetting::Choice ChooseUsersFolder(const std::optional<std::string>& option,
                                             QtSettingsStore& settings,
                                             const std::function<std::string()>& defaultFolder) {
    const QString key = QString::fromLatin1(UsersFolderSetting::kSettingKey.data(),
                                            UsersFolderSetting::kSettingKey.size());
    const std::string setting = settings.settings().value(key).toString().toStdString();
    return UsersFolderSetting::Decide(option, setting, defaultFolder);
}

// Modes besides --help and --version: option, its arguments, one line for the usage, and
// the function that does the work without a window and returns the exit code.
std::vector<CommandLineModes::Mode> ProgramModes(const std::optional<std::string>& usersOption) {
    std::vector<CommandLineModes::Mode> modes;
    modes.push_back({"--check-data", "[FOLDER]",
                     "check a data folder (default: the program's) and a users folder named by "
                     "--users-folder or the setting UsersFolder, and list every problem",
                     [usersOption](const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& err) {
                         if (arguments.size() > 1) {
                             err << "kelvane: --check-data takes at most one folder\n";
                             return 1;
                         }
                         DataPaths::InitForExecutable(DataPaths::ExecutablePath(), kKelvaneName);
                         std::string folder =
                             arguments.empty() ? DataPaths::ProgramFolder() : arguments[0];
                         int result = RunCheckData(folder, out);
                         // The program's own users folder is no concern of a data check (and is not
                         // made for it); a classroom's shared one is.
                         QtSettingsStore settings(QString::fromLatin1(kKelvaneName));
                         const UsersFolderSetting::Choice users =
                             ChooseUsersFolder(usersOption, settings, [] { return std::string(); });
                         if (users.named) {
                             SystemClock clock;
                             result =
                                 std::max(result, RunCheckUsersFolder(users.folder, clock, out));
                         }
                         return result;
                     }});
    modes.push_back(
        {"--report", "RUN.stat [--json]",
         "print the figures, grades, character statistics and evaluation of a run",
         [](const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
             DataPaths::InitForExecutable(DataPaths::ExecutablePath(), kKelvaneName);
             return RunReport(arguments, out, err);
         }});
    return modes;
}

/// The font of the program's dialogs: Arial (its metric twin where Arial is missing), 12
/// pixels, regular.
void SetDialogFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    QApplication::setFont(font, "QDialog");
}

}  // namespace

int main(int argc, char** argv) {
    // "--users-folder DIR" may stand before a mode or a file; the rest goes on to the modes
    // and to Qt as it came.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string optionError;
    const std::optional<std::string> usersOption =
        UsersFolderSetting::TakeOption(arguments, optionError);
    if (!optionError.empty()) {
        std::cerr << "kelvane: " << optionError << "\n";
        return 1;
    }
    std::vector<char*> argumentPointers{argv[0]};
    for (std::string& argument : arguments) {
        argumentPointers.push_back(argument.data());
    }
    argumentPointers.push_back(nullptr);
    int argCount = static_cast<int>(argumentPointers.size()) - 1;
    char** argValues = argumentPointers.data();

    CommandLineModes modes("kelvane", kKelvaneName, std::string(kProductVersion),
                           "[--users-folder DIR] [RUN.stat]");
    for (CommandLineModes::Mode& mode : ProgramModes(usersOption)) {
        modes.Add(std::move(mode));
    }
    if (std::optional<int> exitCode = modes.Run(argCount, argValues, std::cout, std::cerr)) {
        return *exitCode;
    }

    // Qt's own file dialogs, not the desktop's: the practice must see every modal window
    // open and close, and a desktop's dialog is no window of the program.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
#ifdef __GLIBC__
    // Pictures are decoded and scaled for a moment and then freed. Left to itself, the C
    // library raises the size from which it maps such blocks of their own once one has been
    // freed, so later pictures land in the heap, whose holes it keeps: several megabytes the
    // program does not use. A fixed size keeps every picture in its own mapping, given back
    // to the system as soon as it is freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    // QApplication takes its own options out of the arguments; files to open remain.
    QApplication app(argCount, argValues);
    std::vector<std::string> openFiles;
    for (int i = 1; i < argCount; ++i) {
        if (std::string_view(argValues[i]) != "--") {
            openFiles.emplace_back(argValues[i]);
        }
    }
    QApplication::setOrganizationName(QStringLiteral("zuv SOFTWARE"));
    QApplication::setApplicationName(QString::fromLatin1(kKelvaneName));
    QApplication::setApplicationVersion(QString::fromLatin1(
        kProductVersion.data(), static_cast<qsizetype>(kProductVersion.size())));
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvane"));

    QtSettingsStore settings(QString::fromLatin1(kKelvaneName));
    PrepareProgram(kKelvaneName, settings);

    // The one sound output of the program. Its stream opens on a thread of its own as soon as
    // the welcome window is up (opening loads the sound system's libraries, which would only
    // hold up the first window), so it is ready long before the first stroke; without a sound
    // device everything stays silent. It lives until the end of main, longer than every window
    // and worker that plays through it; the workers' end cuts off a playing sound first, so
    // closing never waits for one.
    std::optional<LinuxAudioOutput> audio;
    auto openAudio = [&audio] {
        if (!audio) {
            audio.emplace();
        }
    };

    TutorMessageBoxes boxes;
    const std::string picturesFolder = DataPaths::DataPath("pictures", "");
    ProgramPictures pictures(picturesFolder);
    auto missingPictures = [&boxes] {
        boxes.ShowMessage(kKelvaneName, std::string(AppearanceList::kMissingPicturesText),
                          MessageSink::Icon::Stop);
        return 1;
    };
    // The first window waits only for its own picture; the others are checked, and the sound
    // output opened, once it is on the screen.
    if (!pictures.LoadWelcome()) {
        return missingPictures();
    }
    boxes.SetNotePicture([&pictures] { return pictures.smallWindow().Decode(); });
    SetDialogFont();
    // A classroom's shared users folder that is not there (the drive not connected) ends the
    // program before anybody practises into a folder the class does not see.
    const UsersFolderSetting::Choice users =
        ChooseUsersFolder(usersOption, settings, [] { return DataPaths::WritableFolder("users"); });
    if (!users.problem.empty()) {
        boxes.ShowMessage(kKelvaneName, users.problem, MessageSink::Icon::Stop);
        return 1;
    }
    AppearancePictures appearance(picturesFolder, boxes);

    bool picturesLoaded = false;
    {
        // The welcome picture is decoded for this window alone.
        WelcomeWindow welcome(pictures.welcome().Decode(), appearance, boxes);
        welcome.RunWhenShown([&] {
            // The windows' icon too: the window system takes it at seven sizes, and drawing
            // them would hold up the welcome picture, a window without a frame.
            QApplication::setWindowIcon(KelvaneIcon());
            picturesLoaded = pictures.LoadOthers();
            openAudio();
        });
        welcome.exec();
    }
    if (!picturesLoaded) {
        return missingPictures();
    }
    openAudio();

    SystemClock clock;
    // The logged-in user's session lock in the users folder, kept alive by its heartbeat; it
    // outlives the profile, whose last save at the end still needs it.
    UserSessionLock sessionLock(users.folder, clock, SessionHolder::ThisProcess());
    SessionLockKeeper sessionLockKeeper(sessionLock, boxes);
    RemovableMediaFolder diskette(&settings);
    UserProfile profile(clock, users.folder, diskette);
    profile.setSessionLock(&sessionLock);
    StrokeLog strokeLog(clock);
    LessonCourse course;
    Keyboard keyboard;
    HandsData hands;
    // Without the finger outlines the panel says so where the hands would be.
    hands.LoadHands();
    HelpingKeyboardDisplay display(keyboard, hands);
    TutorSettings tutorSettings;
    const std::unique_ptr<SystemKeyboardLayouts> systemLayouts =
        SystemKeyboardLayoutsFactory::Create();
    KeyboardLayoutSwitcher layouts(*systemLayouts, boxes);
    SoundFeedback feedback(*audio, DataPaths::DataPath("sounds", ""));
    // The written evaluation varies its wording from run to run.
    SeededRandomSource random(std::random_device{}());
    QtTutorDialogs dialogs(QtTutorDialogs::Services{
        profile, course, *systemLayouts, settings, clock, boxes, boxes, feedback, random,
        picturesFolder, DataPaths::DataPath("config", "textinfo.ddd")});
    boxes.SetTutorDialogs(&dialogs);

    const TutorDialogs::LoginOutcome login = dialogs.Login();
    if (!login.ok) {
        return 0;
    }
    MainFrameCommands::TakeLoginSettings(profile, tutorSettings, login.newUser);

    // The window owns its panel. The panel plays the welcome sound the first time it shows its
    // idle picture, and nothing waits for it.
    auto* panel = new TextPanel(TextPanel::Services{
        course, display, appearance, [&pictures] { return pictures.idleScreen().Decode(); },
        &*audio, DataPaths::DataPath("sounds", "wellcome.wav")});
    TextPanelSetup panelSetup(*panel, appearance);
    CMainFrame frame(settings, boxes, panel, *panel);
    PracticeWorkers workers(feedback, *panel);
    PracticeSession session(
        PracticeSession::Services{clock, course, strokeLog, profile, tutorSettings, *panel, frame,
                                  boxes, workers, workers},
        profile.name(), login.newUser);
    MainFrameCommands commands(MainFrameCommands::Services{
        session, course, strokeLog, profile, tutorSettings, keyboard, layouts, *panel, panelSetup,
        frame, frame, boxes, dialogs, boxes, boxes, boxes, workers});
    frame.Attach(session, commands);
    boxes.SetOwner(&frame);
    boxes.SetEndOfLessonActions(&commands);
    dialogs.SetParentWindow(&frame);
    dialogs.SetCourseChangedHandler([&commands] { commands.ApplyKeyboard(); });

    frame.show();
    // The window's start runs from the event loop, so its dialogs open over the shown window
    // and an early end of the program leaves the loop.
    QTimer::singleShot(0, &frame, [&commands, &openFiles] { commands.Start(openFiles); });
    const int exitCode = QApplication::exec();

    frame.Detach();
    // A playing sound is cut off before the workers end, so the end never waits for it.
    workers.Stop();
    return exitCode;
}
