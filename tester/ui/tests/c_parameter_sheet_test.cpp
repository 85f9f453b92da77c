#include "tester/ui/c_parameter_sheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

#include <filesystem>
#include <memory>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tester/calculation_rules_page_model.h"
#include "tester/characters_page_model.h"
#include "tester/controls_page_model.h"
#include "tester/description_page_model.h"
#include "tester/keyboard_type_file.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"
#include "tester/tester_sheets.h"
#include "tester/tests/scripted_yes_no_question.h"
#include "tester/ui/c_new_keyboard_name_dialog.h"
#include "tester/ui/c_parameter_page.h"
#include "tester/ui/tester_pages.h"
#include "tester/ui/tests/screenshots.h"
#include "tester/ui/tests/scripted_file_dialogs.h"
#include "tester/ui/tests/when_modal.h"
#include "tester/user_info_page_model.h"

namespace {

using M = ControlsPageModel;

// One sheet with everything it works with; the program folder is a temporary one with a
// text and three character-worth tables.
struct SheetFixture {
    enum class Form { NewTest, Start, StartFromDefinition };

    explicit SheetFixture(Form form) {
        DataPaths::SetProgramFolder(program.path() + "/");
        DataPaths::SetWritableRoot(program.path());
        textPath = program.Write("text/story.txt", "The first line.\nThe second line.\n");
        for (auto [name, editable] :
             {std::pair{"English keyboard (United States)", false}, {"Mine", true}}) {
            KeyboardType type;
            type.name = name;
            type.editable = editable;
            type.chars1 = std::string(name).substr(0, 4);
            std::filesystem::create_directories(program.path() + "/charconfig");
            KeyboardTypeFile::Write(type, program.path() + "/charconfig/" + name + ".nchrs");
        }
        // The text of the last run is offered again.
        paths.WritePath("", "LastFileOriginal", textPath);
        Make(form);
    }
    ~SheetFixture() { DataPaths::SetWritableRoot(""); }

    void Make(Form form) {
        sheet.reset();
        PageContext context{data, settings, paths, messages, questions};
        model = form == Form::NewTest
                    ? TesterSheets::NewTest(context)
                    : TesterSheets::Start(context, form == Form::StartFromDefinition);
        pageContext = std::make_unique<TesterPageContext>(
            TesterPageContext{dialogs, {"en_US", "de_DE", "cs_CZ", "sk_SK"}});
        sheet = std::make_unique<CParameterSheet>(
            *model,
            [this](ParameterPageModel& page) { return CreateTesterPage(page, *pageContext); },
            messages);
    }

    bool ShowAndWait() {
        sheet->show();
        return QTest::qWaitForWindowActive(sheet.get());
    }
    QWidget* FieldOn(int page, int id) const { return sheet->page(page)->Field(id); }
    template <class T>
    T* Get(int page, int id) const {
        return qobject_cast<T*>(FieldOn(page, id));
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Keys(const QString& text) { QTest::keyClicks(Focused(), text); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focused(), key, modifiers);
    }
    void ReplaceText(const QString& text) {
        Key(Qt::Key_A, Qt::ControlModifier);
        Keys(text);
    }
    QString LastMessage() const {
        return messages.messages.empty() ? QString()
                                         : QString::fromStdString(messages.messages.back().text);
    }

    TempDir program;
    std::string textPath;
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<ParameterSheetModel> model;
    std::unique_ptr<TesterPageContext> pageContext;
    std::unique_ptr<CParameterSheet> sheet;
};

using Form = SheetFixture::Form;

// With KV_SCREENSHOTS naming a folder, every page of the sheet is saved there as a picture
// for people to look at.
void SaveScreenshots(CParameterSheet& sheet, const QString& name) {
    const QString folder = qEnvironmentVariable("KV_SCREENSHOTS");
    if (folder.isEmpty()) {
        return;
    }
    const int current = sheet.tabs()->currentIndex();
    for (int i = 0; i < sheet.tabs()->count(); ++i) {
        sheet.tabs()->setCurrentIndex(i);
        sheet.grab().save(folder + QStringLiteral("/%1-%2.png").arg(name).arg(i));
    }
    sheet.tabs()->setCurrentIndex(current);
}

QStringList TabTexts(const CParameterSheet& sheet) {
    QStringList texts;
    for (int i = 0; i < sheet.tabs()->count(); ++i) {
        texts << sheet.tabs()->tabText(i);
    }
    return texts;
}

}  // namespace

class CParameterSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void StartSheetIsFilledAndConfirmedByKeysAlone() {
        SheetFixture f(Form::Start);
        QCOMPARE(f.sheet->windowTitle(), QString("Set all these parameters"));
        QCOMPARE(TabTexts(*f.sheet),
                 (QStringList{"Controls", "Characters", "Calculation Rules", "User Info"}));
        QVERIFY(f.ShowAndWait());
        SaveScreenshots(*f.sheet, "start");
        QCOMPARE(f.Focused(), f.FieldOn(0, M::kTimeLimitField));
        f.ReplaceText("1");
        f.Key(Qt::Key_Tab);
        QCOMPARE(f.Focused(), f.FieldOn(0, M::kFileNameField));
        f.ReplaceText(QString::fromStdString(f.textPath));
        // Enter off, scrolling by Tab: by mnemonics.
        // A mnemonic clicks its button a moment later, as a click shows.
        f.Key(Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!f.Get<QCheckBox>(0, M::kAllowEnterField)->isChecked());
        f.Key(Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(f.Get<QRadioButton>(0, M::kTabField)->isChecked());
        for (int page = 1; page <= 3; ++page) {
            f.Key(Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(f.sheet->tabs()->currentIndex(), page);
        }
        QCOMPARE(f.Focused(), f.FieldOn(3, UserInfoPageModel::kNicknameField));
        f.Keys("kim");
        f.Key(Qt::Key_Tab);
        f.Keys("Kim");
        f.Key(Qt::Key_Return);
        QCOMPARE(f.sheet->result(), int(QDialog::Accepted));
        QVERIFY(f.messages.messages.empty());
        QCOMPARE(f.data.timeLimitMinutes, 1);
        QCOMPARE(f.data.allowEnter, 0);
        QCOMPARE(f.data.scrollingType, 2);
        QCOMPARE(f.data.originalText, std::string("The first line.\r\nThe second line."));
        QCOMPARE(f.data.nickname, std::string("kim"));
        QCOMPARE(f.data.firstName, std::string("Kim"));
        QCOMPARE(f.data.keyboardTypeName, std::string("English keyboard (United States)"));
        QCOMPARE(f.settings.ReadInt("", "TimeLimit", 0), 1);
        QCOMPARE(f.paths.ReadPath("", "LastFileOriginal", ""), f.textPath);
    }

    void ABadTimeLimitKeepsThePageAndTheFocusOnTheField_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("zero") << "0";
        QTest::newRow("too long") << "201";
        QTest::newRow("empty") << "";
    }

