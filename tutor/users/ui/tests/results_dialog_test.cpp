#include "tutor/users/ui/results_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <optional>

#include "common/compressed_line_file.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/random_source.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/ui/diagram_painter.h"
#include "tutor/users/ui/diagram_view.h"
#include "tutor/users/ui/figures_page.h"
#include "tutor/users/ui/results_file_dialogs.h"
#include "tutor/users/ui/results_list_view.h"

namespace {

// Lesson 5 "Home row" of Jana: "a" ten times (one typed as "s"), "b" nine times, "c" twelve
// times (two typed as "x" and "v"); 300, 400 and 500 ms a stroke. 31 strokes in 12.6 s.
void FillKnownRun(StrokeLog& log) {
    log.Start(4, "Jana", 2.0, 120, 40, "Home row");
    for (int i = 0; i < 10; ++i) {
        log.Add('a', i == 4 ? 's' : 'a', 300);
    }
    for (int i = 0; i < 9; ++i) {
        log.Add('b', 'b', 400);
    }
    for (int i = 0; i < 12; ++i) {
        log.Add('c', i == 2 ? 'x' : i == 7 ? 'v' : 'c', 500);
    }
}

StrokeLog KnownLog(const Clock& clock) {
    StrokeLog log(clock);
    FillKnownRun(log);
    return log;
}

QStringList Column(const QTreeWidget* list, int column) {
    QStringList cells;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        cells << list->topLevelItem(row)->text(column);
    }
    return cells;
}

