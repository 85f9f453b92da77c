#include "common/ui/show_help.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTextBrowser>
#include <QWidget>

#include <memory>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/ui/help_window.h"
#include "common/ui/url_opener.h"

namespace {

constexpr const char* kIndex =
    "<html><head><title>Kelvane Help</title></head><body><h1>Contents</h1>"
    "<p><a href=\"lessons.html\">Lessons</a> <a href=\"https://kelvane.example.org\">web</a>"
    "</p></body></html>";
constexpr const char* kLessons =
    "<html><head><title>Lessons</title></head><body><p>About lessons.</p></body></html>";

HelpWindow* OpenHelpWindow(QWidget& owner) {
    return owner.findChild<HelpWindow*>();
}

}  // namespace

class ShowHelpTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TempDir> folder_;
    QStringList opened_;
    QStringList accepted_;

  private slots:
    void init() {
        folder_ = std::make_unique<TempDir>();
        DataPaths::SetProgramFolder(folder_->path());
        opened_.clear();
        accepted_.clear();
        UrlOpener::Replace([this](const QUrl& url) {
            opened_.append(url.fileName().isEmpty() ? url.toString() : url.fileName());
            return accepted_.contains(url.fileName());
        });
    }

    void cleanup() {
        UrlOpener::Replace({});
        folder_.reset();
    }

    void LooksForChmThenHlpThenOurOwnHelp_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("accepted");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("asked");
        const QStringList all{"Kelvane.chm", "Kelvane.hlp", "help/kelvane/index.html"};
        QTest::newRow("chm first") << all << QStringList{"Kelvane.chm", "Kelvane.hlp"}
                                   << int(HelpShown::Chm) << QStringList{"Kelvane.chm"};
        QTest::newRow("hlp when the desktop refuses the chm")
            << all << QStringList{"Kelvane.hlp"} << int(HelpShown::Hlp)
            << QStringList{"Kelvane.chm", "Kelvane.hlp"};
        QTest::newRow("hlp when there is no chm")
            << QStringList{"Kelvane.hlp"} << QStringList{"Kelvane.hlp"} << int(HelpShown::Hlp)
            << QStringList{"Kelvane.hlp"};
        QTest::newRow("our help when the desktop takes neither")
            << all << QStringList{} << int(HelpShown::HtmlWindow)
            << QStringList{"Kelvane.chm", "Kelvane.hlp"};
        QTest::newRow("our help without chm and hlp")
            << QStringList{"help/kelvane/index.html"} << QStringList{} << int(HelpShown::HtmlWindow)
            << QStringList{};
        QTest::newRow("nothing at all")
            << QStringList{} << QStringList{} << int(HelpShown::Missing) << QStringList{};
    }

    void LooksForChmThenHlpThenOurOwnHelp() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, accepted);
        QFETCH(int, shown);
        QFETCH(QStringList, asked);
        for (const QString& file : files) {
            folder_->Write(file.toStdString(), file.endsWith(".html") ? kIndex : "x");
        }
        accepted_ = accepted;
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        QWidget owner;
        QCOMPARE(int(ShowHelp(&owner, "Kelvane", settings, messages)), shown);
        QCOMPARE(opened_, asked);
        HelpWindow* window = OpenHelpWindow(owner);
        QCOMPARE(window != nullptr, shown == int(HelpShown::HtmlWindow));
        QCOMPARE(messages.messages.size(), shown == int(HelpShown::Missing) ? 1u : 0u);
    }

    void MissingHelpSaysSoUnderTheProductName() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        QWidget owner;
        ShowHelp(&owner, "Morvik", settings, messages);
        QCOMPARE(messages.messages.size(), 1u);
        QCOMPARE(messages.messages[0].caption, std::string("Morvik"));
        QVERIFY(messages.messages[0].text.find("help of Morvik cannot be found") !=
                std::string::npos);
        QVERIFY(messages.messages[0].text.find(folder_->path()) != std::string::npos);
    }

    void HelpFolderIsTheLowerCaseProductName() {
        folder_->Write("help/morvik/index.html", kIndex);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        QWidget owner;
        QCOMPARE(ShowHelp(&owner, "Morvik", settings, messages), HelpShown::HtmlWindow);
    }

    void HelpWindowShowsThePageTitleAndNavigates() {
        folder_->Write("help/kelvane/index.html", kIndex);
        folder_->Write("help/kelvane/lessons.html", kLessons);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        QWidget owner;
        ShowHelp(&owner, "Kelvane", settings, messages);
        HelpWindow* window = OpenHelpWindow(owner);
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Kelvane Help"));
        QVERIFY(window->browser()->toPlainText().contains("Contents"));
        QVERIFY(!window->backAction()->isEnabled());

        emit window->browser()->anchorClicked(QUrl("lessons.html"));
        QCOMPARE(window->windowTitle(), QString("Lessons"));
        QVERIFY(window->backAction()->isEnabled());
        window->backAction()->trigger();
        QCOMPARE(window->windowTitle(), QString("Kelvane Help"));
        QVERIFY(window->forwardAction()->isEnabled());
        window->forwardAction()->trigger();
        QCOMPARE(window->windowTitle(), QString("Lessons"));
        window->homeAction()->trigger();
        QCOMPARE(window->windowTitle(), QString("Kelvane Help"));

        emit window->browser()->anchorClicked(QUrl("https://kelvane.example.org"));
        QCOMPARE(opened_, QStringList{"https://kelvane.example.org"});
        QCOMPARE(window->windowTitle(), QString("Kelvane Help"));
    }

    void SecondCallReusesTheWindow() {
        folder_->Write("help/kelvane/index.html", kIndex);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        QWidget owner;
        ShowHelp(&owner, "Kelvane", settings, messages);
        ShowHelp(&owner, "Kelvane", settings, messages);
        QCOMPARE(owner.findChildren<HelpWindow*>().size(), 1);
    }

    void HelpWindowRemembersItsPlacement() {
        folder_->Write("help/kelvane/index.html", kIndex);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        QWidget owner;
        ShowHelp(&owner, "Kelvane", settings, messages);
        HelpWindow* window = OpenHelpWindow(owner);
        window->move(33, 44);
        window->resize(500, 400);
        window->close();
        QCOMPARE(settings.ReadInt("Window", "helpwindow_x", -1), 33);
        QCOMPARE(settings.ReadInt("Window", "helpwindow_cx", -1), 500);
        QCOMPARE(settings.ReadInt("Window", "helpwindow_cy", -1), 400);
        QTRY_VERIFY(OpenHelpWindow(owner) == nullptr);

        ShowHelp(&owner, "Kelvane", settings, messages);
        window = OpenHelpWindow(owner);
        QVERIFY(window != nullptr);
        QCOMPARE(window->pos(), QPoint(33, 44));
        QCOMPARE(window->size(), QSize(500, 400));
    }
};

QTEST_MAIN(ShowHelpTest)
#include "show_help_test.moc"
