// The results side of Morvik's main window on real widgets: the Final Summary sheet and its
// Basic Results page, Load Results, Compare two text files, Save User Text, the view
// commands, the re-play with its real worker, and the report commands.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/ui/qt_text.h"
#include "tester/basic_results_page_model.h"
#include "tester/parameter_sheet_model.h"
#include "tester/path_settings.h"
#include "tester/replay_worker.h"
#include "tester/test_data.h"
#include "tester/test_record_file.h"
#include "tester/thread_sleeper.h"
#include "tester/tests/scripted_yes_no_question.h"
#include "tester/ui/c_basic_results_page.h"
#include "tester/ui/c_main_frame.h"
#include "tester/ui/c_orig_text_view.h"
#include "tester/ui/c_parameter_sheet.h"
#include "tester/ui/c_result_text_view.h"
#include "tester/ui/c_user_text_view.h"
#include "tester/ui/qt_report_output.h"
#include "tester/ui/tester_services.h"
#include "tester/ui/tests/scripted_file_dialogs.h"

namespace {

// Sleeps for real, but not before the test has opened it: a worker held at its first wait
// cannot run ahead of what the test does meanwhile, however slow the machine. (A test that
// fails before opening it is let go after a while, so that the window can close.)
class GateSleeper final : public Sleeper {
  public:
    void SleepMs(int ms) override {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            opened_.wait_for(lock, std::chrono::seconds(20), [this] { return open_; });
        }
        real_.SleepMs(ms);
    }
    void Open() {
        std::lock_guard<std::mutex> lock(mutex_);
        open_ = true;
        opened_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
    ThreadSleeper real_;
};

struct Services {
    Services() {
        DataPaths::SetProgramFolder(program.path() + "/");
        DataPaths::SetWritableRoot(program.path());
    }
    ~Services() { DataPaths::SetWritableRoot(""); }
    TesterServices Get() { return {settings, paths, clock, data, &messages, &questions, &dialogs}; }

    TempDir program;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    FakeClock clock;
    TestData data;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    ScriptedFileDialogs dialogs;
};

// Answers the next sheet with the given caption as soon as it is the active modal window;
// sheets with other captions are left alone (they come first or later).
void WhenSheet(const QString& caption, std::function<void(CParameterSheet*)> answer) {
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, started, caption, answer] {
        auto* sheet = qobject_cast<CParameterSheet*>(QApplication::activeModalWidget());
        if (sheet != nullptr && sheet->windowTitle() == caption && sheet->isVisible()) {
            timer->stop();
            timer->deleteLater();
            // Keys go to the focus, which the offscreen platform gives an active window only.
            sheet->activateWindow();
            if (!QTest::qWaitForWindowActive(sheet)) {
                // Keys would reach no field: fail, and close the sheet rather than wait.
                QTest::qFail("the sheet did not become active", __FILE__, __LINE__);
                sheet->reject();
                return;
            }
            answer(sheet);
        } else if (started->elapsed() > 10000) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// Types text as key presses, letters beyond ASCII too (QTest::keyClicks takes ASCII only).
void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

QStringList Tabs(const CParameterSheet* sheet) {
    QStringList tabs;
    for (int i = 0; i < sheet->tabs()->count(); ++i) {
        tabs << sheet->tabs()->tabText(i);
    }
    return tabs;
}

// A run typed against a text: a wrong letter, a skipped word and a line break, with its key
// events 20 ms apart.
TestData KnownRun(int fromDefinition = 0) {
    TestData run;
    run.originalText = "The quick brown fox jumps over the lazy dog.\r\nSecond line.";
    run.typedText = "The quick brpwn jumps over the lazy dog.\r\nSecond line \x9E.";
    for (char c : run.typedText) {
        if (c != '\n') {
            run.keystrokeLog.push_back(
                {20, KeystrokeRecord::kChar, static_cast<unsigned char>(c), 1});
        }
    }
    run.durationSeconds = 75;
    run.endTime = 1045213507;
    run.nickname = "kim";
    run.fromTestDefinition = fromDefinition;
    run.testId = "MV20030214_090507_1200_3045";
    run.testName = "Drill";
    return run;
}

std::string WriteResults(Services& s, const std::string& name, const TestData& run) {
    const std::string path = s.program.File(name);
    TestRecordFile::WriteRecords(run, path);
    return path;
}

// What "morvik --assess" makes of a results file.
BasicResults AssessedAsOnTheCommandLine(const std::string& path, int unit) {
    TestData data;
    data.Reset();
    TestRecordFile::ReadRecords(path, data);
    data.Assess(TestData::ExtendOriginal(data.originalText, data.typedText), data.typedText);
    return data.ComputeBasicResults(unit);
}

QString Field(CParameterSheet* sheet, int page, int id) {
    auto* edit = qobject_cast<QLineEdit*>(sheet->page(page)->Field(id));
    return edit != nullptr ? edit->text() : QStringLiteral("<none>");
}

// Loads a results file as the command line does and closes the Final Summary.
void OpenResults(CMainFrame& frame, const std::string& path) {
    WhenSheet(QStringLiteral("Final Summary"), [](CParameterSheet* sheet) { sheet->reject(); });
    frame.OpenFile(path);
}

}  // namespace

class CMainFrameResultsTest : public QObject {
    Q_OBJECT

