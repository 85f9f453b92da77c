#include "tutor/course/jpeg_loader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/tests/test_jpeg_encoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Icon = MessageSink::Icon;

// Colours of uniform 8 x 8 blocks come back within a few steps at full quality.
constexpr int kTolerance = 6;

std::string_view AsText(const Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

::testing::AssertionResult Near(const std::uint8_t* pixel, TestRgb expected) {
    if (std::abs(pixel[0] - expected.r) <= kTolerance &&
        std::abs(pixel[1] - expected.g) <= kTolerance &&
        std::abs(pixel[2] - expected.b) <= kTolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "got (" << int{pixel[0]} << "," << int{pixel[1]} << "," << int{pixel[2]} << ") want ("
           << int{expected.r} << "," << int{expected.g} << "," << int{expected.b} << ")";
}

const std::uint8_t* RgbAt(const RgbImage& image, int x, int y) {
    return image.bytes.data() + (static_cast<std::size_t>(y) * image.width + x) * 3;
}

// The bitmap pixel of picture row y (counted from the top) in blue, green, red order.
const std::uint8_t* BgrAt(const BitmapImage& bitmap, int x, int y) {
    std::size_t row = static_cast<std::size_t>(bitmap.header.height - 1 - y);
    return bitmap.bits.data() + row * BitmapImage::RowSize(bitmap.header.width) + 3 * x;
}

TestRgb Reversed(TestRgb c) {
    return {c.b, c.g, c.r};
}

class JpegLoader : public ::testing::Test {
  protected:
    std::string Write(std::string_view name, const Bytes& jpeg) {
        return dir_.Write(name, AsText(jpeg));
    }

    void ExpectOneMessage(std::string_view caption, std::string_view text, Icon icon) {
        ASSERT_EQ(messages_.messages.size(), 1u);
        EXPECT_EQ(messages_.messages[0].caption, caption);
        EXPECT_EQ(messages_.messages[0].text, text);
        EXPECT_EQ(messages_.messages[0].icon, icon);
    }

    void ExpectFatalError(const testing::Matcher<const std::string&>& text) {
        ASSERT_EQ(messages_.messages.size(), 1u);
        EXPECT_EQ(messages_.messages[0].caption, "JPEG Fatal Error");
        EXPECT_THAT(messages_.messages[0].text, text);
        EXPECT_EQ(messages_.messages[0].icon, Icon::Stop);
    }

    TempDir dir_;
    RecordingMessageSink messages_;
};

}  // namespace

TEST_F(JpegLoader, ThreePixelsWideGivesTwelveByteBottomUpBgrRows) {
    const TestRgb red{255, 0, 0}, blue{0, 0, 255};
    TestJpegOptions options{.width = 3, .height = 16};
    Bytes jpeg = EncodeTestJpeg(
        options, TestRgbSamples(3, 16, [&](int, int y) { return y < 8 ? red : blue; }));
    std::string path = Write("three.jpg", jpeg);

    BitmapImage bitmap;
    ASSERT_TRUE(LoadJpegBitmap(path, bitmap, messages_));
    EXPECT_TRUE(messages_.messages.empty());
    ASSERT_EQ(bitmap.bits.size(), 12u * 16u);
    for (int row = 0; row < 16; ++row) {
        const std::uint8_t* bytes = bitmap.bits.data() + row * 12;
        // The first stored row is the bottom of the picture.
        TestRgb expected = Reversed(row < 8 ? blue : red);
        for (int x = 0; x < 3; ++x) {
            EXPECT_TRUE(Near(bytes + 3 * x, expected)) << "row " << row << " x " << x;
        }
        EXPECT_EQ(bytes[9], 0);
        EXPECT_EQ(bytes[10], 0);
        EXPECT_EQ(bytes[11], 0);
    }
}

TEST_F(JpegLoader, BitmapHoldsExactlyTheDecodedPixelsReorderedAndFlipped) {
    // Colours that vary inside the blocks: whatever the decoder makes of them must reach the
    // bitmap byte for byte.
    Bytes jpeg = EncodeTestJpeg(
        {.width = 5, .height = 7, .quality = 75}, TestRgbSamples(5, 7, [](int x, int y) {
            return TestRgb{static_cast<std::uint8_t>(40 * x), static_cast<std::uint8_t>(30 * y),
                           static_cast<std::uint8_t>(200 - 20 * x)};
        }));
    std::string path = Write("varied.jpg", jpeg);
    std::optional<RgbImage> rgb = JpegFileToRgb(path, messages_);
    BitmapImage bitmap;
    ASSERT_TRUE(rgb);
    ASSERT_TRUE(LoadJpegBitmap(path, bitmap, messages_));
    ASSERT_EQ(rgb->width, 5);
    ASSERT_EQ(rgb->height, 7);
    ASSERT_EQ(rgb->bytes.size(), 5u * 7u * 3u);
    const std::size_t rowSize = BitmapImage::RowSize(5);
    ASSERT_EQ(rowSize, 16u);
    ASSERT_EQ(bitmap.bits.size(), rowSize * 7);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 5; ++x) {
            const std::uint8_t* in = RgbAt(*rgb, x, y);
            const std::uint8_t* out = BgrAt(bitmap, x, y);
            EXPECT_EQ(out[0], in[2]) << x << "," << y;
            EXPECT_EQ(out[1], in[1]) << x << "," << y;
            EXPECT_EQ(out[2], in[0]) << x << "," << y;
        }
    }
}

