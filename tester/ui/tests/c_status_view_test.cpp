#include "tester/ui/c_status_view.h"

#include <QImage>
#include <QTest>

class CStatusViewTest : public QObject {
    Q_OBJECT

  private slots:
    void TheBarShowsTheElapsedShare_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("shown");
        QTest::newRow("nothing") << 0 << 0;
        QTest::newRow("a quarter") << 25 << 25;
        QTest::newRow("all") << 100 << 100;
        QTest::newRow("beyond") << 130 << 100;
        QTest::newRow("below") << -5 << 0;
    }

    void TheBarShowsTheElapsedShare() {
        QFETCH(int, percent);
        QFETCH(int, shown);
        CStatusView view;
        view.resize(400, CStatusView::kHeight);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SetPercent(percent);
        QCOMPARE(view.percent(), shown);
        QCOMPARE(view.BarWidth(), 400 * shown / 100);
        const QImage image = view.grab().toImage();
        const QColor bar = view.palette().color(QPalette::Highlight);
        const QColor strip = view.palette().color(QPalette::Mid);
        if (shown > 0) {
            QCOMPARE(image.pixelColor(view.BarWidth() - 1, 2).rgb(), bar.rgb());
        }
        if (shown < 100) {
            QCOMPARE(image.pixelColor(view.BarWidth(), 2).rgb(), strip.rgb());
        }
        QCOMPARE(view.height(), CStatusView::kHeight);
    }
};

QTEST_MAIN(CStatusViewTest)
#include "c_status_view_test.moc"