  private slots:
    void BasicResultsShowTheFiguresAndSwitchUnitsByKeys() {
        Services s;
        const std::string path = WriteResults(s, "run.2mvk", KnownRun());
        const BasicResults words = AssessedAsOnTheCommandLine(path, TestData::kWordsUnit);
        const BasicResults strokes = AssessedAsOnTheCommandLine(path, TestData::kStrokesUnit);
        CMainFrame frame(s.Get());
        frame.show();
        QStringList before;
        QStringList after;
        WhenSheet(QStringLiteral("Final Summary"), [&](CParameterSheet* sheet) {
            const auto fields = [sheet] {
                return QStringList{Field(sheet, 0, BasicResultsPageModel::kTotalTimeField),
                                   Field(sheet, 0, BasicResultsPageModel::kGrossStrokesField),
                                   Field(sheet, 0, BasicResultsPageModel::kNetSpeedField),
                                   Field(sheet, 0, BasicResultsPageModel::kErrorRateField),
                                   Field(sheet, 0, BasicResultsPageModel::kErrorsField),
                                   Field(sheet, 0, BasicResultsPageModel::kDateField),
                                   Field(sheet, 0, BasicResultsPageModel::kTimeEndedField)};
            };
            before = fields();
            // Tab down to the unit list, the other unit by the arrow key.
            QWidget* unit = sheet->page(0)->Field(BasicResultsPageModel::kUnitField);
            for (int i = 0; i < 6 && QApplication::focusWidget() != unit; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            if (QApplication::focusWidget() == unit) {
                QTest::keyClick(unit, Qt::Key_Up);
            }
            after = fields();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        frame.OpenFile(path);
        QCOMPARE(before, (QStringList{"00:01:15", QString::number(words.grossStrokes),
                                      QString::number(words.netSpeed, 'f', 2),
                                      QString::fromStdString(words.errorRate),
                                      QString::number(words.errors), "02/14/2003", "09:05:07"}));
        QCOMPARE(after, (QStringList{"00:01:15", QString::number(strokes.grossStrokes),
                                     QString::number(strokes.netSpeed, 'f', 2),
                                     QString::fromStdString(strokes.errorRate),
                                     QString::number(strokes.errors), "02/14/2003", "09:05:07"}));
        QCOMPARE(s.settings.ReadInt("", "CalculationType", -1), TestData::kStrokesUnit);
        // The assessed view counts in the new unit once the sheet is closed.
        QCOMPARE(frame.resultTextView()->unit(), TestData::kStrokesUnit);
        QCOMPARE(frame.resultTextView()->figures().back().runningTotal, strokes.grossStrokes);
    }

    // The comparison's sheet is in CompareTwoFilesByKeysAlone.
    void FinalSummaryShowsThePagesOfWhereTheResultsCameFrom() {
        Services s;
        CMainFrame frame(s.Get());
        frame.show();
        QStringList tabs;
        const auto look = [&tabs](CParameterSheet* sheet) {
            tabs = Tabs(sheet);
            sheet->reject();
        };
        WhenSheet(QStringLiteral("Final Summary"), look);
        frame.OpenFile(WriteResults(s, "definition.2mvk", KnownRun(1)));
        QCOMPARE(tabs, (QStringList{"Basic Results", "Description", "Controls", "Characters",
                                    "Calculation Rules", "User Info"}));

        WhenSheet(QStringLiteral("Final Summary"), look);
        s.dialogs.openAnswers = {WriteResults(s, "plain.2mvk", KnownRun(0))};
        frame.OnCommand(TesterCommand::LoadResults);
        const QStringList plain{"Basic Results", "Controls", "Characters", "Calculation Rules",
                                "User Info"};
        QCOMPARE(tabs, plain);

        // F6 shows it again.
        tabs.clear();
        WhenSheet(QStringLiteral("Final Summary"), look);
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F6);
        QCOMPARE(tabs, plain);
    }

    void LoadResultsShowsTheRunAndADamagedFileKeepsIt() {
        Services s;
        const std::string path = WriteResults(s, "run.2mvk", KnownRun());
        CMainFrame frame(s.Get());
        frame.show();
        WhenSheet(QStringLiteral("Final Summary"), [](CParameterSheet* sheet) { sheet->reject(); });
        s.dialogs.openAnswers = {path};
        frame.OnCommand(TesterCommand::LoadResults);
        QCOMPARE(frame.windowTitle(), QString::fromStdString("Morvik - " + path));
        QCOMPARE(frame.origTextView()->toPlainText(),
                 QString("The quick brown fox jumps over the lazy dog.\nSecond line."));
        QVERIFY(!frame.IsUserTextViewShown());
        QCOMPARE(frame.resultTextView()->assessedText().text, KnownRun().typedText);
        QVERIFY(frame.Action(TesterCommand::PrintResults)->isEnabled());
        QVERIFY(frame.Action(TesterCommand::ReplayPlay)->isEnabled());
        const int errors = s.data.errorCount;

        const std::string damaged =
            s.program.Write("damaged.2mvk", std::string("\x05\x00\x00\x00garbage", 11));
        s.dialogs.openAnswers = {damaged};
        frame.OnCommand(TesterCommand::LoadResults);
        QCOMPARE(s.messages.messages.size(), 1u);
        QVERIFY(s.messages.messages[0].text.find("damaged.2mvk") != std::string::npos);
        QCOMPARE(frame.windowTitle(), QString::fromStdString("Morvik - " + path));
        QCOMPARE(s.data.typedText, KnownRun().typedText);
        QCOMPARE(s.data.errorCount, errors);
        QCOMPARE(s.data.resultsAvailable, 1);
        QCOMPARE(frame.resultTextView()->assessedText().text, KnownRun().typedText);
    }

    void CompareTwoFilesByKeysAlone() {
        Services s;
        const std::string original = s.program.Write("original.txt", "One two three.\nFour.\n");
        const std::string typed = s.program.Write("typed \xC5\xBE.txt", "One tow three.\nFour.\n");
        CMainFrame frame(s.Get());
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QStringList summaryTabs;
        WhenSheet(QStringLiteral("Select parameters for comparison"), [&](CParameterSheet* sheet) {
            // The focus starts in the first field; Tab passes its "Select File" button.
            TypeText(QApplication::focusWidget(), PathToQString(original));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            TypeText(QApplication::focusWidget(), PathToQString(typed));
            WhenSheet(QStringLiteral("Final Summary"), [&](CParameterSheet* summary) {
                summaryTabs = Tabs(summary);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            (void)sheet;
        });
        // Alt+F opens the File menu, C is "&Compare two text files".
        QTest::keyClick(&frame, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
        QTRY_COMPARE(summaryTabs, (QStringList{"Basic Results", "Characters"}));
        QCOMPARE(s.data.twoFilesMode, 1);
        QCOMPARE(s.data.typedText, std::string("One tow three.\r\nFour."));
        QVERIFY(s.data.errorCount > 0);
        QCOMPARE(frame.windowTitle(),
                 QString::fromStdString("Morvik - " + original + " - " + typed));
        QCOMPARE(s.paths.ReadPath("", "TwoFilesUser", ""), typed);
        QVERIFY(!frame.Action(TesterCommand::SaveResults)->isEnabled());
        QVERIFY(frame.Action(TesterCommand::SaveUserText)->isEnabled());
    }

    void SaveUserTextAndTheViewCommands() {
        Services s;
        CMainFrame frame(s.Get());
        frame.show();
        OpenResults(frame, WriteResults(s, "run.2mvk", KnownRun()));
        const std::string target = s.program.File("typed.txt");
        s.dialogs.saveAnswers = {target};
        frame.Action(TesterCommand::SaveUserText)->trigger();
        QCOMPARE(TempDir::ReadAll(target), KnownRun().typedText);

        frame.Action(TesterCommand::UserText)->trigger();
        QVERIFY(frame.IsUserTextViewShown());
        QCOMPARE(frame.userTextView()->Text(), KnownRun().typedText);
        frame.Action(TesterCommand::TextAfterAssessment)->trigger();
        QVERIFY(!frame.IsUserTextViewShown());
        QCOMPARE(frame.focusWidget(), frame.origTextView());
    }

    void ReplayTypesTheRunAgainAndKeysChangeNothing() {
        Services s;
        CMainFrame frame(s.Get());
        frame.show();
        OpenResults(frame, WriteResults(s, "run.2mvk", KnownRun()));
        QVERIFY(frame.Action(TesterCommand::ReplayPlay)->isEnabled());
        frame.Action(TesterCommand::ReplayPlay)->trigger();
        QVERIFY(frame.IsUserTextViewShown());
        QCOMPARE(s.data.replayRunning, 1);
        QVERIFY(!frame.Action(TesterCommand::ReplayPlay)->isEnabled());
        QVERIFY(frame.Action(TesterCommand::ReplayPause)->isEnabled());
        QVERIFY(frame.Action(TesterCommand::ReplayStop)->isEnabled());
        for (TesterCommand off :
             {TesterCommand::Start, TesterCommand::CreateTypingTest, TesterCommand::LoadTypingTest,
              TesterCommand::LoadResults, TesterCommand::CompareTextFiles}) {
            QVERIFY(!frame.Action(off)->isEnabled());
        }
        QCOMPARE(frame.focusWidget(), frame.origTextView());
        // The text grows; keys typed into the view meanwhile leave no trace.
        QTRY_VERIFY(frame.userTextView()->TypedLength() >= 3);
        QTest::keyClicks(frame.userTextView(), "ZZZ");
        QTest::keyClick(frame.userTextView(), Qt::Key_Backspace);
        QTRY_COMPARE_WITH_TIMEOUT(s.data.replayRunning, 0, 10000);
        QCOMPARE(frame.userTextView()->Text(), KnownRun().typedText);
        QTRY_VERIFY(frame.Action(TesterCommand::ReplayPlay)->isEnabled());
        QVERIFY(!frame.Action(TesterCommand::ReplayStop)->isEnabled());
        QVERIFY(frame.Action(TesterCommand::Start)->isEnabled());
        QCOMPARE(s.data.keystrokeLog.size(), KnownRun().keystrokeLog.size());
    }

    void ReplayPausesAfterTheEventAndStopsAtOnce() {
        Services s;
        TestData run = KnownRun();
        run.keystrokeLog = {{0, KeystrokeRecord::kChar, 'T', 1},
                            {300, KeystrokeRecord::kChar, 'h', 1},
                            {0, KeystrokeRecord::kChar, 'e', 1},
                            {60000, KeystrokeRecord::kChar, ' ', 1}};
        GateSleeper sleeper;
        TesterServices services = s.Get();
        services.sleeper = &sleeper;
        CMainFrame frame(services);
        frame.show();
        OpenResults(frame, WriteResults(s, "run.2mvk", run));
        frame.OnCommand(TesterCommand::ReplayPlay);
        QTRY_COMPARE(frame.userTextView()->Text(), std::string("T"));
        // Paused while the 300 ms of "h" run: "h" still comes, then nothing.
        frame.OnCommand(TesterCommand::ReplayPause);
        QVERIFY(frame.Action(TesterCommand::ReplayPlay)->isEnabled());
        QVERIFY(!frame.Action(TesterCommand::ReplayPause)->isEnabled());
        sleeper.Open();
        QTRY_COMPARE(frame.userTextView()->Text(), std::string("Th"));
        QTest::qWait(600);
        QCOMPARE(frame.userTextView()->Text(), std::string("Th"));
        frame.OnCommand(TesterCommand::ReplayPlay);
        QTRY_COMPARE(frame.userTextView()->Text(), std::string("The"));
        // Now the minute before the space: Stop ends it at once.
        QElapsedTimer stopping;
        stopping.start();
        frame.OnCommand(TesterCommand::ReplayStop);
        frame.replay().Join();
        QVERIFY2(stopping.elapsed() < 1000, qPrintable(QString::number(stopping.elapsed())));
        QCOMPARE(s.data.replayRunning, 0);
        QVERIFY(!frame.IsUserTextViewShown());
        QCOMPARE(frame.resultTextView()->assessedText().text, run.typedText);
        QVERIFY(frame.Action(TesterCommand::ReplayPlay)->isEnabled());
    }

    void ExitEndsTheReplay() {
        Services s;
        TestData run = KnownRun();
        run.keystrokeLog = {{0, KeystrokeRecord::kChar, 'T', 1},
                            {60000, KeystrokeRecord::kChar, 'h', 1}};
        CMainFrame frame(s.Get());
        frame.show();
        OpenResults(frame, WriteResults(s, "run.2mvk", run));
        frame.OnCommand(TesterCommand::ReplayPlay);
        QTRY_COMPARE(frame.userTextView()->Text(), std::string("T"));
        QElapsedTimer closing;
        closing.start();
        QVERIFY(frame.close());
        // The worker was joined on the way out, long before its minute was up.
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
        QCOMPARE(s.data.replayRunning, 0);
        QVERIFY(s.questions.asked.empty());
    }

    void PlayIsOffForAnEmptyLog() {
        Services s;
        TestData run = KnownRun();
        run.keystrokeLog.clear();
        CMainFrame frame(s.Get());
        OpenResults(frame, WriteResults(s, "run.2mvk", run));
        QCOMPARE(s.data.resultsAvailable, 1);
        QVERIFY(!frame.Action(TesterCommand::ReplayPlay)->isEnabled());
    }
};

QTEST_MAIN(CMainFrameResultsTest)
#include "c_main_frame_results_test.moc"