TEST_F(JpegLoader, QuartersKeepTheirPlaceAndColour) {
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        Bytes jpeg = EncodeTestJpeg({.width = 16, .height = 16, .progressive = progressive},
                                    TestQuarterSamples());
        std::optional<RgbImage> rgb = JpegMemoryToRgb(jpeg, messages_);
        ASSERT_TRUE(rgb);
        BitmapImage bitmap = RgbToBitmap(*rgb);
        struct Probe {
            int x, y;
            TestRgb colour;
        };
        for (Probe p :
             {Probe{0, 0, {255, 0, 0}}, Probe{7, 7, {255, 0, 0}}, Probe{15, 0, {0, 255, 0}},
              Probe{8, 7, {0, 255, 0}}, Probe{0, 15, {0, 0, 255}}, Probe{7, 8, {0, 0, 255}},
              Probe{15, 15, {255, 255, 255}}, Probe{8, 8, {255, 255, 255}}}) {
            EXPECT_TRUE(Near(RgbAt(*rgb, p.x, p.y), p.colour)) << p.x << "," << p.y;
            EXPECT_TRUE(Near(BgrAt(bitmap, p.x, p.y), Reversed(p.colour))) << p.x << "," << p.y;
        }
    }
    EXPECT_TRUE(messages_.messages.empty());
}

struct RowSizeCase {
    int width;
    std::size_t rowSize;
};

class BitmapRowSize : public ::testing::TestWithParam<RowSizeCase> {};

TEST_P(BitmapRowSize, RowsArePaddedToFourBytesAndTheHeaderDescribesThem) {
    const RowSizeCase& c = GetParam();
    EXPECT_EQ(BitmapImage::RowSize(c.width), c.rowSize);

    RecordingMessageSink messages;
    TempDir dir;
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(c.width) * 2 * 3, 90);
    std::string path = dir.Write("row.jpg", AsText(EncodeTestJpeg({c.width, 2}, samples)));
    BitmapImage bitmap;
    ASSERT_TRUE(LoadJpegBitmap(path, bitmap, messages));
    EXPECT_EQ(bitmap.header.size, 40u);
    EXPECT_EQ(bitmap.header.width, c.width);
    EXPECT_EQ(bitmap.header.height, 2);
    EXPECT_EQ(bitmap.header.planes, 1);
    EXPECT_EQ(bitmap.header.bitCount, 24);
    EXPECT_EQ(bitmap.header.compression, BitmapHeader::kNoCompression);
    EXPECT_EQ(bitmap.header.sizeImage, 0u);
    EXPECT_EQ(bitmap.header.xPelsPerMeter, 0);
    EXPECT_EQ(bitmap.header.yPelsPerMeter, 0);
    EXPECT_EQ(bitmap.header.colorsUsed, 0u);
    EXPECT_EQ(bitmap.header.colorsImportant, 0u);
    ASSERT_EQ(bitmap.bits.size(), c.rowSize * 2);
    for (std::size_t row = 0; row < 2; ++row) {
        for (std::size_t i = static_cast<std::size_t>(c.width) * 3; i < c.rowSize; ++i) {
            EXPECT_EQ(bitmap.bits[row * c.rowSize + i], 0) << "fill byte " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, BitmapRowSize,
                         ::testing::Values(RowSizeCase{1, 4}, RowSizeCase{2, 8}, RowSizeCase{3, 12},
                                           RowSizeCase{4, 12}, RowSizeCase{5, 16},
                                           RowSizeCase{11, 36}, RowSizeCase{640, 1920},
                                           RowSizeCase{641, 1924}));

TEST(RgbToBitmap, SwapsRedAndBlueFlipsRowsAndPads) {
    RgbImage image{3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}};
    BitmapImage bitmap = RgbToBitmap(image);
    EXPECT_EQ(bitmap.bits,
              (std::vector<std::uint8_t>{12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0,
                                         3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0}));
}

