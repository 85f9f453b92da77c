// The small windows of the practice: the note, the "Info" window and the message boxes as
// the one service shows them, "End of the Lesson", the welcome window, the pictures and the
// watch over modal windows.

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <string>
#include <vector>

#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/appearance_list.h"
#include "tutor/course/tests/test_jpeg_encoder.h"
#include "tutor/course/ui/appearance_pictures.h"
#include "tutor/practice/end_of_lesson_actions.h"
#include "tutor/practice/ui/end_of_lesson_dialog.h"
#include "tutor/practice/ui/kelvane_icon.h"
#include "tutor/practice/ui/modal_window_watcher.h"
#include "tutor/practice/ui/note_box.h"
#include "tutor/practice/ui/program_pictures.h"
#include "tutor/practice/ui/tests/modal_answerer.h"
#include "tutor/practice/ui/tutor_message_boxes.h"
#include "tutor/practice/ui/welcome_window.h"

namespace {

class RecordingActions final : public EndOfLessonActions {
  public:
    void ShowResults() override { ++results; }
    void SaveResults() override { ++saves; }
    int results = 0;
    int saves = 0;
};

void WriteJpeg(const TempDir& folder, const std::string& name, TestRgb colour) {
    TestJpegOptions options;
    options.width = 16;
    options.height = 16;
    const std::vector<std::uint8_t> jpeg =
        EncodeTestJpeg(options, TestRgbSamples(16, 16, [colour](int, int) { return colour; }));
    folder.Write(name, std::string(jpeg.begin(), jpeg.end()));
}

void WriteAppearance(const TempDir& folder, const std::string& name) {
    for (std::string_view file : AppearanceList::kPictureFiles) {
        WriteJpeg(folder, name + "/" + std::string(file), {0, 0, 200});
    }
}

}  // namespace

class SmallWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    // --- The note ---

    void NoteShowsItsTextOverThePictureAndClosesByKeys_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Space on OK") << int(Qt::Key_Space);
    }

    void NoteShowsItsTextOverThePictureAndClosesByKeys() {
        QFETCH(int, key);
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(QColor(0, 150, 0));
        TutorMessageBoxes boxes;
        boxes.SetNotePicture([picture] { return picture; });
        ModalAnswerer answerer;
        QImage shown;
        QRect textArea;
        answerer.answers.push_back([&](QWidget* window) {
            shown = window->grab().toImage();
            textArea = static_cast<NoteBox*>(window)->textLabel()->geometry();
            ModalAnswerer::Press(Qt::Key(key))(window);
        });
        boxes.NoteBox("Note:  Home row");
        QCOMPARE(answerer.Names(), QStringList{"NoteBox"});
        QCOMPARE(answerer.Texts(), QStringList{"Note:  Home row"});
        // The picture fills the window behind the text.
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.pixelColor(2, 2), QColor(0, 150, 0));
        QCOMPARE(shown.pixelColor(shown.width() - 3, shown.height() - 3), QColor(0, 150, 0));
        // The text stands on a light plate, not on the picture.
        const QPoint besideText(textArea.left() - 4, textArea.center().y());
        QVERIFY2(shown.pixelColor(besideText).lightness() > 200,
                 qPrintable(shown.pixelColor(besideText).name()));
    }

    // --- The Info window through the service ---

    void InfoBoxQuestionIsAnsweredByEnterAndEscape() {
        TutorMessageBoxes boxes;
        ModalAnswerer answerer;
        answerer.answers = {ModalAnswerer::Press(Qt::Key_Return),
                            ModalAnswerer::Press(Qt::Key_Escape)};
        QVERIFY(boxes.AskYesNo(std::string("Do you really wish to exit the program?")));
        QVERIFY(!boxes.AskYesNo(std::string("Copying a text file of your own.")));
        QCOMPARE(answerer.Names(), (QStringList{"InfoBox", "InfoBox"}));
        QCOMPARE(answerer.Texts().back(), QString("Copying a text file of your own."));
    }

    void ErrorWarningReportsItsRepeatBox() {
        TutorMessageBoxes boxes;
        ModalAnswerer answerer;
        answerer.answers = {ModalAnswerer::Press(Qt::Key_Return), [](QWidget* window) {
                                auto* repeat = window->findChild<QCheckBox*>("repeat");
                                QVERIFY(repeat->isVisible());
                                QVERIFY(repeat->isChecked());
                                repeat->setFocus();
                                QTest::keyClick(repeat, Qt::Key_Space);
                                QTest::keyClick(window, Qt::Key_Return);
                            }};
        QVERIFY(boxes.InfoBox("You have made an error!", true));
        QVERIFY(!boxes.InfoBox("You have made an error!", true));
        // Without the check box the answer is always "repeat".
        QVERIFY(boxes.InfoBox("Great! You have qualified for the next lesson.", false));
        QCOMPARE(answerer.seen.size(), 3u);
    }

    void NoticeOfTheLoginIsTheInfoWindow() {
        TutorMessageBoxes boxes;
        ModalAnswerer answerer;
        boxes.ShowInfo("The wrong password!");
        QCOMPARE(answerer.Names(), QStringList{"InfoBox"});
        QCOMPARE(answerer.Texts(), QStringList{"The wrong password!"});
    }

    // --- Message boxes ---

    void MessageBoxesCarryCaptionAndText() {
        TutorMessageBoxes boxes;
        ModalAnswerer answerer;
        QString caption;
        answerer.answers.push_back([&](QWidget* window) {
            caption = window->windowTitle();
            ModalAnswerer::Press(Qt::Key_Return)(window);
        });
        boxes.ShowMessage("Kelvane", "Insert a diskette and press the button.",
                          MessageSink::Icon::Information);
        QCOMPARE(caption, QString("Kelvane"));
        QCOMPARE(answerer.Texts(), QStringList{"Insert a diskette and press the button."});
    }

    void QuestionsAreAnsweredByKeys() {
        TutorMessageBoxes boxes;
        ModalAnswerer answerer;
        answerer.answers = {
            ModalAnswerer::Press(Qt::Key_Return), ModalAnswerer::Press(Qt::Key_Escape),
            ModalAnswerer::Press(Qt::Key_Return), ModalAnswerer::Press(Qt::Key_Escape)};
        QVERIFY(boxes.AskYesNo("Kelvane", "Do you want to save your user settings on a diskette?"));
        QVERIFY(
            !boxes.AskYesNo("Kelvane", "Do you want to save your user settings on a diskette?"));
        QVERIFY(boxes.AskRetryDiscard("Kelvane", "An unknown error occurred while accessing x."));
        QVERIFY(!boxes.AskRetryDiscard("Kelvane", "An unknown error occurred while accessing x."));
    }

    void WindowsOpenOverTheOwner() {
        QWidget owner;
        owner.show();
        TutorMessageBoxes boxes(&owner);
        ModalAnswerer answerer;
        std::vector<QWidget*> parents;
        for (int i = 0; i < 3; ++i) {
            answerer.answers.push_back([&](QWidget* window) {
                parents.push_back(window->parentWidget());
                ModalAnswerer::Press(Qt::Key_Escape)(window);
            });
        }
        boxes.NoteBox("Copy the following text, please.");
        boxes.InfoBox("You have made an error!", false);
        boxes.EndOfLesson(EndOfLessonDialogModel("petr", true, 3));
        QCOMPARE(parents, (std::vector<QWidget*>{&owner, &owner, &owner}));
    }

    // --- End of the Lesson ---

    void EndOfLessonShowsItsLinesAndButtons() {
        EndOfLessonDialog passed(EndOfLessonDialogModel("petr", true, 5), nullptr);
        passed.show();
        QCOMPARE(passed.windowTitle(), QString("End of the Lesson"));
        QCOMPARE(passed.line1()->text(), QString("End of Lesson:   5"));
        QCOMPARE(passed.line2()->text(), QString("Do you want to go on to the next lesson?"));
        QVERIFY(passed.nextButton()->isVisible());
        QCOMPARE(passed.repeatButton()->text(), QString("Repeat Lesson"));

        EndOfLessonDialog ownText(
            EndOfLessonDialogModel("petr", false, EndOfLessonDialogModel::kOwnTextNumber), nullptr);
        ownText.show();
        QVERIFY(!ownText.nextButton()->isVisible());
        QCOMPARE(ownText.repeatButton()->text(), QString("Repeat Text"));
        QCOMPARE(ownText.line2()->text(), QString("What would you like to do next?"));
    }

    void EndOfLessonIsLeftByKeys_data() {
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("nextLesson");
        QTest::addColumn<bool>("exit");
        QTest::newRow("passed, Enter goes on") << true << "Return" << true << false;
        QTest::newRow("failed, Enter repeats") << false << "Return" << false << false;
        QTest::newRow("Escape repeats") << true << "Escape" << false << false;
        QTest::newRow("Space on Exit") << true << "exit" << false << true;
        QTest::newRow("Space on Repeat") << true << "repeat" << false << false;
    }

    void EndOfLessonIsLeftByKeys() {
        QFETCH(bool, passed);
        QFETCH(QString, key);
        QFETCH(bool, nextLesson);
        QFETCH(bool, exit);
        TutorMessageBoxes boxes;
        ModalAnswerer answerer;
        answerer.answers.push_back([key](QWidget* window) {
            if (key == "Return") {
                QTest::keyClick(window, Qt::Key_Return);
            } else if (key == "Escape") {
                QTest::keyClick(window, Qt::Key_Escape);
            } else {
                auto* button = window->findChild<QPushButton*>(key);
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Space);
            }
        });
        const EndOfLessonChoice choice =
            boxes.EndOfLesson(EndOfLessonDialogModel("petr", passed, 2));
        QCOMPARE(choice.nextLesson, nextLesson);
        QCOMPARE(choice.exit, exit);
    }

    void ResultsAndSaveResultsKeepTheDialogOpen() {
        RecordingActions actions;
        TutorMessageBoxes boxes;
        boxes.SetEndOfLessonActions(&actions);
        ModalAnswerer answerer;
        bool stillOpen = false;
        answerer.answers.push_back([&](QWidget* window) {
            for (const char* name : {"results", "saveResults", "results", "saveResults"}) {
                auto* button = window->findChild<QPushButton*>(name);
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Space);
            }
            stillOpen = window->isVisible();
            QTest::keyClick(window, Qt::Key_Escape);
        });
        const EndOfLessonChoice choice = boxes.EndOfLesson(EndOfLessonDialogModel("petr", true, 1));
        QVERIFY(stillOpen);
        QCOMPARE(actions.results, 2);
        QCOMPARE(actions.saves, 2);
        QVERIFY(!choice.nextLesson);
        QVERIFY(!choice.exit);
    }

    void EndOfLessonClosedByItsCloseBoxRepeats() {
        EndOfLessonDialog dialog(EndOfLessonDialogModel("petr", true, 1), nullptr);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
        dialog.exec();
        QVERIFY(!dialog.choice().nextLesson);
        QVERIFY(!dialog.choice().exit);
    }

    // --- The welcome window ---

    void WelcomeLoadsTheStandardAppearanceThenClosesAfterTwoTicks() {
        TempDir folder;
        WriteAppearance(folder, "standard");
        RecordingMessageSink messages;
        AppearancePictures appearance(folder.path(), messages);
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        WelcomeWindow welcome(picture, appearance, messages);
        // The start's later work waits for the window's first paint, and runs once.
        int workRuns = 0;
        bool paintedFirst = false;
        welcome.RunWhenShown([&] {
            ++workRuns;
            paintedFirst = welcome.isVisible() && welcome.ticks() == 0;
        });
        QElapsedTimer clock;
        clock.start();
        welcome.exec();
        QVERIFY(clock.elapsed() >= 1900);
        QCOMPARE(welcome.ticks(), 2);
        QCOMPARE(workRuns, 1);
        QVERIFY(paintedFirst);
        QCOMPARE(appearance.loaded(), std::string("standard"));
        QVERIFY(messages.messages.empty());
    }

    void WelcomeWithoutTheStandardPicturesSaysSoAndClosesAtTheFirstTick() {
        TempDir folder;
        RecordingMessageSink messages;
        AppearancePictures appearance(folder.path(), messages);
        WelcomeWindow welcome(QImage(), appearance, messages);
        welcome.exec();
        QCOMPARE(welcome.ticks(), 1);
        // A window closed before anything ran it still does the start's later work.
        WelcomeWindow unpainted(QImage(), appearance, messages);
        bool ran = false;
        unpainted.RunWhenShown([&] { ran = true; });
        unpainted.done(QDialog::Accepted);
        QVERIFY(ran);
        QVERIFY(!appearance.IsLoaded());
        QVERIFY(!messages.messages.empty());
        QCOMPARE(messages.messages.back().caption, std::string("Kelvane"));
        QCOMPARE(messages.messages.back().text, std::string(AppearanceList::kMissingPicturesText));
    }

    void WelcomePaintsItsPicture() {
        TempDir folder;
        RecordingMessageSink messages;
        AppearancePictures appearance(folder.path(), messages);
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(QColor(200, 100, 0));
        WelcomeWindow welcome(picture, appearance, messages);
        const QImage shown = welcome.grab().toImage();
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(200, 100, 0));
    }

    // --- The program icon ---

    // Drawn for each size asked, at the screen's pixel ratio: the key cap fills the middle,
    // the corners stay transparent.
    void ProgramIconIsDrawnAtEverySize_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("16") << 16 << 1.0;
        QTest::newRow("48") << 48 << 1.0;
        QTest::newRow("256") << 256 << 1.0;
        QTest::newRow("32 at 2") << 32 << 2.0;
    }

    void ProgramIconIsDrawnAtEverySize() {
        QFETCH(int, size);
        QFETCH(qreal, ratio);
        const QIcon icon = KelvaneIcon();
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        const QImage image = icon.pixmap(QSize(size, size), ratio).toImage();
        const int pixels = qRound(size * ratio);
        QCOMPARE(image.size(), QSize(pixels, pixels));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(pixels / 2, pixels / 5)), 255);
    }

    // --- The program pictures ---

    void ProgramPicturesNeedAllFour() {
        TempDir folder;
        ProgramPictures pictures(folder.path() + "/");
        for (const char* name : {"wellcome.jpg", "SmallWindow.jpg", "Silent.jpg"}) {
            WriteJpeg(folder, name, {250, 0, 0});
        }
        QVERIFY(!pictures.Load());
        WriteJpeg(folder, "wellcome2.jpg", {0, 250, 0});
        QVERIFY(pictures.Load());
        QVERIFY(!pictures.welcome().isNull());
        QCOMPARE(pictures.idleScreen().size(), QSize(16, 16));
        // Kept compressed, decoded when drawn.
        QVERIFY(qAbs(pictures.idleScreen().Decode().pixelColor(3, 3).green() - 250) < 8);
    }

    // --- The watch over modal windows ---

    void ModalWindowsAreReportedWhenTheyOpenAndClose() {
        QStringList heard;
        ModalWindowWatcher watcher([&] { heard << "opened"; }, [&] { heard << "closed"; });
        ModalAnswerer answerer;
        TutorMessageBoxes boxes;
        QStringList heardInside;
        answerer.answers.push_back([&](QWidget* window) {
            heardInside = heard;
            ModalAnswerer::Press(Qt::Key_Return)(window);
        });
        boxes.NoteBox("x");
        QCOMPARE(heardInside, QStringList{"opened"});
        QCOMPARE(heard, (QStringList{"opened", "closed"}));
        QCOMPARE(watcher.openCount(), 0);

        // A window that is not modal is none of its business.
        QWidget plain;
        plain.show();
        plain.hide();
        QCOMPARE(heard.size(), 2);
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
