#include "tutor/course/ui/jpeg_image.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/jpeg_loader.h"
#include "tutor/course/tests/test_jpeg_encoder.h"
#include "tutor/course/ui/compressed_picture.h"

namespace {

bool Near(QColor got, QColor want) {
    constexpr int kTolerance = 6;
    return std::abs(got.red() - want.red()) <= kTolerance &&
           std::abs(got.green() - want.green()) <= kTolerance &&
           std::abs(got.blue() - want.blue()) <= kTolerance;
}

QByteArray Describe(QColor got, QColor want) {
    return QStringLiteral("got %1 want %2").arg(got.name(), want.name()).toUtf8();
}

std::string WriteJpeg(const TempDir& dir, const char* name, const std::vector<std::uint8_t>& jpeg) {
    return dir.Write(name,
                     std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()));
}

}  // namespace

class JpegImageTest : public QObject {
    Q_OBJECT

  private slots:
    void quartersAppearWhereTheyWereDrawn_data();
    void quartersAppearWhereTheyWereDrawn();
    void paddedRowsDoNotShiftThePixels();
    void greyPictureIsGrey();
    void imageDrawsOntoAnotherImage();
    void shortPixelsGiveNullImage();
    void missingFileGivesNullImageAndMessage();
    void compressedPictureDecodesAgainAsOften();
    void compressedPictureThatCannotBeDecodedIsRefused();
};

void JpegImageTest::quartersAppearWhereTheyWereDrawn_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("top-left red") << 0 << 0 << QColor(255, 0, 0);
    QTest::newRow("inner top-left red") << 7 << 7 << QColor(255, 0, 0);
    QTest::newRow("top-right green") << 15 << 0 << QColor(0, 255, 0);
    QTest::newRow("bottom-left blue") << 0 << 15 << QColor(0, 0, 255);
    QTest::newRow("bottom-right white") << 15 << 15 << QColor(255, 255, 255);
    QTest::newRow("inner bottom-right white") << 8 << 8 << QColor(255, 255, 255);
}

void JpegImageTest::quartersAppearWhereTheyWereDrawn() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, colour);
    TempDir dir;
    std::string path = WriteJpeg(dir, "quarters.jpg",
                                 EncodeTestJpeg({.width = 16, .height = 16}, TestQuarterSamples()));
    RecordingMessageSink messages;
    QImage image = LoadJpegImage(path, messages);
    QVERIFY(messages.messages.empty());
    QCOMPARE(image.size(), QSize(16, 16));
    QColor got = image.pixelColor(x, y);
    QVERIFY2(Near(got, colour), Describe(got, colour).constData());
}

void JpegImageTest::paddedRowsDoNotShiftThePixels() {
    // 3 pixels make 9 bytes of a row, which the image pads to 12: each row must start at its
    // own place.
    TempDir dir;
    std::vector<std::uint8_t> jpeg =
        EncodeTestJpeg({.width = 3, .height = 16}, TestRgbSamples(3, 16, [](int, int y) {
                           return y < 8 ? TestRgb{255, 0, 0} : TestRgb{0, 0, 255};
                       }));
    RecordingMessageSink messages;
    QImage image = LoadJpegImage(WriteJpeg(dir, "narrow.jpg", jpeg), messages);
    QCOMPARE(image.size(), QSize(3, 16));
    for (int y = 0; y < 16; ++y) {
        QColor want = y < 8 ? QColor(255, 0, 0) : QColor(0, 0, 255);
        for (int x = 0; x < 3; ++x) {
            QColor got = image.pixelColor(x, y);
            QVERIFY2(Near(got, want), Describe(got, want).constData());
        }
    }
}