TEST(RgbToBitmap, PixelsShortOfTheSizeGiveAnEmptyBitmap) {
    RgbImage image{4, 4, std::vector<std::uint8_t>(4 * 3 * 3)};
    BitmapImage bitmap = RgbToBitmap(image);
    EXPECT_EQ(bitmap.header.width, 0);
    EXPECT_TRUE(bitmap.bits.empty());
}

TEST_F(JpegLoader, GreyPictureLoadsAsGreyPixels) {
    std::vector<std::uint8_t> samples;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            samples.push_back(x < 8 ? 60 : 200);
        }
    }
    std::string path = Write("grey.jpg", EncodeTestJpeg({.width = 16, .components = 1}, samples));
    BitmapImage bitmap;
    ASSERT_TRUE(LoadJpegBitmap(path, bitmap, messages_));
    EXPECT_EQ(bitmap.header.bitCount, 24);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            const std::uint8_t* p = BgrAt(bitmap, x, y);
            EXPECT_EQ(p[0], p[1]);
            EXPECT_EQ(p[1], p[2]);
            std::uint8_t grey = x < 8 ? 60 : 200;
            EXPECT_TRUE(Near(p, {grey, grey, grey})) << x << "," << y;
        }
    }
}

TEST_F(JpegLoader, CmykPicturesBecomeRgb) {
    struct Case {
        bool adobe;
        // Ink of cyan, magenta, yellow, black as stored: Adobe files store 255 - ink.
        std::uint8_t red[4];
        std::uint8_t grey[4];
    };
    for (const Case& c : {Case{true, {255, 0, 0, 255}, {255, 255, 255, 127}},
                          Case{false, {0, 255, 255, 0}, {0, 0, 0, 128}}}) {
        SCOPED_TRACE(c.adobe ? "Adobe" : "plain");
        std::vector<std::uint8_t> samples;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 16; ++x) {
                const std::uint8_t* ink = x < 8 ? c.red : c.grey;
                samples.insert(samples.end(), ink, ink + 4);
            }
        }
        std::optional<RgbImage> rgb = JpegMemoryToRgb(
            EncodeTestJpeg({.width = 16, .components = 4, .adobeMarker = c.adobe}, samples),
            messages_);
        ASSERT_TRUE(rgb);
        EXPECT_TRUE(Near(RgbAt(*rgb, 0, 0), {255, 0, 0}));
        EXPECT_TRUE(Near(RgbAt(*rgb, 15, 7), {127, 127, 127}));
    }
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(JpegLoader, TwoComponentPictureIsRefusedByTheDecoder) {
    std::vector<std::uint8_t> samples(8 * 8 * 2, 100);
    BitmapImage bitmap;
    std::string path = Write("two.jpg", EncodeTestJpeg({.components = 2}, samples));
    EXPECT_FALSE(LoadJpegBitmap(path, bitmap, messages_));
    ExpectFatalError(::testing::Not(::testing::IsEmpty()));
}

TEST_F(JpegLoader, DamagedPictureShowsTheLibraryMessage) {
    std::string path = dir_.Write("damaged.jpg", "This is a text file, not a picture.");
    BitmapImage bitmap;
    bitmap.header.width = 77;
    EXPECT_FALSE(LoadJpegBitmap(path, bitmap, messages_));
    ExpectFatalError(::testing::HasSubstr("Not a JPEG file"));
    EXPECT_EQ(bitmap.header.width, 77);
}

