#include "tutor/practice/ui/c_main_frame.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/ui/about_dialog.h"
#include "common/ui/help_window.h"
#include "common/ui/url_opener.h"
#include "tutor/practice/ui/idle_panel.h"

namespace {

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

QMenu* TopMenu(CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

}  // namespace

class KelvaneMainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        UrlOpener::Replace([](const QUrl&) { return false; });
    }
    void cleanup() { UrlOpener::Replace({}); }

    void MenuBarHoldsTwoCommandsBetweenItsMenus() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QStringList bar;
        for (const QAction* action : frame.menuBar()->actions()) {
            bar << action->text() + (action->menu() ? QStringLiteral("/") : QString());
        }
        QCOMPARE(bar, (QStringList{"&Program/", "Pr&actice/", "&Settings", "&Results", "&Help/"}));
        QCOMPARE(frame.Action(TutorCommand::Settings)->data().toInt(), 32776);
        QCOMPARE(frame.Action(TutorCommand::Results)->data().toInt(), 32773);
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
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QMenu* found = TopMenu(frame, menu);
        QVERIFY(found != nullptr);
        QCOMPARE(Describe(found), items);
    }

    void CommandsNotBuiltYetSayNotAvailable_data() {
        QTest::addColumn<int>("command");
        for (TutorCommand command :
             {TutorCommand::LogInNewUser, TutorCommand::ChangeUserDetails,
              TutorCommand::SaveResults, TutorCommand::LoadResults,
              TutorCommand::SaveUserInfoOnDiskette, TutorCommand::ChooseLesson,
              TutorCommand::ChooseTextFile, TutorCommand::Settings, TutorCommand::Results,
              TutorCommand::LessonDescription}) {
            QTest::newRow(QByteArray::number(static_cast<int>(command)).constData())
                << static_cast<int>(command);
        }
    }

    void CommandsNotBuiltYetSayNotAvailable() {
        QFETCH(int, command);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.show();
        QAction* action = frame.Action(static_cast<TutorCommand>(command));
        QVERIFY(action != nullptr);
        action->trigger();
        QCOMPARE(messages.messages.size(), 1u);
        QCOMPARE(messages.messages[0].caption, std::string("Kelvane"));
        QCOMPARE(messages.messages[0].text, std::string("Not available yet"));
        QVERIFY(frame.isVisible());
    }

    void ExitClosesTheWindowAndStoresItsPlacement() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.move(70, 90);
        frame.resize(700, 480);
        frame.Action(TutorCommand::Exit)->trigger();
        QVERIFY(!frame.isVisible());
        QVERIFY(messages.messages.empty());
        QCOMPARE(settings.ReadInt("Window", "mainframe_x", -1), 70);
        QCOMPARE(settings.ReadInt("Window", "mainframe_y", -1), 90);
        QCOMPARE(settings.ReadInt("Window", "mainframe_cx", -1), 700);
        QCOMPARE(settings.ReadInt("Window", "mainframe_cy", -1), 480);
        QCOMPARE(settings.ReadInt("Window", "mainframe_max", -1), 0);
    }

    void OpensWhereItWasLeft() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        {
            CMainFrame first(settings, &messages);
            first.show();
            QCOMPARE(first.pos(), QPoint(50, 50));
            QCOMPARE(first.size(), QSize(600, 350));
            first.move(20, 30);
            first.resize(640, 400);
            first.close();
        }
        CMainFrame second(settings, &messages);
        second.show();
        QCOMPARE(second.pos(), QPoint(20, 30));
        QCOMPARE(second.size(), QSize(640, 400));
    }

    void CannotBeMadeNarrowerThan550() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.show();
        frame.resize(300, 100);
        QCOMPARE(frame.width(), 550);
        QCOMPARE(frame.height(), 220);
        frame.resize(551, 221);
        QCOMPARE(frame.size(), QSize(551, 221));
    }

    void ShowsTheProductNameAndAQuietPanel() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QCOMPARE(frame.windowTitle(), QString("Kelvane"));
        QVERIFY(qobject_cast<IdlePanel*>(frame.centralWidget()) != nullptr);
        QVERIFY(!frame.windowIcon().isNull());
    }

    void HelpOpensOurHelpOrSaysItIsMissing() {
        TempDir folder;
        DataPaths::SetProgramFolder(folder.path());
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.Action(TutorCommand::Help)->trigger();
        QCOMPARE(messages.messages.size(), 1u);
        QCOMPARE(messages.messages[0].caption, std::string("Kelvane"));
        QVERIFY(frame.findChild<HelpWindow*>() == nullptr);

        folder.Write("help/kelvane/index.html",
                     "<html><head><title>Kelvane Help</title></head><body>Hi</body></html>");
        frame.Action(TutorCommand::Help)->trigger();
        QCOMPARE(messages.messages.size(), 1u);
        HelpWindow* help = frame.findChild<HelpWindow*>();
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QString("Kelvane Help"));
    }

    void AboutShowsTheAboutBox() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.show();
        QString title;
        QTimer::singleShot(0, [&title] {
            auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            QVERIFY(about != nullptr);
            title = about->windowTitle();
            about->accept();
        });
        frame.Action(TutorCommand::About)->trigger();
        QCOMPARE(title, QString("About Kelvane"));
        QVERIFY(messages.messages.empty());
    }
};

QTEST_MAIN(KelvaneMainFrameTest)
#include "c_main_frame_test.moc"
