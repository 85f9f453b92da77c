#include "tutor/users/ui/lesson_chooser_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "tutor/course/lesson_course.h"
#include "tutor/users/user_profile.h"

namespace {

const char* const kSkipQuestion =
    "Do you really want to go on to an advanced lesson?\nIt is necessary to practice all the "
    "previous lessons thoroughly!";

std::vector<std::string> CourseLines(int lessons) {
    std::vector<std::string> lines{"00000409_a"};
    for (int i = 0; i < lessons; ++i) {
        if (i > 0) {
            lines.push_back("");
        }
        lines.push_back("Lesson title " + std::to_string(i + 1));
        lines.push_back("a:1:64:2.0:");
        lines.push_back("aaa");
    }
    return lines;
}

struct Fixture {
    explicit Fixture(int lessons = 5) {
        if (lessons > 0) {
            course.LoadLines(CourseLines(lessons), "/lessons/00000409_a.ddd");
        }
    }

    std::unique_ptr<LessonChooserDialog> Open() {
        auto dialog = std::make_unique<LessonChooserDialog>(model, settings);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get())) {
            return nullptr;
        }
        return dialog;
    }

    int Stored(const char* key) const { return settings.ReadInt("Window", key, -1); }

    FakeClock clock;
    LessonCourse course;
    FixedDisketteFolder diskette{""};
    UserProfile profile{clock, "/nonexistent", diskette};
    MemorySettingsStore settings;
    LessonChooserModel model{course, profile, clock};
};

QTreeWidget* List(QWidget* dialog) {
    return dialog->findChild<QTreeWidget*>(QStringLiteral("lessons"));
}

QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

QStringList RowTexts(QTreeWidgetItem* item) {
    QStringList texts;
    for (int column = 0; column < item->columnCount(); ++column) {
        texts << item->text(column);
    }
    return texts;
}

// Answers the next message box with the given button and remembers what it said.
struct BoxAnswer {
    QString caption;
    QString text;
    bool seen = false;
};

void AnswerNextBox(BoxAnswer* answer, QMessageBox::StandardButton button) {
    // The box opens a moment later (a mnemonic clicks its button after a short delay): look
    // until it is there.
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        answer->seen = true;
        answer->caption = box->windowTitle();
        answer->text = box->text();
        box->button(button)->click();
    });
    timer->start();
}

// Rows may be wider than the list; what counts is that the row is within its height.
bool RowVisible(QTreeWidget* list, int row) {
    QRect rect = list->visualItemRect(list->topLevelItem(row));
    return rect.isValid() && rect.top() >= 0 && rect.bottom() < list->viewport()->height();
}

// What the window system sends for a double click: a click, then the double click.
void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

}  // namespace

class LessonChooserDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void ANewUserSeesTheFirstLessonSelected() {
        Fixture f;
        auto dialog = f.Open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Choose a Lesson"));
        QTreeWidget* list = List(dialog.get());
        QCOMPARE(list->columnCount(), 9);
        QStringList titles;
        QList<int> widths;
        for (int column = 0; column < 9; ++column) {
            titles << list->headerItem()->text(column);
            widths << list->header()->sectionSize(column);
        }
        QCOMPARE(titles, (QStringList{"Lesson", "Help", "Error Rate [%]", "Error Rate Limit",
                                      "Required Speed", "Speed Limit", "Date", "Active Time",
                                      "Number of Attempts"}));
        QCOMPARE(widths, (QList<int>{100, 170, 50, 50, 50, 50, 160, 70, 40}));
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(RowTexts(list->topLevelItem(0)),
                 (QStringList{"1", "Lesson title 1", "...", "2.00", "...", "64", "........",
                              "00:00", "0"}));
        QVERIFY(!list->topLevelItem(0)->icon(0).isNull());
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        QVERIFY(list->currentItem()->isSelected());
        QCOMPARE(QApplication::focusWidget(), list);
    }

    void RecordsShowTheirRatingImage_data() {
        QTest::addColumn<double>("errorRate");
        QTest::addColumn<int>("image");
        QTest::newRow("a quarter of the limit") << 0.5 << 1;
        QTest::newRow("above the limit") << 3.0 << 4;
    }

    void RecordsShowTheirRatingImage() {
        QFETCH(double, errorRate);
        QFETCH(int, image);
        Fixture f;
        f.profile.setResult(0, 1700000000, errorRate, 130, 61);
        auto dialog = f.Open();
        QVERIFY(dialog);
        QTreeWidget* list = List(dialog.get());
        QCOMPARE(list->topLevelItemCount(), 2);
        const QImage shown =
            list->topLevelItem(0)->icon(0).pixmap(16, 16).toImage().convertToFormat(
                QImage::Format_ARGB32);
        const QImage expected =
            RatingIcons::Pixmap(image, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown, expected);
        QCOMPARE(list->topLevelItem(0)->text(2), QString::number(errorRate, 'f', 2));
        QCOMPARE(list->topLevelItem(0)->text(7), QString("00:01:01"));
        QCOMPARE(list->currentItem(), list->topLevelItem(1));
    }

    void TheSelectedRowIsScrolledIntoView() {
        Fixture f(40);
        f.profile.addEmptyResults(39);
        for (int i = 0; i < 39; ++i) {
            f.profile.setResult(i, 1700000000, 0.5, 100, 10);
        }
        auto dialog = f.Open();
        QVERIFY(dialog);
        QTreeWidget* list = List(dialog.get());
        QCOMPARE(list->topLevelItemCount(), 40);
        QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 39);
        QVERIFY(RowVisible(list, 39));
        QVERIFY(!RowVisible(list, 0));
    }

    void ChoosingALesson_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("chosen");
        QTest::newRow("Return on the selected row") << "return" << 2;
        QTest::newRow("arrow up, then Return") << "up" << 1;
        QTest::newRow("a double click on the first row") << "double" << 0;
        QTest::newRow("the mnemonic of Lesson") << "alt" << 2;
        QTest::newRow("a click on Lesson") << "click" << 2;
    }

    void ChoosingALesson() {
        QFETCH(QString, how);
        QFETCH(int, chosen);
        Fixture f;
        f.profile.setResult(0, 1700000000, 0.5, 130, 61);
        f.profile.setResult(1, 1700000000, 0.5, 130, 61);
        auto dialog = f.Open();
        QVERIFY(dialog);
        QTreeWidget* list = List(dialog.get());
        if (how == "return") {
            QTest::keyClick(list, Qt::Key_Return);
        } else if (how == "up") {
            QTest::keyClick(list, Qt::Key_Up);
            QTest::keyClick(list, Qt::Key_Return);
        } else if (how == "double") {
            const QPoint at = list->visualItemRect(list->topLevelItem(0)).center();
            DoubleClick(list->viewport(), at);
        } else if (how == "alt") {
            QTest::keyClick(list, Qt::Key_L, Qt::AltModifier);
        } else {
            QTest::mouseClick(Button(dialog.get(), "lesson"), Qt::LeftButton);
        }
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->chosenLesson(), chosen);
    }

    void CancelChoosesNothing_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("Alt+C") << false;
    }

    void CancelChoosesNothing() {
        QFETCH(bool, escape);
        Fixture f;
        auto dialog = f.Open();
        QVERIFY(dialog);
        QTest::keyClick(List(dialog.get()), escape ? Qt::Key_Escape : Qt::Key_C,
                        escape ? Qt::NoModifier : Qt::AltModifier);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->chosenLesson(), -1);
        QCOMPARE(f.profile.resultCount(), std::size_t{0});
    }

    void SkipAsksAndGoesOnByOneLesson_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("records");
        QTest::newRow("No changes nothing") << false << 2 << 1 << 1;
        QTest::newRow("Yes adds the next lesson") << true << 3 << 2 << 2;
    }

    void SkipAsksAndGoesOnByOneLesson() {
        QFETCH(bool, yes);
        QFETCH(int, rows);
        QFETCH(int, selected);
        QFETCH(int, records);
        Fixture f;
        f.profile.setResult(0, 1700000000, 0.5, 130, 61);
        auto dialog = f.Open();
        QVERIFY(dialog);
        BoxAnswer answer;
        AnswerNextBox(&answer, yes ? QMessageBox::Yes : QMessageBox::No);
        QTest::keyClick(List(dialog.get()), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(answer.seen);
        QCOMPARE(answer.caption, QString("Kelvane"));
        QCOMPARE(answer.text, QString(kSkipQuestion));
        QTreeWidget* list = List(dialog.get());
        QTRY_COMPARE(list->topLevelItemCount(), rows);
        QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), selected);
        QCOMPARE(f.profile.resultCount(), std::size_t(records));
        QCOMPARE(RowTexts(list->topLevelItem(rows - 1))[0], QString::number(rows));
        // The list has the focus again when the dialog is active again.
        QCOMPARE(dialog->focusWidget(), list);
        QVERIFY(dialog->isVisible());
    }

    void AMissingCourseShowsItsMessageAndChoosesNothing() {
        Fixture f(0);
        auto dialog = f.Open();
        QVERIFY(dialog);
        QTreeWidget* list = List(dialog.get());
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0),
                 QString("The configuration file for the lessons is missing. Install the "
                         "program again!"));
        QVERIFY(list->topLevelItem(0)->isFirstColumnSpanned());
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::mouseClick(Button(dialog.get(), "lesson"), Qt::LeftButton);
        DoubleClick(list->viewport(), list->visualItemRect(list->topLevelItem(0)).center());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->chosenLesson(), -1);
    }

    void OpensWhereItWasLeftAndRemembersIt() {
        Fixture f;
        {
            auto dialog = f.Open();
            QVERIFY(dialog);
            // First time: the default place and size.
            QCOMPARE(dialog->pos(), QPoint(30, 30));
            QCOMPARE(dialog->size(), QSize(600, 300));
            dialog->move(120, 90);
            dialog->resize(700, 380);
            List(dialog.get())->header()->resizeSection(1, 230);
            QTest::keyClick(List(dialog.get()), Qt::Key_Escape);
        }
        QCOMPARE(f.Stored("lessondlg_x"), 120);
        QCOMPARE(f.Stored("lessondlg_y"), 90);
        QCOMPARE(f.Stored("lessondlg_cx"), 700);
        QCOMPARE(f.Stored("lessondlg_cy"), 380);
        QCOMPARE(f.Stored("lessondlg_max"), 0);
        QCOMPARE(f.Stored("lessondlg_Column1"), 230);
        QCOMPARE(f.Stored("lessondlg_Column8"), 40);

        f.settings.Remove("Window", "lessondlg_Column2");
        auto again = f.Open();
        QVERIFY(again);
        QCOMPARE(again->pos(), QPoint(120, 90));
        QCOMPARE(again->size(), QSize(700, 380));
        QCOMPARE(List(again.get())->header()->sectionSize(1), 230);
        // Widths apply up to the first missing key; the others keep their defaults.
        QCOMPARE(List(again.get())->header()->sectionSize(3), 50);
        // It can shrink again to the size it was made for, not below.
        again->resize(300, 100);
        QCOMPARE(again->size(), QSize(600, 300));
    }

    void TheListGrowsAndTheButtonsFollowTheCorner() {
        Fixture f;
        auto dialog = f.Open();
        QVERIFY(dialog);
        QTreeWidget* list = List(dialog.get());
        const QSize listBefore = list->size();
        const QRect dialogRect = dialog->rect();
        QList<QPoint> fromCorner;
        for (const char* name : {"lesson", "skip", "cancel"}) {
            fromCorner << dialogRect.bottomRight() -
                              Button(dialog.get(), name)->geometry().topLeft();
        }
        dialog->resize(dialog->width() + 120, dialog->height() + 70);
        QTRY_COMPARE(list->size(), listBefore + QSize(120, 70));
        int i = 0;
        for (const char* name : {"lesson", "skip", "cancel"}) {
            QCOMPARE(
                dialog->rect().bottomRight() - Button(dialog.get(), name)->geometry().topLeft(),
                fromCorner[i++]);
        }
    }

    void TabFollowsTheReadingOrder() {
        Fixture f;
        auto dialog = f.Open();
        QVERIFY(dialog);
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, (QStringList{"lessons", "lesson", "skip", "cancel", "lessons"}));
    }

    void RunGivesTheChosenLesson() {
        Fixture f;
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr);
            QTest::keyClick(List(dialog), Qt::Key_Return);
        });
        QCOMPARE(LessonChooserDialog::Run(nullptr, f.model, f.settings), 0);
    }
};

QTEST_MAIN(LessonChooserDialogTest)
#include "lesson_chooser_dialog_test.moc"
