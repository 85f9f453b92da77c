#include "tutor/users/ui/login_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <memory>

#include "common/code_page.h"
#include "common/data_paths.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/testing/type_text.h"
#include "tutor/course/tests/test_jpeg_encoder.h"
#include "tutor/users/tests/users_test_support.h"
#include "tutor/users/user_profile.h"

namespace fs = std::filesystem;

namespace {

const char* const kBadName = "The name may only consist of letters, numerals and spaces.";
const char* const kShortName = "Enter the name, please. (More than one character)";
const char* const kWrongPassword = "The wrong password!";
const char* const kShortPassword = "The password must be at least four characters long.";
const char* const kRepeat = "Welcome, New User! Re-enter the password. It must be checked.";
const char* const kReallyExit = "Do you really wish to exit the program?";

// Everything a login needs, with users written by the profile itself.
struct Fixture {
    Fixture() {
        DataPaths::SetProgramFolder(program.path() + "/");
        std::vector<std::uint8_t> jpeg =
            EncodeTestJpeg({.width = 30, .height = 30}, TestRgbSamples(30, 30, [](int, int) {
                               return TestRgb{40, 90, 160};
                           }));
        program.Write("pictures/Login.jpg",
                      std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()));
    }

    void AddUser(const std::string& folder, const std::string& name, const std::string& password,
                 int minutesAgo) {
        UserProfile writer(clock, folder, diskette);
        writer.load(name, false);
        writer.setPassword(password);
        const std::string base = folder + "/" + name;
        QVERIFY(writer.save(base, true));
        fs::last_write_time(base + ".dat",
                            fs::file_time_type::clock::now() - std::chrono::minutes(minutesAgo));
    }

    std::unique_ptr<LoginDialog> Open() {
        auto dialog = std::make_unique<LoginDialog>(model, messages);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get())) {
            return nullptr;
        }
        return dialog;
    }

    QStringList Messages() const {
        QStringList texts;
        for (const auto& m : messages.messages) {
            texts << QString::fromStdString(m.caption + "|" + m.text);
        }
        return texts;
    }

    TempDir program;
    TempDir users;
    TempDir media;
    FakeClock clock;
    FixedDisketteFolder diskette{media.path() + "/"};
    UserProfile profile{clock, users.path(), diskette};
    RecordingMessageSink messages;
    FakeInfoBoxPrompts prompts;
    LoginDialogModel model{profile, messages, prompts};
};

template <typename T>
T* Child(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

QStringList Entries(QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        entries << list->item(i)->text();
    }
    return entries;
}

QStringList Texts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

}  // namespace

class LoginDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void OpensWithTheMostRecentUserSelected() {
        Fixture f;
        f.AddUser(f.users.path(), "anna", "aaaa", 30);
        f.AddUser(f.users.path(), "bert", "bbbb", 10);
        f.AddUser(f.users.path(), "cyril", "cccc", 20);
        auto dialog = f.Open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Identify yourself"));
        auto* users = Child<QListWidget>(dialog.get(), "users");
        QCOMPARE(users->count(), 3);
        QCOMPARE(users->currentItem()->text(), QString("bert"));
        QVERIFY(users->currentItem()->isSelected());
        QCOMPARE(Child<QLineEdit>(dialog.get(), "name")->text(), QString("bert"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "password")->echoMode(), QLineEdit::Password);
        QVERIFY(!Child<QLineEdit>(dialog.get(), "repeat")->isVisible());
        QVERIFY(!Child<QLabel>(dialog.get(), "repeatLabel")->isVisible());
        QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(dialog.get(), "name"));
        QVERIFY(!Child<QLabel>(dialog.get(), "picture")->pixmap().isNull());
        QVERIFY(f.messages.messages.empty());
    }

    void OkAppliesTheLoginRules_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("infos");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("repeatShown");

        QTest::newRow("a name of one character")
            << "a"
            << "abcd"
            << "a" << QStringList() << QStringList{kShortName} << "name" << false << false;
        QTest::newRow("a name with dashes loses them")
            << "jan-petr-"
            << "abcd"
            << "janpetr" << QStringList{QString("Kelvane|") + kBadName} << QStringList() << "name"
            << false << false;
        QTest::newRow("the stored user in capitals")
            << "PETR"
            << "Heslo"
            << "PETR" << QStringList() << QStringList() << "" << true << false;
        QTest::newRow("a password in other letter case")
            << "petr"
            << "heslo"
            << "petr" << QStringList() << QStringList{kWrongPassword} << "password" << false
            << false;
        QTest::newRow("a new user with a short password")
            << "eva"
            << "abc"
            << "eva" << QStringList() << QStringList{kShortPassword} << "password" << false
            << false;
        QTest::newRow("a new user is asked to repeat the password")
            << "eva"
            << "abcd"
            << "eva" << QStringList() << QStringList{kRepeat} << "repeat" << false << true;
    }

    void OkAppliesTheLoginRules() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, shownName);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, infos);
        QFETCH(QString, focus);
        QFETCH(bool, accepted);
        QFETCH(bool, repeatShown);

        Fixture f;
        f.AddUser(f.users.path(), "petr", "Heslo", 5);
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* nameEdit = Child<QLineEdit>(dialog.get(), "name");
        auto* passwordEdit = Child<QLineEdit>(dialog.get(), "password");
        nameEdit->clear();
        QTest::keyClicks(nameEdit, name);
        passwordEdit->setFocus();
        QTest::keyClicks(passwordEdit, password);
        // Return presses the default button, OK.
        QTest::keyClick(passwordEdit, Qt::Key_Return);
        QCoreApplication::processEvents();

        QCOMPARE(nameEdit->text(), shownName);
        QCOMPARE(f.Messages(), messages);
        QCOMPARE(Texts(f.prompts.infos), infos);
        QCOMPARE(dialog->result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog->isVisible(), !accepted);
        QCOMPARE(dialog->outcome().loggedIn, accepted);
        QCOMPARE(Child<QLineEdit>(dialog.get(), "repeat")->isVisible(), repeatShown);
        QCOMPARE(Child<QLabel>(dialog.get(), "repeatLabel")->isVisible(), repeatShown);
        if (!focus.isEmpty()) {
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        }
    }

    void ANewUserRegistersWithTheRepeatedPassword() {
        Fixture f;
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* nameEdit = Child<QLineEdit>(dialog.get(), "name");
        QTest::keyClicks(nameEdit, "eva");
        QTest::keyClick(nameEdit, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "secret");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* repeat = Child<QLineEdit>(dialog.get(), "repeat");
        QCOMPARE(QApplication::focusWidget(), repeat);
        QVERIFY(!nameEdit->isEnabled());
        QTest::keyClicks(repeat, "secreT");
        QTest::keyClick(repeat, Qt::Key_Return);
        QCOMPARE(Texts(f.prompts.infos), (QStringList{kRepeat, kRepeat}));
        QCOMPARE(repeat->text(), QString());
        QVERIFY(dialog->isVisible());
        QTest::keyClicks(repeat, "secret");
        QTest::keyClick(repeat, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->outcome().loggedIn, true);
        QCOMPARE(dialog->outcome().newUser, true);
        QVERIFY(f.profile.checkPassword("secret"));
        QCOMPARE(f.profile.knownUsers(), std::vector<std::string>{"eva"});
    }

    void LeavingTheNameEditWarnsOnceAndOkDoesNotRepeatIt() {
        Fixture f;
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* nameEdit = Child<QLineEdit>(dialog.get(), "name");
        QTest::keyClicks(nameEdit, "jo-e");
        QTest::keyClick(nameEdit, Qt::Key_Tab);
        QTRY_COMPARE(nameEdit->text(), QString("joe"));
        QCOMPARE(f.Messages(), QStringList{QString("Kelvane|") + kBadName});
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("password"));
        // Back into the name and out again: it is clean now, so nothing is said.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(nameEdit, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(f.messages.messages.size(), std::size_t{1});
        QCOMPARE(Texts(f.prompts.infos), QStringList{kShortPassword});
    }

    void ClosingSaysNothingAboutTheName_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Exit clicked, answered No") << true << false;
        QTest::newRow("Exit clicked, answered Yes") << true << true;
        QTest::newRow("Escape, answered No") << false << false;
        QTest::newRow("Escape, answered Yes") << false << true;
    }

    void ClosingSaysNothingAboutTheName() {
        QFETCH(bool, byMouse);
        QFETCH(bool, answer);
        Fixture f;
        f.prompts.answers.push_back(answer);
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* nameEdit = Child<QLineEdit>(dialog.get(), "name");
        QTest::keyClicks(nameEdit, "a-b");
        if (byMouse) {
            QTest::mouseClick(Child<QPushButton>(dialog.get(), "exit"), Qt::LeftButton);
        } else {
            QTest::keyClick(nameEdit, Qt::Key_Escape);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(Texts(f.prompts.questions), QStringList{kReallyExit});
        QVERIFY(f.messages.messages.empty());
        QCOMPARE(dialog->isVisible(), !answer);
        QCOMPARE(dialog->outcome().loggedIn, false);
        if (answer) {
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
        }
    }

    void ChoosingAnEntryTakesItsNameAndKeepsTheFocusInTheList() {
        Fixture f;
        f.AddUser(f.users.path(), "anna", "aaaa", 30);
        f.AddUser(f.users.path(), "bert", "bbbb", 10);
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* users = Child<QListWidget>(dialog.get(), "users");
        auto* nameEdit = Child<QLineEdit>(dialog.get(), "name");
        auto* password = Child<QLineEdit>(dialog.get(), "password");
        QTest::keyClicks(password, "typed");
        // A click on the other entry.
        const int other = users->currentRow() == 0 ? 1 : 0;
        const QString otherName = users->item(other)->text();
        QRect rect = users->visualItemRect(users->item(other));
        QTest::mouseClick(users->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(nameEdit->text(), otherName);
        QCOMPARE(password->text(), QString());
        QCOMPARE(QApplication::focusWidget(), users);
        // Arrowing back to the first entry.
        QTest::keyClick(users, other == 0 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(nameEdit->text(), users->item(1 - other)->text());
        QCOMPARE(QApplication::focusWidget(), users);
        // Return in the list is OK with the chosen name.
        password->setText("x");
        QTest::keyClick(users, Qt::Key_Return);
        QCOMPARE(Texts(f.prompts.infos), QStringList{kWrongPassword});
    }

    void TheDisketteButtonNamesTheFolderAndListsItsUsers() {
        Fixture f;
        f.AddUser(f.users.path(), "local", "llll", 5);
        f.AddUser(f.media.path(), "carried", "cccc", 5);
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* diskette = Child<QPushButton>(dialog.get(), "diskette");
        QCOMPARE(diskette->text(), QString("Load the user file from a diskette  (") +
                                       QString::fromStdString(f.media.path()) + "/)");
        QTest::mouseClick(diskette, Qt::LeftButton);
        QCOMPARE(f.Messages(), QStringList{"Kelvane|Insert a diskette and press the button."});
        QCOMPARE(Entries(Child<QListWidget>(dialog.get(), "users")), QStringList{"carried"});
        QCOMPARE(Child<QLineEdit>(dialog.get(), "name")->text(), QString("carried"));
    }

    void EditsTakeTenCharactersOfTheCodePage() {
        Fixture f;
        auto dialog = f.Open();
        QVERIFY(dialog);
        for (const char* name : {"name", "password"}) {
            auto* edit = Child<QLineEdit>(dialog.get(), name);
            edit->setFocus();
            TypeText(edit, QString::fromUtf8("ñ\u010Cabcdefghijklmn"));
            QCOMPARE(edit->text(), QString::fromUtf8("\u010Cabcdefghi"));
        }
        QCOMPARE(f.model.nameText(), std::string("\xC8"
                                                 "abcdefghi"));
    }

    void TabFollowsTheReadingOrder_data() {
        QTest::addColumn<bool>("repeatShown");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("known user")
            << false << QStringList{"name", "password", "users", "diskette", "ok", "exit", "name"};
        QTest::newRow("new user repeating")
            << true
            << QStringList{"repeat", "users", "diskette", "ok", "exit", "password", "repeat"};
    }

    void TabFollowsTheReadingOrder() {
        QFETCH(bool, repeatShown);
        QFETCH(QStringList, order);
        Fixture f;
        f.AddUser(f.users.path(), "anna", "aaaa", 5);
        auto dialog = f.Open();
        QVERIFY(dialog);
        if (repeatShown) {
            auto* nameEdit = Child<QLineEdit>(dialog.get(), "name");
            nameEdit->clear();
            QTest::keyClicks(nameEdit, "newcomer");
            QTest::keyClick(nameEdit, Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), "abcd");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, order);
    }

    void MnemonicsPressTheirButtons() {
        Fixture f;
        f.AddUser(f.users.path(), "petr", "Heslo", 5);
        f.prompts.answers.push_back(false);
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* password = Child<QLineEdit>(dialog.get(), "password");
        password->setFocus();
        QTest::keyClick(password, Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(Texts(f.prompts.questions), QStringList{kReallyExit});
        QVERIFY(dialog->isVisible());
        password->setFocus();
        QTest::keyClicks(password, "Heslo");
        QTest::keyClick(password, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!dialog->isVisible());
        QVERIFY(dialog->outcome().loggedIn);
    }

    void RunReportsTheLogin() {
        Fixture f;
        f.AddUser(f.users.path(), "petr", "Heslo", 5);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<LoginDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QTest::keyClicks(Child<QLineEdit>(dialog, "password"), "Heslo");
            QTest::keyClick(Child<QLineEdit>(dialog, "password"), Qt::Key_Return);
        });
        LoginOutcome outcome = LoginDialog::Run(nullptr, f.model, f.messages);
        QVERIFY(outcome.loggedIn);
        QVERIFY(!outcome.newUser);
        QCOMPARE(f.profile.name(), std::string("petr"));
    }
};

QTEST_MAIN(LoginDialogTest)
#include "login_dialog_test.moc"
