#include "tutor/course/ui/c_first_time_wizard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/compressed_line_file.h"
#include "common/data_paths.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/no_system_keyboard_layouts.h"

namespace {

void WriteLineFile(const TempDir& dir, const std::string& name,
                   const std::vector<std::string>& lines) {
    CompressedLineFile file;
    for (const std::string& line : lines) {
        file.AddLine(line);
    }
    std::filesystem::create_directories(std::filesystem::path(dir.File(name)).parent_path());
    QVERIFY(file.Write(dir.File(name)));
}

enum class Files { Complete, WithoutLessonList, WithoutLayouts };

struct Fixture {
    explicit Fixture(Files files = Files::Complete, std::string keyboardId = "00000409",
                     std::string courseName = "_a")
        : model(layouts, course, std::move(keyboardId), std::move(courseName)) {
        DataPaths::SetProgramFolder(dir.path() + "/");
        dir.Write("config/keyboards.txt", "00000407:German:0:\r\n00000409:English (US):1:\r\n");
        if (files != Files::WithoutLessonList) {
            dir.Write("config/lessons.txt",
                      "00000409_a:00000409:Beginner:Start here.:1:\r\n"
                      "00000409_b:00000409:Advanced:All keys.:0:\r\n"
                      "00000407_a:00000407:Anfaenger:Von vorn.:1:\r\n");
        }
        if (files != Files::WithoutLayouts) {
            dir.Write("config/00000407.kdd", "");
            dir.Write("config/00000409.kdd", "");
        }
        WriteLineFile(dir, "lessons/00000409_a.ddd",
                      {"00000409_a", "One", "fj:0:64:0.8:", "fj", "", "Two", "dk:1:68:1:", "dk", "",
                       "Three", "sl:1:72.5:1.25:", "sl"});
        WriteLineFile(dir, "lessons/00000409_b.ddd", {"00000409_b", "Eins", "gh:1:90:2:", "gh"});
        model.SetCourseChosen([this](const std::string& keyboardId, const std::string& name) {
            chosen.push_back(QString::fromStdString(keyboardId + name));
        });
    }

    std::unique_ptr<CFirstTimeWizard> Open(bool atTestPage = false) {
        auto wizard = std::make_unique<CFirstTimeWizard>(model, messages, atTestPage);
        wizard->show();
        wizard->activateWindow();
        if (!QTest::qWaitForWindowActive(wizard.get())) {
            return nullptr;
        }
        // The course page is read once the wizard shows.
        QCoreApplication::processEvents();
        return wizard;
    }

