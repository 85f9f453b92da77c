#include "common/ui/about_dialog.h"

#include <QLabel>
#include <QPixmap>
#include <QTest>

#include "common/ui/hyper_link.h"
#include "common/ui/url_opener.h"

class AboutDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void ShowsNameVersionAndBothLinks() {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::darkBlue);
        AboutDialog dialog("Morvik", "1.0", "Typing tester", QIcon(pixmap));
        QCOMPARE(dialog.windowTitle(), QString("About Morvik"));
        QCOMPARE(dialog.findChild<QLabel*>("productName")->text(), QString("Morvik"));
        QCOMPARE(dialog.findChild<QLabel*>("version")->text(), QString("Version 1.0"));
        QCOMPARE(dialog.webLink()->text(), QString("https://kelvane.example.org"));
        QCOMPARE(dialog.mailLink()->text(), QString("support@kelvane.example.org"));
    }

    void MailLinkStartsANewMail() {
        QList<QUrl> opened;
        UrlOpener::Replace([&opened](const QUrl& url) {
            opened.append(url);
            return true;
        });
        AboutDialog dialog("Kelvane", "1.0", "Touch-typing tutor", QIcon());
        dialog.show();
        QTest::mouseClick(dialog.mailLink(), Qt::LeftButton);
        QTest::mouseClick(dialog.webLink(), Qt::LeftButton);
        UrlOpener::Replace({});
        QCOMPARE(opened, (QList<QUrl>{QUrl("mailto:support@kelvane.example.org"),
                                      QUrl("https://kelvane.example.org")}));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
