#include "common/ui/code_page_validator.h"

#include <QLineEdit>
#include <QTest>

#include "common/code_page.h"
#include "common/testing/type_text.h"

class CodePageValidatorTest : public QObject {
    Q_OBJECT

  private slots:
    void TypingKeepsOnlyCharactersOfTheCodePage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Central European letters in 1250")
            << "1250" << QString::fromUtf8("Šárka Łódź €5") << QString::fromUtf8("Šárka Łódź €5");
        QTest::newRow("a letter 1250 lacks is refused, the rest kept")
            << "1250" << QString::fromUtf8("Señor") << QString::fromUtf8("Seor");
        QTest::newRow("the same letter in 1252")
            << "1252" << QString::fromUtf8("Señor") << QString::fromUtf8("Señor");
        QTest::newRow("1252 lacks the l with stroke")
            << "1252" << QString::fromUtf8("Łódź") << QString::fromUtf8("ód");
        QTest::newRow("no page has CJK or emoji")
            << "1250" << QString::fromUtf8("a漢b😀c") << QString::fromUtf8("abc");
        QTest::newRow("private-use stand-ins for undefined bytes")
            << "1250" << QString::fromUtf8("x\uF098y") << QString::fromUtf8("xy");
    }

    void TypingKeepsOnlyCharactersOfTheCodePage() {
        QFETCH(QString, page);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QVERIFY(CodePage::SetProgram(page.toStdString()));
        QLineEdit edit;
        CodePageValidator::Apply(&edit);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        TypeText(&edit, typed);
        QCOMPARE(edit.text(), kept);
        QVERIFY(edit.hasAcceptableInput());
        CodePage::SetProgram("1250");
    }

    void PastingTextWithAForeignCharacterIsRefusedWhole() {
        CodePage::SetProgram("1250");
        QLineEdit edit;
        CodePageValidator::Apply(&edit);
        edit.setText("ab");
        edit.setCursorPosition(2);
        edit.insert(QString::fromUtf8("cñd"));
        QCOMPARE(edit.text(), QString("ab"));
        edit.insert("cd");
        QCOMPARE(edit.text(), QString("abcd"));
    }
};

QTEST_MAIN(CodePageValidatorTest)
#include "code_page_validator_test.moc"