void ClickHeader(ResultsListView* list, int column) {
    QHeaderView* header = list->header();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

// Answers the next modal file dialog: types name into its name field and presses Return.
void AnswerFileDialog(const QString& name, bool* seen) {
    QTimer::singleShot(0, [name, seen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(20, [name, seen] { AnswerFileDialog(name, seen); });
            return;
        }
        *seen = true;
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        // Set rather than typed: the completer's list would take the Return key.
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

}  // namespace

class ResultsDialogTest : public QObject {
    Q_OBJECT

    FakeClock clock_;

    struct Fixture {
        explicit Fixture(const FakeClock& clock) : log(KnownLog(clock)) {}
        StrokeLog log;
        EvaluationTexts texts =
            EvaluationTexts::FromLines({":speed", "#1", "You type fast.", "You type slowly.", ""});
        SeededRandomSource random{7};
        ResultsDialogModel model{log, texts, random};
        MemorySettingsStore settings;
        RecordingMessageSink messages;
    };

    static void ShowActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

  private slots:
    void initTestCase() {
        // The file dialogs are Qt's own, so that the tests can answer them.
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void EightTabsInTheirOrder() {
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        QStringList titles;
        for (int i = 0; i < dialog.tabs()->count(); ++i) {
            titles << dialog.tabs()->tabText(i);
        }
        QCOMPARE(titles, (QStringList{"Initial Information", "&Table", "Typing Errors",
                                      "Typing Speed", "Error diagram (AVG)", "Speed diagram (AVG)",
                                      "Speed Diagram (CUR)", "Text"}));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Results"));
        QCOMPARE(dialog.tabs()->currentIndex(), 0);
    }

    void InformationAndTextPagesShowTheRun() {
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        const QString information = dialog.informationText()->toPlainText();
        QVERIFY(information.startsWith(
            QStringLiteral("Date:\t\t14.11.2023\n\nName:\t\tJana\n\nLesson:\t\t5.  Home row\n\n")));
        QVERIFY(information.contains(QStringLiteral("You type fast.")));
        QVERIFY(!information.contains(QLatin1Char('\r')));
        QCOMPARE(dialog.copiedText()->toPlainText(), QString(10, QLatin1Char('a')) +
                                                         QString(9, QLatin1Char('b')) +
                                                         QString(12, QLatin1Char('c')));
        QVERIFY(dialog.informationText()->isReadOnly());
        QVERIFY(dialog.copiedText()->isReadOnly());
    }

    void FiguresPageShowsEveryFigure_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("speed limit") << 0 << "120.00";
        QTest::newRow("speed now") << 1 << "147.62";
        QTest::newRow("error limit") << 2 << "2.00%";
        QTest::newRow("error rate now") << 3 << "9.68%";
        QTest::newRow("total time") << 4 << "00:00:12";
        QTest::newRow("copied") << 5 << "77.5%";
        QTest::newRow("characters") << 6 << "40";
        QTest::newRow("strokes") << 7 << "31";
        QTest::newRow("errors") << 8 << "3";
    }
    void FiguresPageShowsEveryFigure() {
        QFETCH(int, field);
        QFETCH(QString, text);
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        const auto& fields = dialog.figuresPage()->fields();
        QCOMPARE(fields.size(), std::size_t{9});
        QCOMPARE(fields[static_cast<std::size_t>(field)]->text(), text);
        QVERIFY(fields[static_cast<std::size_t>(field)]->isReadOnly());
    }

    void ListsHoldOneRowPerTypedCharacter() {
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        ResultsListView* errors = dialog.errorList();
        QCOMPARE(errors->headerItem()->text(3), QStringLiteral("Total Number of Strokes"));
        QCOMPARE(Column(errors, 0), (QStringList{"a", "b", "c"}));
        QCOMPARE(Column(errors, 1), (QStringList{"s", "", "xv"}));
        QCOMPARE(Column(errors, 2), (QStringList{"1", "0", "2"}));
        QCOMPARE(Column(errors, 3), (QStringList{"10", "9", "12"}));
        ResultsListView* speed = dialog.speedList();
        QCOMPARE(Column(speed, 1), (QStringList{"0.300", "0.400", "0.500"}));
        QCOMPARE(Column(speed, 2), (QStringList{"10", "9", "12"}));
        for (int row = 0; row < 3; ++row) {
            QVERIFY(!errors->topLevelItem(row)->icon(0).isNull());
            QVERIFY(!speed->topLevelItem(row)->icon(0).isNull());
        }
    }

    void HeaderClickSortsNumbersByValue_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("firstClick");
        QTest::addColumn<QStringList>("secondClick");
        QTest::newRow("strokes") << 3 << QStringList{"9", "10", "12"}
                                 << QStringList{"12", "10", "9"};
        QTest::newRow("errors") << 2 << QStringList{"0", "1", "2"} << QStringList{"2", "1", "0"};
        QTest::newRow("wrong characters")
            << 1 << QStringList{"", "s", "xv"} << QStringList{"xv", "s", ""};
    }
    void HeaderClickSortsNumbersByValue() {
        QFETCH(int, column);
        QFETCH(QStringList, firstClick);
        QFETCH(QStringList, secondClick);
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        ShowActive(dialog);
        dialog.tabs()->setCurrentIndex(2);
        ClickHeader(dialog.errorList(), column);
        QCOMPARE(Column(dialog.errorList(), column), firstClick);
        ClickHeader(dialog.errorList(), column);
        QCOMPARE(Column(dialog.errorList(), column), secondClick);
    }

    void CtrlCCopiesWhatThePageShows() {
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        ShowActive(dialog);
        struct Case {
            int tab;
            QWidget* target;
            QString text;
        };
        dialog.tabs()->setCurrentIndex(2);
        ClickHeader(dialog.errorList(), 3);
        const std::vector<Case> cases = {
            {2, dialog.errorList(),
             "Character\tErrors\tNumber of Errors\tTotal Number of Strokes\n"
             "b\t\t0\t9\na\ts\t1\t10\nc\txv\t2\t12\n"},
            {3, dialog.speedList(),
             "Character\tDelay [s]\tTotal Number of Strokes\n"
             "a\t0.300\t10\nb\t0.400\t9\nc\t0.500\t12\n"},
            {1, dialog.figuresPage(),
             "Speed (strokes/min)\tLimit:\t120.00\nSpeed (strokes/min)\tNow:\t147.62\n"
             "Error Rate\tLimit:\t2.00%\nError Rate\tNow:\t9.68%\n"
             "Characters\tTotal Time\t00:00:12\nCharacters\tCopied:\t77.5%\n"
             "Characters\tTotal:\t40\nCharacters\tNow:\t31\nCharacters\tErrors:\t3\n"},
        };
        for (const Case& c : cases) {
            QApplication::clipboard()->clear();
            dialog.tabs()->setCurrentIndex(c.tab);
            c.target->setFocus();
            QTRY_VERIFY(c.target->hasFocus());
            QTest::keyClick(c.target, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), c.text);
            // The context menu offers the same copy.
            QVERIFY(c.target->contextMenuPolicy() == Qt::ActionsContextMenu);
            QCOMPARE(c.target->actions().first()->text(), QStringLiteral("&Copy"));
        }

        dialog.tabs()->setCurrentIndex(4);
        DiagramView* errors = dialog.diagramView(0);
        errors->setFocus();
        QTRY_VERIFY(errors->hasFocus());
        QTest::keyClick(errors, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("Time - >\tAverage Error Rate - >"));
        QCOMPARE(lines.at(1), QStringLiteral("300\t0"));
        QCOMPARE(lines.at(5), QStringLiteral("1500\t2000"));  // the fifth stroke was wrong
    }

    void TabReachesThePageThenTheButtons_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("diagram");
        for (int tab = 0; tab < 8; ++tab) {
            QTest::addRow("tab %d", tab) << tab << (tab >= 4 && tab <= 6);
        }
    }
    void TabReachesThePageThenTheButtons() {
        QFETCH(int, tab);
        QFETCH(bool, diagram);
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        ShowActive(dialog);
        dialog.tabs()->setCurrentIndex(tab);
        dialog.tabs()->tabBar()->setFocus();
        QTRY_VERIFY(dialog.tabs()->tabBar()->hasFocus());
        QCOMPARE(dialog.savePictureButton()->isEnabled(), diagram);
        std::vector<QWidget*> expected = {dialog.tabs()->currentWidget()};
        if (diagram) {
            expected.push_back(dialog.savePictureButton());
        }
        expected.push_back(dialog.okButton());
        expected.push_back(dialog.tabs()->tabBar());
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void ReturnClosesWithOkAndEscapeToo() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            Fixture f(clock_);
            ResultsDialog dialog(f.model, f.settings, f.messages);
            ShowActive(dialog);
            dialog.tabs()->tabBar()->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key);
            QTRY_VERIFY(!dialog.isVisible());
        }
    }

    void AltTShowsTheFigures() {
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        ShowActive(dialog);
        QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(dialog.tabs()->currentIndex(), 1);
    }

    void RunWithoutStrokesSaysTypingWell() {
        StrokeLog log(clock_);
        log.Start(0, "Jana", 2.0, 120, 40, "Home row");
        EvaluationTexts none;
        SeededRandomSource random(1);
        const ResultsDialogModel model(log, none, random);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        ResultsDialog dialog(model, settings, messages);
        for (ResultsListView* list : {dialog.errorList(), dialog.speedList()}) {
            QCOMPARE(Column(list, 0), QStringList{"You are typing well."});
        }
        QCOMPARE(
            dialog.informationText()->toPlainText(),
            QStringLiteral("Date:\t\t14.11.2023\n\nName:\t\tJana\n\nLesson:\t\t1.  Home row\n\n"));
    }

    void RunWithoutEvaluationFileShowsTheRest_data() {
        QTest::addColumn<bool>("withFile");
        QTest::newRow("evaluation file") << true;
        QTest::newRow("no evaluation file") << false;
    }
    void RunWithoutEvaluationFileShowsTheRest() {
        QFETCH(bool, withFile);
        TempDir dir;
        CompressedLineFile file;
        for (const char* line : {":speed", "#1", "You type fast.", "You type slowly.", ""}) {
            file.AddLine(line);
        }
        QVERIFY(file.Write(dir.File("textinfo.ddd")));
        StrokeLog log(clock_);
        FillKnownRun(log);
        SeededRandomSource random(3);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        QString information;
        int rows = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ResultsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            information = dialog->informationText()->toPlainText();
            rows = dialog->errorList()->topLevelItemCount();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        ResultsDialog::Run(log,
                           {withFile ? dir.File("textinfo.ddd") : dir.File("missing.ddd"), random,
                            settings, messages},
                           nullptr);
        const QString header =
            QStringLiteral("Date:\t\t14.11.2023\n\nName:\t\tJana\n\nLesson:\t\t5.  Home row\n\n");
        QCOMPARE(information, withFile ? header + QStringLiteral("You type fast. \n") : header);
        QCOMPARE(rows, 3);
        QVERIFY(messages.messages.empty());
    }

    void KeepsItsPlaceAndColumnWidths() {
        Fixture f(clock_);
        {
            ResultsDialog dialog(f.model, f.settings, f.messages);
            ShowActive(dialog);
            dialog.resize(1000, 620);
            dialog.errorList()->header()->resizeSection(1, 150);
            dialog.speedList()->header()->resizeSection(2, 90);
            dialog.accept();
        }
        ResultsDialog again(f.model, f.settings, f.messages);
        QCOMPARE(again.size(), QSize(1000, 620));
        QCOMPARE(again.errorList()->header()->sectionSize(1), 150);
        QCOMPARE(again.speedList()->header()->sectionSize(2), 90);
        QVERIFY(f.settings.Contains("Window", "statisticdlg_cx"));
    }

    void SavePictureWritesTheShownDiagramAsPng() {
        Fixture f(clock_);
        TempDir dir;
        f.settings.WriteString(ResultsDialog::kPictureFolderSection,
                               ResultsDialog::kPictureFolderKey, dir.path());
        ResultsDialog dialog(f.model, f.settings, f.messages);
        ShowActive(dialog);
        dialog.tabs()->setCurrentIndex(5);
        bool seen = false;
        AnswerFileDialog(QStringLiteral("speed"), &seen);
        QTest::mouseClick(dialog.savePictureButton(), Qt::LeftButton);
        QVERIFY(seen);
        const QString path = QString::fromStdString(dir.File("speed.png"));
        QImage saved(path);
        QVERIFY2(!saved.isNull(), qPrintable(path));
        DiagramView* view = dialog.diagramView(1);
        const QImage expected = DiagramPainter::Render(view->diagram(), view->size(),
                                                       view->devicePixelRatioF(), view->font());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), expected);
        QVERIFY(f.messages.messages.empty());
    }

    void FailedPictureNamesTheFile() {
        Fixture f(clock_);
        ResultsDialog dialog(f.model, f.settings, f.messages);
        ShowActive(dialog);
        dialog.tabs()->setCurrentIndex(4);
        bool seen = false;
        // Nobody may create files in /proc, not even root.
        AnswerFileDialog(QStringLiteral("/proc/errors.png"), &seen);
        QVERIFY(!dialog.savePicture());
        QVERIFY(seen);
        QCOMPARE(f.messages.messages.size(), std::size_t{1});
        QCOMPARE(f.messages.messages[0].text,
                 std::string("An unknown error occurred while accessing /proc/errors.png."));
        QCOMPARE(f.messages.messages[0].caption, std::string("Kelvane"));
    }

    // "Save Results" to a name typed without extension, then "Load Results": the prompts
    // hand over the file the log was written to, in the folder used last.
    void ResultsFilePromptsSaveAndOpenAgain() {
        TempDir dir;
        MemorySettingsStore settings;
        settings.WriteString(ResultsFileDialogs::kFolderSection, ResultsFileDialogs::kFolderKey,
                             dir.path());
        StrokeLog log(clock_);
        FillKnownRun(log);
        QWidget parent;
        ResultsFileDialogs prompts(settings, &parent);

        bool seen = false;
        AnswerFileDialog(QStringLiteral("monday"), &seen);
        const std::optional<std::string> savePath = prompts.SaveResultsFile();
        QVERIFY(seen);
        QVERIFY(savePath.has_value());
        QCOMPARE(*savePath, dir.File("monday.stat"));
        QVERIFY(log.saveStat(*savePath));

        StrokeLog loaded(clock_);
        seen = false;
        AnswerFileDialog(QStringLiteral("monday.stat"), &seen);
        const std::optional<std::string> openPath = prompts.LoadResultsFile();
        QVERIFY(seen && openPath.has_value());
        QVERIFY(loaded.loadStat(*openPath));
        QCOMPARE(loaded.toLines(), log.toLines());
    }

    void SaveDialogAsksBeforeReplacingAFile() {
        TempDir dir;
        dir.Write("monday.stat", "old");
        MemorySettingsStore settings;
        settings.WriteString(ResultsFileDialogs::kFolderSection, ResultsFileDialogs::kFolderKey,
                             dir.path());
        ResultsFileDialogs prompts(settings, nullptr);
        bool asked = false;
        bool seen = false;
        AnswerFileDialog(QStringLiteral("monday"), &seen);
        // The question names the file with its extension; No returns to the file dialog,
        // which is then cancelled.
        std::function<void()> answer = [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                asked = box->text().contains(QStringLiteral("monday.stat"));
                box->button(QMessageBox::No)->click();
                QTimer::singleShot(50, [] {
                    if (auto* files =
                            qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                        files->reject();
                    }
                });
                return;
            }
            QTimer::singleShot(20, answer);
        };
        QTimer::singleShot(50, answer);
        QVERIFY(!prompts.SaveResultsFile().has_value());
        QVERIFY(seen);
        QVERIFY(asked);
        QCOMPARE(TempDir::ReadAll(dir.File("monday.stat")), std::string("old"));
    }

    void FileDialogsRememberTheFolder() {
        TempDir dir;
        std::filesystem::create_directories(dir.File("runs"));
        MemorySettingsStore settings;
        settings.WriteString(ResultsFileDialogs::kFolderSection, ResultsFileDialogs::kFolderKey,
                             dir.path());
        ResultsFileDialogs prompts(settings, nullptr);
        bool seen = false;
        AnswerFileDialog(QString::fromStdString(dir.File("runs/tuesday")), &seen);
        QCOMPARE(prompts.SaveResultsFile().value_or(""), dir.File("runs/tuesday.stat"));
        // The next dialog opens there, with the name preset.
        QString folder;
        QString preset;
        QTimer::singleShot(50, [&] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(files);
            folder = files->directory().absolutePath();
            preset = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            QCOMPARE(files->nameFilters(), QStringList{"Results (*.stat)"});
            files->reject();
        });
        QVERIFY(!prompts.LoadResultsFile().has_value());
        QCOMPARE(folder, QString::fromStdString(dir.File("runs")));
        QCOMPARE(preset, QStringLiteral("*.stat"));
    }
};

QTEST_MAIN(ResultsDialogTest)
#include "results_dialog_test.moc"
