#include "common/ui/drawn_icon.h"

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

namespace {

// A square filled in red with a blue dot in its bottom-right corner, so that a picture drawn
// at the wrong scale or place shows.
void RedSquare(QPainter& painter, const QRectF& square) {
    painter.fillRect(square, Qt::red);
    const qreal dot = square.width() / 8;
    painter.fillRect(QRectF(square.right() - dot, square.bottom() - dot, dot, dot), Qt::blue);
}

}  // namespace

class DrawnIconTest : public QObject {
    Q_OBJECT

  private slots:
    void NothingIsDrawnBeforeASizeIsAsked() {
        int draws = 0;
        QIcon icon = DrawnIcon([&draws](QPainter& painter, const QRectF& square) {
            ++draws;
            RedSquare(painter, square);
        });
        QIcon copy = icon;
        QVERIFY(!copy.isNull());
        QCOMPARE(draws, 0);
        copy.pixmap(QSize(16, 16));
        QCOMPARE(draws, 1);
    }

    void PixmapIsDrawnAtTheDevicePixelsOfTheScreen_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("toolbar, plain screen") << 22 << qreal(1);
        QTest::newRow("toolbar, scaled by two") << 22 << qreal(2);
        QTest::newRow("menu, scaled by two") << 16 << qreal(2);
        QTest::newRow("window, scaled by one and a half") << 32 << qreal(1.5);
    }

    void PixmapIsDrawnAtTheDevicePixelsOfTheScreen() {
        QFETCH(int, size);
        QFETCH(qreal, ratio);
        const QPixmap pixmap = DrawnIcon(RedSquare).pixmap(QSize(size, size), ratio);
        const int pixels = qRound(size * ratio);
        QCOMPARE(pixmap.size(), QSize(pixels, pixels));
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        // The drawing covers the whole square, its corner dot in the last device pixel.
        const QImage image = pixmap.toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(image.pixelColor(pixels - 1, 0), QColor(Qt::red));
        QCOMPARE(image.pixelColor(pixels - 1, pixels - 1), QColor(Qt::blue));
    }

    void PaintDrawsIntoTheGivenRectangleOnly() {
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            DrawnIcon(RedSquare).paint(&painter, QRect(8, 8, 16, 16));
        }
        QCOMPARE(image.pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(image.pixelColor(23, 23), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(7, 7).alpha(), 0);
        QCOMPARE(image.pixelColor(24, 24).alpha(), 0);
    }

    void OtherModesLookAsTheStyleMakesThem_data() {
        QTest::addColumn<QIcon::Mode>("mode");
        QTest::newRow("disabled") << QIcon::Disabled;
        QTest::newRow("active") << QIcon::Active;
        QTest::newRow("selected") << QIcon::Selected;
    }

    void OtherModesLookAsTheStyleMakesThem() {
        QFETCH(QIcon::Mode, mode);
        const QIcon icon = DrawnIcon(RedSquare);
        const QPixmap normal = icon.pixmap(QSize(22, 22), 1.0);
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        const QImage expected =
            QApplication::style()->generatedIconPixmap(mode, normal, &option).toImage();
        QCOMPARE(icon.pixmap(QSize(22, 22), 1.0, mode).toImage(), expected);
        // Painted in that mode, the icon shows the same picture.
        QImage painted(22, 22, expected.format());
        painted.fill(Qt::transparent);
        {
            QPainter painter(&painted);
            icon.paint(&painter, QRect(0, 0, 22, 22), Qt::AlignCenter, mode);
        }
        QCOMPARE(painted, expected);
    }
};

QTEST_MAIN(DrawnIconTest)
#include "drawn_icon_test.moc"
