#include "common/ui/hyper_link.h"

#include <QSignalSpy>
#include <QTest>

#include "common/ui/url_opener.h"

class HyperLinkTest : public QObject {
    Q_OBJECT

  private:
    QList<QUrl> requests_;
    bool accept_ = true;

  private slots:
    void init() {
        requests_.clear();
        accept_ = true;
        UrlOpener::Replace([this](const QUrl& url) {
            requests_.append(url);
            return accept_;
        });
    }

    void cleanup() { UrlOpener::Replace({}); }

    void ClickOpensTheTarget_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opened");
        QTest::newRow("web address as it is") << "https://kelvane.example.org"
                                              << ""
                                              << "https://kelvane.example.org";
        QTest::newRow("mail address gets mailto") << "support@kelvane.example.org"
                                                  << ""
                                                  << "mailto:support@kelvane.example.org";
        QTest::newRow("mailto is not doubled") << "mailto:a@b.org"
                                               << ""
                                               << "mailto:a@b.org";
        QTest::newRow("given target wins over the text") << "Our web site"
                                                         << "https://kelvane.example.org/help"
                                                         << "https://kelvane.example.org/help";
        QTest::newRow("given mail target gets mailto") << "Write to us"
                                                       << "info@kelvane.example.org"
                                                       << "mailto:info@kelvane.example.org";
    }

    void ClickOpensTheTarget() {
        QFETCH(QString, text);
        QFETCH(QString, target);
        QFETCH(QString, opened);
        HyperLink link(text);
        if (!target.isEmpty()) {
            link.setTarget(target);
        }
        link.show();
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(requests_.size(), 1);
        QCOMPARE(requests_.front().toString(), opened);
    }

    void EmptyTargetTakesTheTextAtTheTimeOfTheClick() {
        HyperLink link;
        link.setText("help@kelvane.example.org");
        link.setTarget("");
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(requests_.size(), 1);
        QCOMPARE(requests_.front().toString(), QString("mailto:help@kelvane.example.org"));
    }

    void OpenedLinkTurnsPurple() {
        HyperLink link("https://kelvane.example.org");
        QCOMPARE(link.color(), QColor(0x32, 0x1C, 0xFF));
        QCOMPARE(link.palette().color(QPalette::WindowText), QColor(0x32, 0x1C, 0xFF));
        QSignalSpy opened(&link, &HyperLink::opened);
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(link.color(), QColor(0x80, 0x00, 0x80));
        QCOMPARE(link.palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x80));
    }

    void FailureKeepsTheColourAndReportsIt() {
        accept_ = false;
        HyperLink link("https://kelvane.example.org");
        QSignalSpy failed(&link, &HyperLink::openFailed);
        QSignalSpy opened(&link, &HyperLink::opened);
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(requests_.size(), 1);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(opened.size(), 0);
        QCOMPARE(link.color(), QColor(0x32, 0x1C, 0xFF));
    }

    void EmptyLinkDoesNothing() {
        HyperLink link;
        QSignalSpy failed(&link, &HyperLink::openFailed);
        QTest::mouseClick(&link, Qt::LeftButton);
        QVERIFY(requests_.isEmpty());
        QCOMPARE(failed.size(), 0);
        QCOMPARE(link.color(), QColor(0x32, 0x1C, 0xFF));
    }

    void RightClickDoesNotOpen() {
        HyperLink link("https://kelvane.example.org");
        QTest::mouseClick(&link, Qt::RightButton);
        QVERIFY(requests_.isEmpty());
    }

    void ShowsTheHandCursor() {
        HyperLink link("https://kelvane.example.org");
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(HyperLinkTest)
#include "hyper_link_test.moc"
