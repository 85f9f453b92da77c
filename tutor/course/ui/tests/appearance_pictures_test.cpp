#include "tutor/course/ui/appearance_pictures.h"

#include <QtTest>

#include <string>
#include <vector>

#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/tests/test_jpeg_encoder.h"

namespace {

// Writes the eleven pictures of an appearance, 8 x 8 each in one grey level (shade + index),
// leaving out one, or writing a damaged file in its place.
void WriteAppearance(const TempDir& pictures, const std::string& name, int shade, int missing = -1,
                     int damaged = -1) {
    for (int i = 0; i < AppearanceList::kPictureCount; ++i) {
        if (i == missing) {
            continue;
        }
        const std::string file = name + "/" + std::string(AppearanceList::kPictureFiles[i]);
        if (i == damaged) {
            pictures.Write(file, "\xFF\xD8 not really a picture");
            continue;
        }
        TestJpegOptions options;
        options.components = 1;
        const std::vector<std::uint8_t> jpeg = EncodeTestJpeg(
            options, std::vector<std::uint8_t>(64, static_cast<std::uint8_t>(shade + i)));
        pictures.Write(file,
                       std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()));
    }
}

int Shade(const QImage& image) {
    return image.isNull() ? -1 : qGray(image.pixel(4, 4));
}

bool Said(const RecordingMessageSink& messages, const std::string& text) {
    for (const auto& message : messages.messages) {
        if (message.text == text) {
            return true;
        }
    }
    return false;
}

const std::string kMissing(AppearanceList::kMissingPicturesText);

}  // namespace

class AppearancePicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void loadsTheElevenPicturesInTheirRoles() {
        TempDir pictures;
        WriteAppearance(pictures, "standard", 100);
        RecordingMessageSink messages;
        AppearancePictures set(pictures.path(), messages);
        QVERIFY(!set.IsLoaded());
        QVERIFY(set.Load("standard"));
        QCOMPARE(set.loaded(), std::string("standard"));
        QVERIFY(qAbs(Shade(set.handsBackground()) - 100) <= 1);
        QVERIFY(qAbs(Shade(set.statisticsBackground()) - 101) <= 1);
        QVERIFY(qAbs(Shade(set.movie(0)) - 102) <= 1);
        QVERIFY(qAbs(Shade(set.movie(7)) - 109) <= 1);
        QVERIFY(qAbs(Shade(set.background()) - 110) <= 1);
        QVERIFY(messages.messages.empty());
    }

    void loadingTheLoadedAppearanceReadsNothing() {
        TempDir pictures;
        WriteAppearance(pictures, "standard", 100);
        RecordingMessageSink messages;
        AppearancePictures set(pictures.path(), messages);
        QVERIFY(set.Load("standard"));
        const int generation = set.generation();
        std::filesystem::remove_all(pictures.File("standard"));
        QVERIFY(set.Load("standard"));
        QCOMPARE(set.generation(), generation);
    }

    void oneBadPictureKeepsTheWholeSetThatWasLoaded_data() {
        QTest::addColumn<int>("missing");
        QTest::addColumn<int>("damaged");
        QTest::newRow("first missing") << 0 << -1;
        QTest::newRow("last missing") << 10 << -1;
        QTest::newRow("a movie damaged") << -1 << 5;
    }
    void oneBadPictureKeepsTheWholeSetThatWasLoaded() {
        QFETCH(int, missing);
        QFETCH(int, damaged);
        TempDir pictures;
        WriteAppearance(pictures, "standard", 100);
        WriteAppearance(pictures, "broken", 20, missing, damaged);
        RecordingMessageSink messages;
        AppearancePictures set(pictures.path(), messages);
        QVERIFY(set.Load("standard"));
        QVERIFY(!set.Load("broken"));
        QCOMPARE(set.loaded(), std::string("standard"));
        QVERIFY(qAbs(Shade(set.handsBackground()) - 100) <= 1);
        QVERIFY(qAbs(Shade(set.background()) - 110) <= 1);
        // The picture loader said what went wrong.
        QVERIFY(!messages.messages.empty());
    }

    void failingAppearanceFallsBackToStandardAfterTheMessage() {
        TempDir pictures;
        WriteAppearance(pictures, "standard", 100);
        WriteAppearance(pictures, "paper", 20, 3);
        RecordingMessageSink messages;
        AppearancePictures set(pictures.path(), messages);
        QVERIFY(set.LoadOrStandard("paper"));
        QCOMPARE(set.loaded(), std::string("standard"));
        QVERIFY(Said(messages, kMissing));
        QCOMPARE(messages.messages.back().caption, std::string("Kelvane"));
    }

    void noLoadableAppearanceTellsTheCallerToEnd() {
        TempDir pictures;
        WriteAppearance(pictures, "standard", 100, 4);
        WriteAppearance(pictures, "paper", 20, 3);
        RecordingMessageSink messages;
        AppearancePictures set(pictures.path(), messages);
        QVERIFY(!set.LoadOrStandard("paper"));
        QVERIFY(!set.IsLoaded());
        QVERIFY(Said(messages, kMissing));
        QVERIFY(!set.LoadOrStandard("standard"));
    }

    void aSetInUseStaysWhenNeitherLoads() {
        TempDir pictures;
        WriteAppearance(pictures, "paper", 20);
        RecordingMessageSink messages;
        AppearancePictures set(pictures.path(), messages);
        QVERIFY(set.Load("paper"));
        QVERIFY(set.LoadOrStandard("wood"));
        QCOMPARE(set.loaded(), std::string("paper"));
        QVERIFY(Said(messages, kMissing));
    }
};

QTEST_MAIN(AppearancePicturesTest)
#include "appearance_pictures_test.moc"
