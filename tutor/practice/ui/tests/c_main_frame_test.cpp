#include "tutor/practice/ui/c_main_frame.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/ui/help_window.h"
#include "common/ui/url_opener.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/keyboard_layout_switcher.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/no_system_keyboard_layouts.h"
#include "tutor/course/own_text_limits.h"
#include "tutor/practice/main_frame_commands.h"
#include "tutor/practice/metronome_control.h"
#include "tutor/practice/practice_session.h"
#include "tutor/practice/sound_request.h"
#include "tutor/practice/stroke_sound_settings.h"
#include "tutor/practice/tutor_dialogs.h"
#include "tutor/practice/ui/tests/modal_answerer.h"
#include "tutor/practice/ui/tests/test_text_panel.h"
#include "tutor/practice/ui/tutor_message_boxes.h"
#include "tutor/users/diskette_folder.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/user_profile.h"

namespace {

namespace fs = std::filesystem;

// A menu as a list of "text=id" entries, "-" for a separator.
QStringList Describe(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << (action->isSeparator()
                      ? QStringLiteral("-")
                      : action->text() + QLatin1Char('=') + action->data().toString());
    }
    return items;
}

QStringList BarItems(CMainFrame& frame) {
    QStringList bar;
    for (const QAction* action : frame.menuBar()->actions()) {
        bar << action->text() + (action->menu() ? QStringLiteral("/") : QString()) +
                   (action->isEnabled() ? QString() : QStringLiteral(" (grey)"));
    }
    return bar;
}

QMenu* TopMenu(CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

void WriteLineFile(const std::string& path, const std::vector<std::string>& lines) {
    fs::create_directories(fs::path(path).parent_path());
    CompressedLineFile file;
    for (const std::string& line : lines) {
        file.AddLine(line);
    }
    QVERIFY(file.Write(path));
}

class FakeDialogs final : public TutorDialogs {
  public:
    LoginOutcome Login() override { return {}; }
    void UserDetails() override { calls << "UserDetails"; }
    int InitialTestWizard(bool) override {
        calls << "Wizard";
        if (whileWizardOpen) {
            whileWizardOpen();
        }
        return wizardLesson;
    }
    int ChooseLesson() override {
        calls << "ChooseLesson";
        return chosenLesson;
    }
    std::optional<std::string> ChooseTextFile() override { return std::nullopt; }
    bool EnterOwnTextLimits(OwnTextLimits&) override { return true; }
    bool Settings(TutorSettings&) override { return false; }
    void Results(const StrokeLog& log) override {
        calls << "Results " + QString::number(log.recordCount());
    }
    std::optional<std::string> SaveResultsFile() override { return std::nullopt; }
    std::optional<std::string> LoadResultsFile() override { return std::nullopt; }

    QStringList calls;
    int chosenLesson = -1;
    int wizardLesson = -1;
    std::function<void()> whileWizardOpen;
};

class QuietWorkers final : public SoundRequestSink,
                           public MetronomeControl,
                           public StrokeSoundSettings {
  public:
    void RequestSound(SoundRequest request) override { sounds.push_back(request); }
    void StartMetronome(int, int) override {}
    void StopMetronome() override {}
    void ApplySettings(const TutorSettings&) override {}
    std::vector<SoundRequest> sounds;
};

/// The program put together as its start does, with a test panel, dialogs that answer from
/// the test and a program folder holding one keyboard and its course:
///   lesson 0 "Home row": "asdf jkl", "fdsa"; 60 per minute, 5 %
///   lesson 1 "Enter": "as" + LineEndMark; lesson 2 "Accent": "\xE9s" (e acute, s)
///   keys: a s d f j k l, space, Tab, the line-end mark and e acute
class Program {
  public:
    explicit Program(bool newUser = false) {
        DataPaths::SetProgramFolder(folder.path());
        WriteLineFile(
            folder.File("config/00000409.kdd"),
            {"00000409", "60:20:1:a:A::0:", "60:36:1:s:S::1:", "60:52:1:d:D::2:", "60:68:1:f:F::3:",
             "60:116:1:j:J::6:", "60:132:1:k:K::7:", "60:148:1:l:L::8:", "99:60:120: :::4:",
             "20:0:1:\t:::0:", "40:250:1:\xA4:::9:", "20:40:1:\xE9:::2:"});
        WriteLineFile(folder.File("lessons/00000409_a.ddd"),
                      {"00000409_a", "Home row", "asdf:1:60:5:", "asdf jkl", "fdsa", "", "Enter",
                       "as:1:60:5:", "as\xA4", "", "Accent", "e:1:60:5:", "\xE9s"});
        fs::create_directories(folder.File("users"));
        profile.load("petr", false);
        profile.setPassword("secret");
        profile.setCourse("00000409", "_a");
        frame = std::make_unique<CMainFrame>(settingsStore, boxes, &panel, panel);
        session = std::make_unique<PracticeSession>(
            PracticeSession::Services{clock, course, log, profile, settings, panel, *frame, boxes,
                                      workers, workers},
            "petr", newUser);
        commands = std::make_unique<MainFrameCommands>(MainFrameCommands::Services{
            *session, course, log, profile, settings, keyboard, switcher, panel, panel, *frame,
            *frame, boxes, dialogs, boxes, boxes, boxes, workers});
        frame->Attach(*session, *commands);
        boxes.SetOwner(frame.get());
        boxes.SetTutorDialogs(&dialogs);
        boxes.SetEndOfLessonActions(commands.get());
        dialogs.whileWizardOpen = [this] {
            course.Reload(profile.keyboardId(), profile.courseName());
        };
    }

    ~Program() {
        if (frame) {
            frame->Detach();
        }
    }

    /// Shows the window, makes it active and runs its start; a known user chooses lesson.
    bool Start(int lesson = -1) {
        dialogs.chosenLesson = lesson;
        frame->show();
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame.get())) {
            return false;
        }
        commands->Start();
        return true;
    }

    /// Each character as a key click on the window, 250 ms apart on the engine's clock. The
    /// keys go the way the desktop's do: to the window, then to its focus widget.
    void Type(const QString& text) {
        for (QChar c : text) {
            clock.AdvanceMs(250);
            QTest::keyClick(frame->windowHandle(), c.toLatin1());
        }
    }
    void Press(Qt::Key key) {
        clock.AdvanceMs(250);
        QTest::keyClick(frame->windowHandle(), key);
    }

    const PracticeState& state() const { return session->state(); }

    TempDir folder;
    FakeClock clock;
    MemorySettingsStore settingsStore;
    LessonCourse course;
    StrokeLog log{clock};
    FixedDisketteFolder diskette{""};
    UserProfile profile{clock, folder.File("users/"), diskette};
    TutorSettings settings;
    Keyboard keyboard;
    NoSystemKeyboardLayouts systemLayouts;
    TutorMessageBoxes boxes;
    KeyboardLayoutSwitcher switcher{systemLayouts, boxes};
    FakeDialogs dialogs;
    QuietWorkers workers;
    /// Owned by the window, as the program's panel is.
    TestTextPanel& panel = *new TestTextPanel;
    ModalAnswerer answerer;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<PracticeSession> session;
    std::unique_ptr<MainFrameCommands> commands;
};

}  // namespace

class KelvaneMainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        UrlOpener::Replace([](const QUrl&) { return false; });
    }
    void cleanup() { UrlOpener::Replace({}); }

    // --- Menu, title, size ---

    void MenuBarHoldsTwoCommandsBetweenItsMenus() {
        Program program;
        QCOMPARE(BarItems(*program.frame),
                 (QStringList{"&Program/", "Pr&actice/", "&Settings", "&Results", "&Help/"}));
        QCOMPARE(program.frame->Action(TutorCommand::Settings)->data().toInt(), 32776);
        QCOMPARE(program.frame->Action(TutorCommand::Results)->data().toInt(), 32773);
    }

    void MenusListTheirCommandsInOrder_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Program") << "&Program"
                                 << QStringList{"Log in a New Use&r=32781",
                                                "Change &User Details=32780",
                                                "-",
                                                "&Save Results=32785",
                                                "&Load Results=32786",
                                                "-",
                                                "Save User Info on a &Diskette=32788",
                                                "-",
                                                "E&xit=57665"};
        QTest::newRow("Practice") << "Pr&actice"
                                  << QStringList{"&Choose a Lesson=32772",
                                                 "Choose a &Text File=32775"};
        QTest::newRow("Help") << "&Help"
                              << QStringList{"&Lesson Description=32778", "&Help=32779", "-",
                                             "&About...=57664"};
    }

    void MenusListTheirCommandsInOrder() {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        Program program;
        QMenu* found = TopMenu(*program.frame, menu);
        QVERIFY(found != nullptr);
        QCOMPARE(Describe(found), items);
    }

    void ShowsTheProductNameThePanelAndAStatusBar() {
        Program program;
        QCOMPARE(program.frame->windowTitle(), QString("Kelvane"));
        QCOMPARE(program.frame->centralWidget(), &program.panel);
        QVERIFY(!program.frame->windowIcon().isNull());
        program.frame->show();
        QVERIFY(program.frame->statusBar()->isVisible());
        program.frame->ShowStatusText("Layout not switched");
        QCOMPARE(program.frame->statusBar()->currentMessage(), QString("Layout not switched"));
    }

    void CannotBeMadeNarrowerThan550NorLowerThanThePanelNeeds() {
        Program program;
        QVERIFY(program.Start(0));
        program.frame->resize(300, 100);
        QCOMPARE(program.frame->width(), 550);
        // The lesson's layout asked for 300 pixels of panel.
        QCOMPARE(program.panel.height(), 300);
        QVERIFY(program.frame->height() > 300);
        // A panel that needs more makes the window grow during the run.
        program.panel.neededHeight = 420;
        program.frame->resize(600, 200);
        QCOMPARE(program.panel.height(), 420);
        QCOMPARE(program.frame->width(), 600);
    }

    void ExitClosesTheWindowAndStoresItsPlacement() {
        Program program;
        program.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.frame.get()));
        program.frame->move(70, 90);
        program.frame->resize(700, 480);
        program.frame->Action(TutorCommand::Exit)->trigger();
        QVERIFY(!program.frame->isVisible());
        QCOMPARE(program.settingsStore.ReadInt("Window", "mainframe_x", -1), 70);
        QCOMPARE(program.settingsStore.ReadInt("Window", "mainframe_y", -1), 90);
        QCOMPARE(program.settingsStore.ReadInt("Window", "mainframe_cx", -1), 700);
        QCOMPARE(program.settingsStore.ReadInt("Window", "mainframe_cy", -1), 480);
        QVERIFY(fs::exists(program.folder.File("users/petr.dat")));
    }

    void OpensWhereItWasLeft() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        TestTextPanel panel;
        {
            CMainFrame first(settings, messages, &panel, panel);
            first.show();
            QCOMPARE(first.pos(), QPoint(50, 50));
            QCOMPARE(first.size(), QSize(600, 350));
            first.move(20, 30);
            first.resize(640, 400);
            first.close();
            first.takeCentralWidget();
        }
        CMainFrame second(settings, messages, &panel, panel);
        second.show();
        QCOMPARE(second.pos(), QPoint(20, 30));
        QCOMPARE(second.size(), QSize(640, 400));
        second.takeCentralWidget();
    }

    void HelpOpensOurHelpOrSaysItIsMissing() {
        Program program;
        program.frame->Action(TutorCommand::Help)->trigger();
        QCOMPARE(program.answerer.seen.size(), 1u);
        QVERIFY(program.frame->findChild<HelpWindow*>() == nullptr);

        program.folder.Write(
            "help/kelvane/index.html",
            "<html><head><title>Kelvane Help</title></head><body>Hi</body></html>");
        program.frame->Action(TutorCommand::Help)->trigger();
        QCOMPARE(program.answerer.seen.size(), 1u);
        HelpWindow* help = program.frame->findChild<HelpWindow*>();
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QString("Kelvane Help"));
    }

    // --- Typing ---

    void KeysTypeAWholeLessonAndTheUserFileHoldsItAfterClosing() {
        Program program;
        // The end dialog: Exit.
        program.answerer.answers = {ModalAnswerer::Press(Qt::Key_Return),
                                    ModalAnswerer::Click("exit")};
        QVERIFY(program.Start(0));
        QVERIFY(program.state().runActive);
        program.Type("asdf jkl");
        QCOMPARE(program.state().lineIndex, 1);
        program.Type("fdsa");
        QCOMPARE(program.answerer.Names(), (QStringList{"NoteBox", "EndOfLessonDialog"}));
        QCOMPARE(program.answerer.Texts().front(), QString("Note:  Home row"));
        QCOMPARE(program.log.recordCount(), 12u);
        QVERIFY(!program.state().runActive);
        // Keys after Exit reach no run.
        program.Type("a");
        QCOMPARE(program.log.recordCount(), 12u);

        program.frame->close();
        CompressedLineFile file;
        QVERIFY(file.Read(program.folder.File("users/petr.dat")));
        QCOMPARE(file.lines().size(), 6u);
        QCOMPARE(QString::fromStdString(file.lines()[0]), QString("petr"));
        // 12 strokes in 3 seconds: 240 per minute, no errors, 1 attempt.
        QVERIFY2(QString::fromStdString(file.lines()[5]).endsWith(":0.00:240:3:1:"),
                 file.lines()[5].c_str());
    }

    void EachKeyPressIsOneCharacter_data() {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("strokes");
        QTest::addColumn<int>("errors");
        QTest::newRow("a letter") << 0 << int(Qt::Key_A) << "a" << 1 << 0;
        QTest::newRow("Enter as the line-end mark") << 1 << int(Qt::Key_Return) << "\r" << 1 << 1;
        QTest::newRow("Tab reaches the engine") << 0 << int(Qt::Key_Tab) << "\t" << 1 << 1;
        QTest::newRow("a letter the keyboard lacks") << 0 << int(Qt::Key_Q) << "q" << 0 << 0;
        QTest::newRow("a character the code page lacks")
            << 0 << int(Qt::Key_unknown) << QString::fromUtf8("ñ") << 0 << 0;
        QTest::newRow("an arrow") << 0 << int(Qt::Key_Left) << "" << 0 << 0;
    }

    void EachKeyPressIsOneCharacter() {
        QFETCH(int, lesson);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, strokes);
        QFETCH(int, errors);
        Program program;
        QVERIFY(program.Start(lesson));
        QTest::sendKeyEvent(QTest::Press, program.frame->windowHandle(), Qt::Key(key), text,
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, program.frame->windowHandle(), Qt::Key(key), text,
                            Qt::NoModifier);
        QCOMPARE(program.state().strokeCount, strokes);
        QCOMPARE(program.state().errorCount, errors);
        QCOMPARE(static_cast<int>(program.log.recordCount()), strokes);
    }

    void EnterTypesTheLineEndMark() {
        Program program;
        program.answerer.answers = {ModalAnswerer::Press(Qt::Key_Return),
                                    ModalAnswerer::Click("exit")};
        QVERIFY(program.Start(1));
        program.Type("as");
        program.Press(Qt::Key_Return);
        QCOMPARE(program.log.recordCount(), 3u);
        QCOMPARE(program.log.record(2).typed, '\xA4');
        QCOMPARE(program.log.record(2).expected, '\xA4');
    }

    void BackspaceTakesBackTheWrongStroke() {
        Program program;
        program.settings.errorMode = static_cast<int>(ErrorHandlingMode::BackspaceRequired);
        program.session->SettingsChanged();
        QVERIFY(program.Start(0));
        program.Type("ad");
        QCOMPARE(program.state().errorCount, 1);
        program.Press(Qt::Key_Backspace);
        QCOMPARE(program.state().errorCount, 0);
        QCOMPARE(program.state().column, 1);
        QCOMPARE(program.log.recordCount(), 1u);
    }

    void DeadKeysComposeThroughTheInputMethod() {
        Program program;
        QVERIFY(program.Start(2));
        // The first key of the pair commits nothing; the composed character comes as text.
        QInputMethodEvent pending(QStringLiteral("\u00B4"), {});
        QApplication::sendEvent(program.frame.get(), &pending);
        QCOMPARE(program.state().strokeCount, 0);
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("é"));
        QApplication::sendEvent(program.frame.get(), &composed);
        QCOMPARE(program.state().strokeCount, 1);
        QCOMPARE(program.state().errorCount, 0);
        QVERIFY(program.frame->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void AltPressedAndReleasedLeavesTheNextKeysToTheRun() {
        // The Windows look makes a lone Alt select the menu bar.
        const QString previous = QApplication::style()->name();
        QApplication::setStyle(QStringLiteral("windows"));
        const bool altSelectsTheMenu =
            QApplication::style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation) != 0;
        {
            Program program;
            QVERIFY(program.Start(0));
            QTRY_COMPARE(QApplication::focusWidget(), program.frame.get());
            // Alt alone as the desktop reports it: a shortcut check and a press with the Alt
            // modifier, a release without.
            for (auto [type, modifiers] : {std::pair{QEvent::ShortcutOverride, Qt::AltModifier},
                                           std::pair{QEvent::KeyPress, Qt::AltModifier},
                                           std::pair{QEvent::KeyRelease, Qt::NoModifier}}) {
                QKeyEvent alt(type, Qt::Key_Alt, modifiers);
                QApplication::sendEvent(QApplication::focusWidget(), &alt);
            }
            program.Type("as");
            QCOMPARE(program.state().strokeCount, 2);
            QCOMPARE(program.state().errorCount, 0);
            QVERIFY(QApplication::focusWidget() != program.frame->menuBar());
        }
        QApplication::setStyle(previous);
        QVERIFY(altSelectsTheMenu);
    }

    void AltWithALetterStillOpensItsMenu() {
        Program program;
        QVERIFY(program.Start(0));
        QTRY_COMPARE(QApplication::focusWidget(), program.frame.get());
        QTest::keyClick(program.frame->windowHandle(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QCOMPARE(QApplication::activePopupWidget(), TopMenu(*program.frame, "&Program"));
        QApplication::activePopupWidget()->close();
        QCOMPARE(program.state().strokeCount, 0);
    }

    // --- Focus and the practice timer ---

    void PracticeTimerRunsWhileTheWindowHasTheFocus() {
        Program program;
        QVERIFY(program.Start(0));
        QVERIFY(program.frame->mainHasFocus());
        QVERIFY(program.frame->practiceTimer().isActive());
        QCOMPARE(program.frame->practiceTimer().interval(), 400);
        QTRY_VERIFY(program.panel.movieFrames > 0);
    }

    void OpenInfoBoxStopsThePracticeTimer() {
        Program program;
        program.settings.errorMode = static_cast<int>(ErrorHandlingMode::WarnEachError);
        program.session->SettingsChanged();
        bool timerDuringWarning = true;
        bool focusDuringWarning = true;
        program.answerer.answers = {ModalAnswerer::Press(Qt::Key_Return), [&](QWidget* window) {
                                        timerDuringWarning =
                                            program.frame->practiceTimer().isActive();
                                        focusDuringWarning = program.frame->mainHasFocus();
                                        ModalAnswerer::Press(Qt::Key_Return)(window);
                                    }};
        QVERIFY(program.Start(0));
        QVERIFY(program.frame->practiceTimer().isActive());
        program.Type("d");
        QCOMPARE(program.answerer.Names(), (QStringList{"NoteBox", "InfoBox"}));
        QVERIFY(!timerDuringWarning);
        QVERIFY(!focusDuringWarning);
        // Back at once when the warning closes, not when the desktop says so.
        QVERIFY(program.frame->practiceTimer().isActive());
        QCOMPARE(program.state().errorCount, 1);
    }

    void IdleWindowKeepsNoTimer() {
        Program program;
        QVERIFY(program.Start());
        QVERIFY(!program.state().runActive);
        QVERIFY(!program.frame->practiceTimer().isActive());
        QVERIFY(!program.frame->mainHasFocus());
    }

    // --- The initial test ---

    void InitialTestPutsEndOfTestFirstAndGreysTheMenus() {
        Program program(true);
        program.dialogs.wizardLesson = 0;
        program.answerer.answers = {ModalAnswerer::Press(Qt::Key_Return),
                                    ModalAnswerer::Press(Qt::Key_Return)};
        QVERIFY(program.Start());
        QCOMPARE(program.dialogs.calls, (QStringList{"UserDetails", "Wizard"}));
        QCOMPARE(BarItems(*program.frame),
                 (QStringList{"&End of Test", "&Program/ (grey)", "Pr&actice/ (grey)",
                              "&Settings (grey)", "&Results (grey)", "&Help/ (grey)"}));
        QCOMPARE(program.frame->Action(TutorCommand::EndOfTest)->data().toInt(), 32790);
        // A greyed command does nothing even when triggered.
        program.frame->Action(TutorCommand::ChooseLesson)->trigger();
        QCOMPARE(program.dialogs.calls.size(), 2);

        program.dialogs.wizardLesson = -1;
        program.frame->Action(TutorCommand::EndOfTest)->trigger();
        QCOMPARE(program.answerer.Texts().back(),
                 QString("Unfortunately, you have failed this test. Please, choose an easier "
                         "lesson."));
        QCOMPARE(BarItems(*program.frame),
                 (QStringList{"&Program/", "Pr&actice/", "&Settings", "&Results", "&Help/"}));
        QVERIFY(!program.state().initialTestRunning);
    }

    // --- Dropped files ---

    void DroppedResultsFileIsShownAndRefusedDuringTheTest() {
        Program program(true);
        StrokeLog saved(program.clock);
        saved.Start(0, "eva", 5.0, 60, 8, "Home row");
        saved.Add('a', 'a', 250);
        const std::string path = program.folder.File("RUN.STAT.txt");
        QVERIFY(saved.saveStat(path));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});

        program.dialogs.wizardLesson = 0;
        QVERIFY(program.Start());
        QDragEnterEvent enterDuringTest(QPoint(10, 60), Qt::CopyAction, &data, Qt::LeftButton,
                                        Qt::NoModifier);
        QApplication::sendEvent(program.frame.get(), &enterDuringTest);
        QVERIFY(!enterDuringTest.isAccepted());

        program.dialogs.wizardLesson = -1;
        program.frame->Action(TutorCommand::EndOfTest)->trigger();
        QDragEnterEvent enter(QPoint(10, 60), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(program.frame.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(program.frame.get(), &drop);
        QTRY_VERIFY(program.dialogs.calls.contains("Results 1"));
    }
};

QTEST_MAIN(KelvaneMainFrameTest)
#include "c_main_frame_test.moc"