    void ABadTimeLimitKeepsThePageAndTheFocusOnTheField() {
        QFETCH(QString, typed);
        SheetFixture f(Form::Start);
        QVERIFY(f.ShowAndWait());
        f.ReplaceText(typed);
        if (typed.isEmpty()) {
            f.Key(Qt::Key_Delete);
        }
        f.Key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.sheet->tabs()->currentIndex(), 0);
        QCOMPARE(f.LastMessage(), QString("Please enter an integer between 1 and 200."));
        QCOMPARE(f.Focused(), f.FieldOn(0, M::kTimeLimitField));
        // OK says the same.
        f.Key(Qt::Key_Return);
        QCOMPARE(f.messages.messages.size(), 2u);
        QVERIFY(f.sheet->isVisible());
    }

    void OkWithoutTextOrNicknameShowsTheOffendingPage() {
        SheetFixture f(Form::Start);
        QVERIFY(f.ShowAndWait());
        f.Key(Qt::Key_Tab);
        f.ReplaceText(QString::fromStdString(f.program.File("missing.txt")));
        f.Key(Qt::Key_Return);
        QCOMPARE(f.LastMessage(),
                 QString("The program cannot load the text from file. Check the file name, "
                         "please."));
        QCOMPARE(f.Focused(), f.FieldOn(0, M::kFileNameField));
        f.ReplaceText(QString::fromStdString(f.textPath));
        f.Key(Qt::Key_Return);
        QCOMPARE(f.LastMessage(), QString("Enter Nickname, please."));
        QCOMPARE(f.sheet->tabs()->currentIndex(), 3);
        QCOMPARE(f.Focused(), f.FieldOn(3, UserInfoPageModel::kNicknameField));
        QVERIFY(f.sheet->isVisible());
        QCOMPARE(f.data.originalText, std::string());
        f.Keys("x");
        f.Key(Qt::Key_Return);

        QCOMPARE(f.sheet->result(), int(QDialog::Accepted));
    }

    void SelectFileTakesThePathFromTheDialog() {
        SheetFixture f(Form::Start);
        f.dialogs.openAnswers = {f.textPath};
        QVERIFY(f.ShowAndWait());
        f.Key(Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(f.dialogs.asked.size(), 1u);
        QCOMPARE(f.dialogs.asked,
                 (std::vector<std::string>{"open Text file (*.txt)|*.txt|All files (*.*)|*.*|| " +
                                           f.program.path() + "/text/*.txt"}));
        QCOMPARE(f.Get<QLineEdit>(0, M::kFileNameField)->text(),
                 QString::fromStdString(f.textPath));
    }

    void EscapeCancelsAndChangesNothing() {
        SheetFixture f(Form::Start);
        QVERIFY(f.ShowAndWait());
        f.ReplaceText("9");
        f.Key(Qt::Key_Escape);
        QCOMPARE(f.sheet->result(), int(QDialog::Rejected));
        QVERIFY(!f.sheet->isVisible());
        QCOMPARE(f.data.timeLimitMinutes, 5);
        QVERIFY(!f.settings.Contains("", "TimeLimit"));
    }

    void DefinitionFormShowsTheTestReadOnlyAndAsksOnlyForTheTypist() {
        SheetFixture f(Form::Start);
        f.data.testName = "Story";
        f.data.testId = "MV20240101_101010_30_01";
        f.data.timeLimitMinutes = 2;
        f.data.allowArrows = 0;
        f.data.nickname = "author";
        f.data.keyboardTypeName = "Their table";
        f.data.pointsPerError = 50;
        f.Make(Form::StartFromDefinition);
        QCOMPARE(TabTexts(*f.sheet), (QStringList{"Description", "Author Info", "Controls",
                                                  "Characters", "Calculation Rules", "User Info"}));
        auto* name = f.Get<QLineEdit>(0, DescriptionPageModel::kNameField);
        QCOMPARE(name->text(), QString("Story"));
        QVERIFY(name->isReadOnly());
        QVERIFY(!f.FieldOn(0, DescriptionPageModel::kLanguageField)->isEnabled());
        QVERIFY(!f.FieldOn(0, DescriptionPageModel::kLevelSlider)->isEnabled());
        QCOMPARE(f.Get<QLineEdit>(1, UserInfoPageModel::kNicknameField)->text(), QString("author"));
        QVERIFY(f.Get<QLineEdit>(1, UserInfoPageModel::kNicknameField)->isReadOnly());
        QCOMPARE(f.Get<QLineEdit>(2, M::kTimeLimitField)->text(), QString("2"));
        QVERIFY(f.Get<QLineEdit>(2, M::kTimeLimitField)->isReadOnly());
        QCOMPARE(f.Get<QLineEdit>(2, M::kFileIdField)->text(), QString("MV20240101_101010_30_01"));
        QVERIFY(f.FieldOn(2, M::kFileIdField)->isVisibleTo(f.sheet->page(2)));
        QVERIFY(!f.FieldOn(2, M::kFileNameField)->isVisibleTo(f.sheet->page(2)));
        QVERIFY(!f.FieldOn(2, M::kSelectFileButton)->isVisibleTo(f.sheet->page(2)));
        QVERIFY(!f.Get<QCheckBox>(2, M::kAllowArrowsField)->isChecked());
        QVERIFY(!f.FieldOn(2, M::kAllowArrowsField)->isEnabled());
        auto* types = f.Get<QComboBox>(3, CharactersPageModel::kTypeField);
        QCOMPARE(types->count(), 1);
        QCOMPARE(types->currentText(), QString("Their table"));
        QVERIFY(!types->isEnabled());
        QVERIFY(!f.FieldOn(3, CharactersPageModel::kAddButton)->isVisibleTo(f.sheet->page(3)));
        QVERIFY(!f.FieldOn(3, CharactersPageModel::kDeleteButton)->isVisibleTo(f.sheet->page(3)));
        QVERIFY(f.Get<QPlainTextEdit>(3, CharactersPageModel::kChars1Field)->isReadOnly());
        auto* points = f.Get<QComboBox>(4, CalculationRulesPageModel::kPointsField);
        QCOMPARE(points->currentText(), QString("50"));
        QVERIFY(!points->isEnabled());

        QVERIFY(f.ShowAndWait());
        SaveScreenshots(*f.sheet, "start-definition");
        for (int page = 1; page <= 5; ++page) {
            f.Key(Qt::Key_Tab, Qt::ControlModifier);
        }
        QCOMPARE(f.sheet->tabs()->currentIndex(), 5);
        QCOMPARE(f.Focused(), f.FieldOn(5, UserInfoPageModel::kNicknameField));
        f.Keys("typist");
        f.Key(Qt::Key_Return);
        QCOMPARE(f.sheet->result(), int(QDialog::Accepted));
        QCOMPARE(f.data.nickname, std::string("typist"));
        QCOMPARE(f.data.timeLimitMinutes, 2);
        QCOMPARE(f.data.keyboardTypeName, std::string("Their table"));
    }

    void NewTestSheetRefusesToLeaveANamelessDescription() {
        SheetFixture f(Form::NewTest);
        f.settings.WriteInt("", "LanguageID", 1031);
        f.Make(Form::NewTest);
        QCOMPARE(f.sheet->windowTitle(), QString("Set parameters for the new test"));
        QCOMPARE(TabTexts(*f.sheet), (QStringList{"Description", "Controls", "Characters",
                                                  "Calculation Rules", "Author Info"}));
        auto* language = f.Get<QComboBox>(0, DescriptionPageModel::kLanguageField);
        QCOMPARE(language->currentText(), QString("German (Germany)"));
        QCOMPARE(language->count(), 4);
        QVERIFY(f.ShowAndWait());
        SaveScreenshots(*f.sheet, "new-test");
        QCOMPARE(f.Focused(), f.FieldOn(0, DescriptionPageModel::kNameField));
        f.Key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.sheet->tabs()->currentIndex(), 0);
        QCOMPARE(f.LastMessage(), QString("Enter the name of the new test, please."));
        QCOMPARE(f.Focused(), f.FieldOn(0, DescriptionPageModel::kNameField));
        f.Keys("Garden");
        f.Key(Qt::Key_Tab);
        f.Keys("Line one");
        f.Key(Qt::Key_Return);
        f.Keys("line two");
        f.Key(Qt::Key_Tab);
        QCOMPARE(f.Focused(), static_cast<QWidget*>(language));
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Tab);
        QCOMPARE(f.Focused(), f.FieldOn(0, DescriptionPageModel::kLevelSlider));
        f.Key(Qt::Key_Right);
        f.Key(Qt::Key_Right);
        QCOMPARE(f.Get<QLineEdit>(0, DescriptionPageModel::kLevelNumberField)->text(),
                 QString("7"));
        f.Key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.sheet->tabs()->currentIndex(), 1);
        f.Key(Qt::Key_Tab);
        f.ReplaceText(QString::fromStdString(f.textPath));
        f.Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.sheet->tabs()->currentIndex(), 0);
        for (int page = 1; page <= 4; ++page) {
            f.Key(Qt::Key_Tab, Qt::ControlModifier);
        }
        f.Keys("author");
        f.Key(Qt::Key_Return);
        QCOMPARE(f.sheet->result(), int(QDialog::Accepted));
        QCOMPARE(f.data.testName, std::string("Garden"));
        QCOMPARE(f.data.description, std::string("Line one\r\nline two"));
        QCOMPARE(f.data.level, 7);
        QVERIFY(f.data.languageId != 1031);
        QCOMPARE(f.settings.ReadInt("", "LastDifficulty", 0), 7);
        QCOMPARE(f.data.nickname, std::string("author"));
        QCOMPARE(f.data.originalText, std::string("The first line.\r\nThe second line."));
    }

    void AStoredLanguageOrCountryMissingFromTheListsIsKeptAndShown() {
        SheetFixture f(Form::Start);
        f.data.languageId = 1049;
        f.data.country = "Atlantis";
        f.Make(Form::StartFromDefinition);
        auto* language = f.Get<QComboBox>(0, DescriptionPageModel::kLanguageField);
        QCOMPARE(language->currentText(), QString("Russian (Russia)"));
        QCOMPARE(language->currentData().toInt(), 1049);
        f.data.languageId = 4242;
        f.Make(Form::StartFromDefinition);
        QCOMPARE(f.Get<QComboBox>(0, DescriptionPageModel::kLanguageField)->currentText(),
                 QString("4242"));
        QCOMPARE(f.Get<QComboBox>(1, UserInfoPageModel::kCountryField)->currentText(),
                 QString("Atlantis"));
    }

    void AKnownNicknameBringsBackItsTypistsDetails() {
        SheetFixture f(Form::Start);
        f.settings.WriteString("jana_USER", "NickName", "jana");
        f.settings.WriteString("jana_USER", "City", "Brno");
        f.settings.WriteString("jana_USER", "Country", "Czechia");
        f.Make(Form::Start);
        auto* country = f.Get<QComboBox>(3, UserInfoPageModel::kCountryField);
        QVERIFY(country->findText("Slovakia") >= 0);
        QVERIFY(country->findText("United States") >= 0);
        QVERIFY(f.ShowAndWait());
        for (int page = 1; page <= 3; ++page) {
            f.Key(Qt::Key_Tab, Qt::ControlModifier);
        }
        f.Key(Qt::Key_Tab);
        f.Keys("Someone");
        f.Key(Qt::Key_Tab, Qt::ShiftModifier);
        f.Keys("jana");
        f.Key(Qt::Key_Tab);
        QCOMPARE(f.Get<QLineEdit>(3, UserInfoPageModel::kFirstNameField)->text(), QString());
        QCOMPARE(f.Get<QLineEdit>(3, UserInfoPageModel::kCityField)->text(), QString("Brno"));
        QCOMPARE(country->currentText(), QString("Czechia"));
    }

    void CharactersAreEditedAddedAndDeletedFromTheKeyboard() {
        SheetFixture f(Form::Start);
        f.questions.answers = {true};
        QVERIFY(f.ShowAndWait());
        f.Key(Qt::Key_Tab, Qt::ControlModifier);
        auto* types = f.Get<QComboBox>(1, CharactersPageModel::kTypeField);
        QCOMPARE(f.Focused(), static_cast<QWidget*>(types));
        auto* chars1 = f.Get<QPlainTextEdit>(1, CharactersPageModel::kChars1Field);
        QVERIFY(chars1->isReadOnly());
        QVERIFY(!f.FieldOn(1, CharactersPageModel::kDeleteButton)->isEnabled());
        f.Key(Qt::Key_Down);
        QCOMPARE(types->currentText(), QString("Mine"));
        QVERIFY(!chars1->isReadOnly());
        QVERIFY(f.FieldOn(1, CharactersPageModel::kDeleteButton)->isEnabled());

        QString title;
        WhenModal<CNewKeyboardNameDialog>([&title](CNewKeyboardNameDialog* dialog) {
            title = dialog->windowTitle();
            SaveScreenshot(dialog, "new-keyboard-name");
            QTest::keyClicks(dialog->nameEdit(), "Added");
            QTest::keyClick(dialog->nameEdit(), Qt::Key_Return);
        });
        f.Key(Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(types->currentText(), QString("Added"));
        QCOMPARE(title, QString("New Keyboard Name"));
        // The offscreen platform gives the activation back only when asked.
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        QVERIFY(std::filesystem::exists(f.program.path() + "/charconfig/Added.nchrs"));
        chars1->setFocus();
        f.Key(Qt::Key_End, Qt::ControlModifier);
        f.Keys("!");
        // Enter is the sheet's OK, not a character of the set.
        f.Key(Qt::Key_Return);
        QCOMPARE(f.LastMessage(), QString("Enter Nickname, please."));
        QCOMPARE(chars1->toPlainText(), QString("Mine!"));
        // Another table shown writes the changed one back.
        f.sheet->tabs()->setCurrentIndex(1);
        types->setFocus();
        f.Key(Qt::Key_Down);
        QCOMPARE(types->currentText(), QString("English keyboard (United States)"));
        QCOMPARE(KeyboardTypeFile::Read(f.program.path() + "/charconfig/Added.nchrs")->chars1,
                 std::string("Mine!"));
        f.Key(Qt::Key_Up);
        QCOMPARE(chars1->toPlainText(), QString("Mine!"));
        f.Key(Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(f.questions.asked.size(), 1u);
        QCOMPARE(f.questions.asked,
                 (std::vector<std::string>{
                     "Morvik: Do you really want to delete the current keyboard: Added ?"}));
        QVERIFY(!std::filesystem::exists(f.program.path() + "/charconfig/Added.nchrs"));
        QCOMPARE(types->count(), 2);
    }

    void CalculationRulesRefuseNegativePoints() {
        SheetFixture f(Form::Start);
        QVERIFY(f.ShowAndWait());
        f.Key(Qt::Key_Tab, Qt::ControlModifier);
        f.Key(Qt::Key_Tab, Qt::ControlModifier);
        auto* points = f.Get<QComboBox>(2, CalculationRulesPageModel::kPointsField);
        QCOMPARE(points->currentText(), QString("10"));
        QVERIFY(f.Focused() == points || points->isAncestorOf(f.Focused()));
        f.ReplaceText("-5");
        f.Key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.sheet->tabs()->currentIndex(), 2);
        QCOMPARE(f.LastMessage(), QString("Insert or select a positive integer."));
        f.ReplaceText("50");
        f.Key(Qt::Key_Tab, Qt::ControlModifier);
        f.Keys("kim");
        f.Key(Qt::Key_Return);
        QCOMPARE(f.LastMessage(), QString("Insert or select a positive integer."));
        QCOMPARE(f.messages.messages.size(), 1u);
        QCOMPARE(f.sheet->result(), int(QDialog::Accepted));
        QCOMPARE(f.data.pointsPerError, 50);
        QCOMPARE(f.settings.ReadInt("", "ErrorMinusHits", 0), 50);
    }
};

QTEST_MAIN(CParameterSheetTest)
#include "c_parameter_sheet_test.moc"