void JpegImageTest::greyPictureIsGrey() {
    TempDir dir;
    std::vector<std::uint8_t> samples(8 * 8, 100);
    RecordingMessageSink messages;
    QImage image = LoadJpegImage(
        WriteJpeg(dir, "grey.jpg", EncodeTestJpeg({.components = 1}, samples)), messages);
    QCOMPARE(image.size(), QSize(8, 8));
    QColor got = image.pixelColor(4, 4);
    QCOMPARE(got.red(), got.green());
    QCOMPARE(got.green(), got.blue());
    QVERIFY2(Near(got, QColor(100, 100, 100)), Describe(got, QColor(100, 100, 100)).constData());
}

void JpegImageTest::imageDrawsOntoAnotherImage() {
    // What the windows do with the picture: paint it somewhere else.
    TempDir dir;
    RecordingMessageSink messages;
    QImage picture = LoadJpegImage(
        WriteJpeg(dir, "q.jpg", EncodeTestJpeg({.width = 16, .height = 16}, TestQuarterSamples())),
        messages);
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.drawImage(QPoint(10, 20), picture);
    }
    QVERIFY(Near(canvas.pixelColor(10, 20), QColor(255, 0, 0)));
    QVERIFY(Near(canvas.pixelColor(25, 35), QColor(255, 255, 255)));
    QVERIFY(Near(canvas.pixelColor(9, 20), QColor(0, 0, 0)));
}

void JpegImageTest::shortPixelsGiveNullImage() {
    RgbImage pixels;
    pixels.width = 3;
    pixels.height = 4;
    pixels.bytes.assign(9 * 4 - 1, 0);
    QVERIFY(RgbToQImage(pixels).isNull());
    pixels.bytes.assign(9 * 4, 0);
    QCOMPARE(RgbToQImage(pixels).size(), QSize(3, 4));
    QVERIFY(RgbToQImage(RgbImage{}).isNull());
}

void JpegImageTest::missingFileGivesNullImageAndMessage() {
    TempDir dir;
    RecordingMessageSink messages;
    QVERIFY(LoadJpegImage(dir.File("none.jpg"), messages).isNull());
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(messages.messages[0].text),
             QString::fromStdString("JPEG :\nCan't open " + dir.File("none.jpg") + "\n"));
}

void JpegImageTest::compressedPictureDecodesAgainAsOften() {
    TempDir dir;
    RecordingMessageSink messages;
    CompressedPicture picture;
    QVERIFY(picture.isNull());
    QVERIFY(picture.Decode().isNull());
    QVERIFY(
        picture.Load(WriteJpeg(dir, "quarters.jpg",
                               EncodeTestJpeg({.width = 16, .height = 16}, TestQuarterSamples())),
                     messages));
    QVERIFY(messages.messages.empty());
    QCOMPARE(picture.size(), QSize(16, 16));
    // The file may go: the picture holds its bytes.
    std::filesystem::remove(dir.File("quarters.jpg"));
    for (int i = 0; i < 2; ++i) {
        const QImage image = picture.Decode();
        QCOMPARE(image.size(), QSize(16, 16));
        QVERIFY(Near(image.pixelColor(15, 0), QColor(0, 255, 0)));
    }
}

void JpegImageTest::compressedPictureThatCannotBeDecodedIsRefused() {
    TempDir dir;
    RecordingMessageSink messages;
    CompressedPicture picture;
    QVERIFY(
        picture.Load(WriteJpeg(dir, "good.jpg",
                               EncodeTestJpeg({.width = 16, .height = 16}, TestQuarterSamples())),
                     messages));
    const std::vector<std::uint8_t> good =
        EncodeTestJpeg({.width = 16, .height = 16}, TestQuarterSamples());
    // The header alone: a picture without its data.
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + 20);
    QVERIFY(!picture.Load(WriteJpeg(dir, "cut.jpg", cut), messages));
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QVERIFY(!picture.Load(dir.File("none.jpg"), messages));
    QCOMPARE(messages.messages.size(), std::size_t{2});
    // The picture loaded before stays.
    QCOMPARE(picture.size(), QSize(16, 16));
    QVERIFY(Near(picture.Decode().pixelColor(0, 15), QColor(0, 0, 255)));
}

QTEST_MAIN(JpegImageTest)
#include "jpeg_image_test.moc"
