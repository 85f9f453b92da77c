#include "tutor/users/ui/user_details_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <memory>

#include "common/code_page.h"
#include "common/testing/fake_clock.h"
#include "common/testing/temp_dir.h"
#include "common/testing/type_text.h"
#include "tutor/users/ui/system_countries.h"
#include "tutor/users/user_profile.h"

namespace {

const std::vector<std::string> kSystem = {"Default", "Germany", "India",  "United States",
                                          "Czechia", "India",   "Europe", "Austria"};

struct Fixture {
    explicit Fixture(UserProfile::Details details) {
        profile.load("pavel", false);
        profile.setDetails(details);
        profile.save(users.path() + "/pavel", true);
    }

    std::unique_ptr<UserDetailsDialog> Open(const std::vector<std::string>& countries = kSystem) {
        model = std::make_unique<UserDetailsModel>(profile, countries);
        auto dialog = std::make_unique<UserDetailsDialog>(*model);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get())) {
            return nullptr;
        }
        return dialog;
    }

    FakeClock clock;
    TempDir users;
    FixedDisketteFolder diskette{""};
    UserProfile profile{clock, users.path(), diskette};
    std::unique_ptr<UserDetailsModel> model;
};

UserProfile::Details Someone(std::string country = "Austria") {
    return {"Pavel", "Novak", "1.1.1990", "pavel@example.com", "Brno", std::move(country)};
}

template <typename T>
T* Child(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

}  // namespace

class UserDetailsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void ShowsTheStoredDetails() {
        Fixture f(Someone());
        auto dialog = f.Open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Detailed information"));
        auto* name = Child<QLineEdit>(dialog.get(), "name");
        QCOMPARE(name->text(), QString("pavel"));
        QVERIFY(name->isReadOnly());
        QCOMPARE(Child<QLineEdit>(dialog.get(), "firstName")->text(), QString("Pavel"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "lastName")->text(), QString("Novak"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "email")->text(), QString("pavel@example.com"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "dateOfBirth")->text(), QString("1.1.1990"));
        QCOMPARE(Child<QLineEdit>(dialog.get(), "city")->text(), QString("Brno"));
        auto* country = Child<QComboBox>(dialog.get(), "country");
        QVERIFY(!country->isEditable());
        QCOMPARE(Items(country),
                 (QStringList{"Austria", "Czechia", "Germany", "India", "United States"}));
        QCOMPARE(country->currentText(), QString("Austria"));
    }

    void TheCountryShownAndStored_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("count");
        QTest::newRow("a country of the list") << "Germany"
                                               << "Germany" << 5;
        QTest::newRow("none shows the United States") << ""
                                                      << "United States" << 5;
        QTest::newRow("an unknown country is added and kept") << "Czech Republic"
                                                              << "Czech Republic" << 6;
    }

    void TheCountryShownAndStored() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(int, count);
        Fixture f(Someone(stored.toStdString()));
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* country = Child<QComboBox>(dialog.get(), "country");
        QCOMPARE(country->count(), count);
        QCOMPARE(country->currentText(), shown);
        QTest::keyClick(Child<QLineEdit>(dialog.get(), "city"), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(f.profile.details().country), shown);
    }

    void TypingStopsAtEachLimit_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("limit");
        QTest::newRow("first name") << "firstName" << 30;
        QTest::newRow("last name") << "lastName" << 30;
        QTest::newRow("e-mail") << "email" << 40;
        QTest::newRow("date of birth") << "dateOfBirth" << 10;
        QTest::newRow("city") << "city" << 50;
    }

    void TypingStopsAtEachLimit() {
        QFETCH(QString, field);
        QFETCH(int, limit);
        Fixture f(UserProfile::Details{});
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* edit = Child<QLineEdit>(dialog.get(), field.toLatin1().constData());
        edit->setFocus();
        QTest::keyClicks(edit, QString(60, QLatin1Char('x')));
        QCOMPARE(edit->text().size(), limit);
        QTest::mouseClick(Child<QPushButton>(dialog.get(), "ok"), Qt::LeftButton);
        const auto& d = f.profile.details();
        const std::string stored = field == "firstName"     ? d.firstName
                                   : field == "lastName"    ? d.lastName
                                   : field == "email"       ? d.email
                                   : field == "dateOfBirth" ? d.dateOfBirth
                                                            : d.city;
        QCOMPARE(stored, std::string(static_cast<std::size_t>(limit), 'x'));
    }

    void AnOverlongStoredDetailIsKeptWhole() {
        UserProfile::Details details = Someone();
        details.dateOfBirth = "1st of January 1990";
        details.city = std::string(64, 'c');
        Fixture f(details);
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* dateOfBirth = Child<QLineEdit>(dialog.get(), "dateOfBirth");
        QCOMPARE(dateOfBirth->text(), QString("1st of January 1990"));
        // Typing cannot make it longer still.
        dateOfBirth->setFocus();
        dateOfBirth->end(false);
        QTest::keyClicks(dateOfBirth, "!");
        QCOMPARE(dateOfBirth->text(), QString("1st of January 1990"));
        QTest::mouseClick(Child<QPushButton>(dialog.get(), "ok"), Qt::LeftButton);
        QCOMPARE(f.profile.details().dateOfBirth, std::string("1st of January 1990"));
        QCOMPARE(f.profile.details().city, std::string(64, 'c'));
    }

    void EditsRefuseCharactersTheCodePageLacks() {
        Fixture f(UserProfile::Details{});
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* city = Child<QLineEdit>(dialog.get(), "city");
        city->setFocus();
        TypeText(city, QString::fromUtf8("Plzeň Ørsted"));
        QCOMPARE(city->text(), QString::fromUtf8("Plzeň rsted"));
        QTest::keyClick(city, Qt::Key_Return);
        QCOMPARE(f.profile.details().city, std::string("Plze\xF2 rsted"));
    }

    void ACountryChosenByKeysIsStored() {
        Fixture f(Someone());
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* country = Child<QComboBox>(dialog.get(), "country");
        country->setFocus();
        QTest::keyClick(country, Qt::Key_Down);
        QTest::keyClick(country, Qt::Key_Down);
        QCOMPARE(country->currentText(), QString("Germany"));
        QTest::keyClick(country, Qt::Key_Return);
        QCOMPARE(f.profile.details().country, std::string("Germany"));
        QVERIFY(f.profile.modified());
    }

    void CancelChangesNothing_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("the Cancel button") << false;
    }

    void CancelChangesNothing() {
        QFETCH(bool, byEscape);
        Fixture f(Someone());
        QVERIFY(!f.profile.modified());
        auto dialog = f.Open();
        QVERIFY(dialog);
        auto* city = Child<QLineEdit>(dialog.get(), "city");
        city->setFocus();
        QTest::keyClicks(city, "xyz");
        if (byEscape) {
            QTest::keyClick(city, Qt::Key_Escape);
        } else {
            QTest::keyClick(city, Qt::Key_C, Qt::AltModifier);
        }
        // A mnemonic presses its button visibly, a moment later.
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(f.profile.details(), Someone());
        QVERIFY(!f.profile.modified());
    }

    void TabFollowsTheReadingOrder() {
        Fixture f(Someone());
        auto dialog = f.Open();
        QVERIFY(dialog);
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, (QStringList{"firstName", "lastName", "email", "dateOfBirth", "city",
                                    "country", "ok", "cancel", "firstName"}));
    }

    void TheSystemListHoldsEachCountryOnceAndNoRegion() {
        Fixture f(Someone(""));
        auto dialog = f.Open(SystemCountryNames());
        QVERIFY(dialog);
        const QStringList items = Items(Child<QComboBox>(dialog.get(), "country"));
        QVERIFY(items.size() > 100);
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
        for (const char* region : {"Default", "World", "Europe", "Latin America"}) {
            QVERIFY2(!items.contains(region), region);
        }
        QCOMPARE(items.count("India"), 1);
        QCOMPARE(Child<QComboBox>(dialog.get(), "country")->currentText(),
                 QString("United States"));
    }

    void RunStoresOnOk() {
        Fixture f(Someone(""));
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr);
            auto* city = Child<QLineEdit>(dialog, "city");
            city->setFocus();
            city->selectAll();
            QTest::keyClicks(city, "Ostrava");
            QTest::keyClick(city, Qt::Key_Return);
        });
        QVERIFY(UserDetailsDialog::Run(nullptr, f.profile));
        QCOMPARE(f.profile.details().city, std::string("Ostrava"));
        QCOMPARE(f.profile.details().country, std::string("United States"));
    }
};

QTEST_MAIN(UserDetailsDialogTest)
#include "user_details_dialog_test.moc"