    TempDir dir;
    NoSystemKeyboardLayouts layouts;
    LessonCourse course;
    FirstTimeWizardModel model;
    RecordingMessageSink messages;
    QStringList chosen;
};

template <typename T>
T* Child(QWidget* wizard, const char* name) {
    return wizard->findChild<T*>(QLatin1String(name));
}

QString PageName(QWidget* wizard) {
    return Child<QStackedWidget>(wizard, "")->currentWidget()->objectName();
}

// What a person sees of the wizard's buttons: "<" for an enabled Back, "-" for a disabled
// one, then the text of the forward button shown (if any).
QString Buttons(QWidget* wizard) {
    QString shown = Child<QPushButton>(wizard, "back")->isEnabled() ? "<" : "-";
    for (const char* name : {"next", "finish"}) {
        auto* button = Child<QPushButton>(wizard, name);
        if (button->isVisible()) {
            shown += " " + button->text();
            if (button->isDefault()) {
                shown += "*";
            }
        }
    }
    return shown;
}

QStringList ComboItems(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

QStringList TabOrder(int steps) {
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    return seen;
}

}  // namespace

class CFirstTimeWizardTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void TheButtonsAreThoseTheModelOffers_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("buttons");
        QTest::newRow("course page") << QStringList{} << "coursePage"
                                     << "- &Next >*";
        QTest::newRow("start page, box clear") << QStringList{"next"} << "startPage"
                                               << "< &Finish*";
        QTest::newRow("start page, box ticked") << QStringList{"next", "tick"} << "startPage"
                                                << "< &Next >*";
        QTest::newRow("fingering page, box ticked")
            << QStringList{"next", "tick", "next"} << "fingeringPage"
            << "< &Next >*";
        QTest::newRow("fingering page, box cleared")
            << QStringList{"next", "tick", "next", "tick"} << "fingeringPage"
            << "< &Finish*";
        QTest::newRow("test page, no row chosen")
            << QStringList{"next", "tick", "next", "next"} << "testPage"
            << "<";
        QTest::newRow("test page, a row chosen")
            << QStringList{"next", "tick", "next", "next", "row"} << "testPage"
            << "< Test*";
        QTest::newRow("back from the test page")
            << QStringList{"next", "tick", "next", "next", "row", "back"} << "fingeringPage"
            << "< &Next >*";
    }

    void TheButtonsAreThoseTheModelOffers() {
        QFETCH(QStringList, steps);
        QFETCH(QString, page);
        QFETCH(QString, buttons);
        Fixture f;
        auto wizard = f.Open();
        QVERIFY(wizard);
        QCOMPARE(wizard->windowTitle(), QString("Initial Test"));
        for (const QString& step : steps) {
            QWidget* focus = QApplication::focusWidget();
            if (step == "next") {
                // Return presses the default button: Next wherever it is offered.
                QTest::keyClick(focus, Qt::Key_Return);
            } else if (step == "back") {
                QTest::keyClick(focus, Qt::Key_B, Qt::AltModifier);
                QTRY_VERIFY(QApplication::focusWidget() != focus);
            } else if (step == "tick") {
                QVERIFY(qobject_cast<QCheckBox*>(focus) != nullptr);
                QTest::keyClick(focus, Qt::Key_Space);
            } else if (step == "row") {
                QTest::keyClick(focus, Qt::Key_Down);
            }
        }
        QCOMPARE(PageName(wizard.get()), page);
        QCOMPARE(Buttons(wizard.get()), buttons);
    }

    void TheCoursePageOffersTheKeyboardsAndTheirLevels() {
        Fixture f;
        auto wizard = f.Open();
        QVERIFY(wizard);
        auto* keyboards = Child<QComboBox>(wizard.get(), "keyboards");
        auto* levels = Child<QComboBox>(wizard.get(), "levels");
        auto* description = Child<QLabel>(wizard.get(), "description");
        QCOMPARE(ComboItems(keyboards), (QStringList{"German", "English (US)"}));
        QCOMPARE(keyboards->currentText(), QString("English (US)"));
        QCOMPARE(ComboItems(levels), (QStringList{"Beginner", "Advanced"}));
        QCOMPARE(description->text(), QString("Start here."));
        QTest::keyClick(levels, Qt::Key_Down);
        QCOMPARE(description->text(), QString("All keys."));
        QTest::keyClick(keyboards, Qt::Key_Up);
        QCOMPARE(keyboards->currentText(), QString("German"));
        QCOMPARE(ComboItems(levels), QStringList{"Anfaenger"});
        QCOMPARE(description->text(), QString("Von vorn."));
        QVERIFY(f.messages.messages.empty());
    }

    void AnEmptyCoursePageSaysWhyAndLeadsNowhere_data() {
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("message");
        QTest::newRow("no course list")
            << int(Files::WithoutLessonList) << "error CFirstTimePage::OnInitDialog";
        QTest::newRow("no keyboard layout")
            << int(Files::WithoutLayouts)
            << "The program cannot find the proper keyboard type. Please, install the correct "
               "keyboard type first. Otherwise, we cannot carry on.";
    }

    void AnEmptyCoursePageSaysWhyAndLeadsNowhere() {
        QFETCH(int, files);
        QFETCH(QString, message);
        Fixture f(static_cast<Files>(files));
        auto wizard = f.Open();
        QVERIFY(wizard);
        QCOMPARE(f.messages.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(f.messages.messages[0].caption), QString("Kelvane"));
        QCOMPARE(QString::fromStdString(f.messages.messages[0].text), message);
        QCOMPARE(Buttons(wizard.get()), QString("-"));
        QCOMPARE(Child<QComboBox>(wizard.get(), "keyboards")->count(), 0);
        QTest::keyClick(wizard.get(), Qt::Key_Return);
        QCOMPARE(PageName(wizard.get()), QString("coursePage"));
        QTest::keyClick(wizard.get(), Qt::Key_Escape);
        QVERIFY(!wizard->isVisible());
        QVERIFY(!wizard->outcome().finished);
    }

    void TheFingeringHintsShowWhileTheBoxIsClear() {
        Fixture f;
        auto wizard = f.Open();
        QVERIFY(wizard);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* box = Child<QCheckBox>(wizard.get(), "fingering");
        QVERIFY(box->isChecked());
        QVERIFY(!Child<QLabel>(wizard.get(), "noExperience")->isVisible());
        QVERIFY(!Child<QLabel>(wizard.get(), "notLong")->isVisible());
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(Child<QLabel>(wizard.get(), "noExperience")->isVisible());
        QVERIFY(Child<QLabel>(wizard.get(), "notLong")->isVisible());
    }

    void OpenedAtTheTestPageBackLeadsThroughEveryPage() {
        // The user chose the advanced course before the failed test.
        Fixture f(Files::Complete, "00000409", "_b");
        auto wizard = f.Open(true);
        QVERIFY(wizard);
        QCOMPARE(PageName(wizard.get()), QString("testPage"));
        auto* rows = Child<QTreeWidget>(wizard.get(), "testLessons");
        QCOMPARE(rows->topLevelItemCount(), 1);
        QCOMPARE(rows->topLevelItem(0)->text(0), QString("gh"));
        QStringList pages;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(Child<QPushButton>(wizard.get(), "back"), Qt::LeftButton);
            pages << PageName(wizard.get());
        }
        QCOMPARE(pages, (QStringList{"fingeringPage", "startPage", "coursePage"}));
        QCOMPARE(Buttons(wizard.get()), QString("- &Next >*"));
        // The user's course is shown, not the default one, so Next keeps it.
        QCOMPARE(Child<QComboBox>(wizard.get(), "keyboards")->currentText(),
                 QString("English (US)"));
        QCOMPARE(Child<QComboBox>(wizard.get(), "levels")->currentText(), QString("Advanced"));
        QTest::mouseClick(Child<QPushButton>(wizard.get(), "next"), Qt::LeftButton);
        QCOMPARE(f.chosen, QStringList{"00000409_b"});
    }

    void TheCourseChosenStaysAfterCancel() {
        Fixture f;
        auto wizard = f.Open();
        QVERIFY(wizard);
        QTest::keyClick(Child<QComboBox>(wizard.get(), "keyboards"), Qt::Key_Up);
        QVERIFY(f.chosen.isEmpty());
        QTest::mouseClick(Child<QPushButton>(wizard.get(), "next"), Qt::LeftButton);
        QCOMPARE(f.chosen, QStringList{"00000407_a"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!wizard->isVisible());
        const FirstTimeWizardOutcome outcome = wizard->outcome();
        QVERIFY(!outcome.finished);
        QCOMPARE(outcome.chosenLesson, -1);
        QVERIFY(outcome.courseChanged);
        QCOMPARE(f.chosen, QStringList{"00000407_a"});
    }

    void FinishingGivesTheChosenLesson_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("lesson");
        QTest::newRow("start with the first lesson") << QStringList{"Return", "Return"} << -1;
        QTest::newRow("no fingering")
            << QStringList{"Return", "Space", "Return", "Space", "Return"} << -1;
        QTest::newRow("tested on the second row")
            << QStringList{"Return", "Space", "Return", "Return", "Down", "Down", "Return"} << 2;
    }

    void FinishingGivesTheChosenLesson() {
        QFETCH(QStringList, keys);
        QFETCH(int, lesson);
        Fixture f;
        auto wizard = f.Open();
        QVERIFY(wizard);
        for (const QString& key : keys) {
            QTest::keyClick(QApplication::focusWidget(), key == "Return"  ? Qt::Key_Return
                                                         : key == "Space" ? Qt::Key_Space
                                                                          : Qt::Key_Down);
        }
        QVERIFY(!wizard->isVisible());
        const FirstTimeWizardOutcome outcome = wizard->outcome();
        QVERIFY(outcome.finished);
        QCOMPARE(outcome.chosenLesson, lesson);
        QVERIFY(outcome.courseChanged);
        QCOMPARE(f.chosen, QStringList{"00000409_a"});
    }

    void TabFollowsTheReadingOrderOnEveryPage() {
        Fixture f;
        auto wizard = f.Open();
        QVERIFY(wizard);
        QCOMPARE(TabOrder(4), (QStringList{"keyboards", "levels", "next", "cancel", "keyboards"}));
        QTest::mouseClick(Child<QPushButton>(wizard.get(), "next"), Qt::LeftButton);
        QCOMPARE(TabOrder(4), (QStringList{"qualify", "back", "finish", "cancel", "qualify"}));
        QTest::keyClick(Child<QCheckBox>(wizard.get(), "qualify"), Qt::Key_Space);
        QTest::mouseClick(Child<QPushButton>(wizard.get(), "next"), Qt::LeftButton);
        QCOMPARE(TabOrder(4), (QStringList{"fingering", "back", "next", "cancel", "fingering"}));
        QTest::mouseClick(Child<QPushButton>(wizard.get(), "next"), Qt::LeftButton);
        QCOMPARE(TabOrder(3), (QStringList{"testLessons", "back", "cancel", "testLessons"}));
    }

    void RunReportsTheOutcome() {
        Fixture f;
        QTimer::singleShot(0, [] {
            QWidget* wizard = QApplication::activeModalWidget();
            QVERIFY(wizard != nullptr);
            // The course page fills once the wizard shows.
            QTRY_VERIFY(Child<QPushButton>(wizard, "next")->isVisible());
            QTest::mouseClick(Child<QPushButton>(wizard, "next"), Qt::LeftButton);
            QTest::mouseClick(Child<QPushButton>(wizard, "finish"), Qt::LeftButton);
        });
        const FirstTimeWizardOutcome outcome =
            CFirstTimeWizard::Run(nullptr, f.model, f.messages, false);
        QVERIFY(outcome.finished);
        QCOMPARE(outcome.chosenLesson, -1);
        QVERIFY(outcome.courseChanged);
    }
};

QTEST_MAIN(CFirstTimeWizardTest)
#include "c_first_time_wizard_test.moc"