TEST_F(JpegLoader, DamagedFrameHeaderShowsTheLibraryMessage) {
    Bytes jpeg = EncodeTestJpeg({}, Bytes(8 * 8 * 3, 50));
    SetTestJpegSize(jpeg, 0, 8);
    BitmapImage bitmap;
    EXPECT_FALSE(LoadJpegBitmap(Write("zero.jpg", jpeg), bitmap, messages_));
    ExpectFatalError(::testing::Not(::testing::IsEmpty()));
}

TEST_F(JpegLoader, MissingFileSaysItCannotBeOpened) {
    std::string path = dir_.File("pictures/welcome.jpg");
    BitmapImage bitmap;
    EXPECT_FALSE(LoadJpegBitmap(path, bitmap, messages_));
    ExpectOneMessage("Kelvane", "JPEG :\nCan't open " + path + "\n", Icon::Warning);
}

TEST_F(JpegLoader, FolderCannotBeOpened) {
    EXPECT_FALSE(JpegFileToRgb(dir_.path(), messages_));
    ExpectOneMessage("Kelvane", "JPEG :\nCan't open " + dir_.path() + "\n", Icon::Warning);
}

TEST_F(JpegLoader, EmptyFileIsADecodingError) {
    BitmapImage bitmap;
    EXPECT_FALSE(LoadJpegBitmap(dir_.Write("empty.jpg", ""), bitmap, messages_));
    ExpectFatalError(::testing::Not(::testing::IsEmpty()));
}

TEST_F(JpegLoader, FileCutInsideTheHeadersIsAnError) {
    Bytes jpeg = EncodeTestJpeg({.width = 16, .height = 16}, TestQuarterSamples());
    jpeg.resize(40);
    BitmapImage bitmap;
    EXPECT_FALSE(LoadJpegBitmap(Write("cut.jpg", jpeg), bitmap, messages_));
    ExpectFatalError(::testing::Not(::testing::IsEmpty()));
}

TEST_F(JpegLoader, FileCutInsideThePixelsStillGivesThePicture) {
    // The library fills what is missing and only warns; the rows before the cut are intact.
    // Below a red band, noise makes the compressed data long enough to cut into.
    unsigned noise = 12345;
    Bytes jpeg =
        EncodeTestJpeg({.width = 16, .height = 64}, TestRgbSamples(16, 64, [&](int, int y) {
                           if (y < 8) {
                               return TestRgb{255, 0, 0};
                           }
                           noise = noise * 1103515245u + 12345u;
                           return TestRgb{static_cast<std::uint8_t>(noise >> 24),
                                          static_cast<std::uint8_t>(noise >> 16),
                                          static_cast<std::uint8_t>(noise >> 8)};
                       }));
    ASSERT_GT(jpeg.size(), 2000u);
    jpeg.resize(jpeg.size() / 2);
    BitmapImage bitmap;
    ASSERT_TRUE(LoadJpegBitmap(Write("cut.jpg", jpeg), bitmap, messages_));
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_EQ(bitmap.header.width, 16);
    EXPECT_EQ(bitmap.header.height, 64);
    EXPECT_TRUE(Near(BgrAt(bitmap, 0, 0), {0, 0, 255}));
    EXPECT_TRUE(Near(BgrAt(bitmap, 15, 7), {0, 0, 255}));
}

TEST_F(JpegLoader, GiantClaimedSizeIsRefusedAsOutOfMemory) {
    for (auto [width, height] : {std::pair{60000, 60000}, std::pair{8192, 4097}}) {
        messages_.messages.clear();
        Bytes jpeg = EncodeTestJpeg({}, Bytes(8 * 8 * 3, 50));
        SetTestJpegSize(jpeg, static_cast<std::uint16_t>(width),
                        static_cast<std::uint16_t>(height));
        BitmapImage bitmap;
        EXPECT_FALSE(LoadJpegBitmap(Write("giant.jpg", jpeg), bitmap, messages_));
        ExpectOneMessage("Kelvane", "JpegFile :\nOut of memory", Icon::Stop);
    }
}

TEST_F(JpegLoader, EndlessScansAreRefused) {
    Bytes jpeg = EncodeTestJpeg({.endlessScans = true}, Bytes(8 * 8 * 3, 50));
    EXPECT_FALSE(JpegMemoryToRgb(jpeg, messages_));
    ExpectFatalError(::testing::StrEq("Too many scans in the JPEG file"));
}
