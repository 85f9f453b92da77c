#include "tutor/users/wav_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/testing/temp_dir.h"
#include "tutor/users/tests/wav_test_files.h"

namespace {

constexpr int kRate = 44100;

using Samples = std::vector<std::int16_t>;

// The 24 bytes after the standard fmt part of a WAVE_FORMAT_EXTENSIBLE header: cbSize 22,
// valid bits, channel mask, and the sub-format GUID whose first two bytes are the format code.
std::string ExtensibleTail(std::uint16_t subFormat, std::uint16_t validBits) {
    std::string guidTail = {'\x00', '\x00', '\x00', '\x00', '\x10', '\x00', '\x80',
                            '\x00', '\x00', '\xAA', '\x00', '\x38', '\x9B', '\x71'};
    return Le16Bytes(22) + Le16Bytes(validBits) + Le32Bytes(4) + Le16Bytes(subFormat) + guidTail;
}

struct GoodCase {
    const char* name;
    WavSpec spec;
    Samples expected;
};

class AcceptedWav : public testing::TestWithParam<GoodCase> {};

TEST_P(AcceptedWav, DecodesToMonoAtTheMixerRate) {
    const GoodCase& c = GetParam();
    Samples samples;
    std::string why;
    ASSERT_TRUE(WavReader::Read(MakeWav(c.spec), kRate, samples, &why)) << why;
    EXPECT_EQ(samples, c.expected);
}

WavSpec Spec16(Samples samples) {
    WavSpec spec;
    spec.data = Pcm16(samples);
    return spec;
}

GoodCase EightBitMono() {
    WavSpec spec;
    spec.bits = 8;
    // Unsigned, centred on 128: 0 is the lowest value, 255 one step below the highest.
    spec.data = std::string{'\x80', '\xFF', '\x00', '\x81'};
    return {"EightBitMono", spec, {0, 32512, -32768, 256}};
}

GoodCase SixteenBitStereo() {
    WavSpec spec;
    spec.channels = 2;
    spec.data = Pcm16({1000, 3000, -32768, -32768, 32767, -32767, -5, -6});
    return {"SixteenBitStereoIsAveraged", spec, {2000, -32768, 0, -5}};
}

GoodCase EightBitStereo() {
    WavSpec spec;
    spec.channels = 2;
    spec.bits = 8;
    spec.data = std::string{'\x90', '\x70', '\xC0', '\xC0'};
    return {"EightBitStereo", spec, {0, 16384}};
}

GoodCase HalfRate() {
    // 22050 Hz: every second output sample lies halfway between two input samples, and the
    // last input sample is held for the final output frame.
    WavSpec spec = Spec16({0, 1000, -1000});
    spec.rate = 22050;
    return {"HalfRateIsInterpolated", spec, {0, 500, 1000, 0, -1000, -1000}};
}

GoodCase Extensible() {
    WavSpec spec = Spec16({7, -7});
    spec.formatTag = 0xFFFE;
    spec.fmtExtra = ExtensibleTail(1, 16);
    return {"ExtensiblePcm", spec, {7, -7}};
}

GoodCase OtherChunks() {
    WavSpec spec = Spec16({1, 2, 3});
    // An odd-sized chunk with its pad byte, a list chunk, and bytes after the RIFF end.
    spec.chunksBeforeFmt = Chunk("JUNK", "abc");
    spec.chunksBeforeData = Chunk("LIST", "INFOISFT");
    spec.chunksAfterData = Chunk("cue ", std::string(4, '\0'));
    spec.trailing = "garbage after the RIFF end";
    return {"OtherChunksAreSkipped", spec, {1, 2, 3}};
}

GoodCase Empty() {
    return {"EmptyDataIsNoSound", Spec16({}), {}};
}

GoodCase FmtWithCbSize() {
    // An 18-byte fmt chunk (cbSize 0), as many writers produce.
    WavSpec spec = Spec16({5});
    spec.fmtBodySize = 18;
    return {"EighteenByteFmt", spec, {5}};
}

INSTANTIATE_TEST_SUITE_P(Formats, AcceptedWav,
                         testing::Values(GoodCase{"SixteenBitMono",
                                                  Spec16({0, 1, -1, 32767, -32768}),
                                                  {0, 1, -1, 32767, -32768}},
                                         EightBitMono(), SixteenBitStereo(), EightBitStereo(),
                                         HalfRate(), Extensible(), OtherChunks(), Empty(),
                                         FmtWithCbSize()),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::string bytes;
    const char* reason;
};

class RefusedWav : public testing::TestWithParam<BadCase> {};

TEST_P(RefusedWav, IsRefusedWithItsReason) {
    const BadCase& c = GetParam();
    Samples samples = {1, 2, 3};
    std::string why;
    EXPECT_FALSE(WavReader::Read(c.bytes, kRate, samples, &why));
    EXPECT_TRUE(samples.empty());
    EXPECT_NE(why.find(c.reason), std::string::npos) << why;
}

std::string With(void (*change)(WavSpec&)) {
    WavSpec spec;
    spec.data = Pcm16({1, 2, 3, 4});
    change(spec);
    return MakeWav(spec);
}

const std::string kGood = With([](WavSpec&) {});

INSTANTIATE_TEST_SUITE_P(
    Damage, RefusedWav,
    testing::Values(
        BadCase{"Empty", "", "not a RIFF WAVE"},
        BadCase{"NotRiff", "RIFX" + kGood.substr(4), "not a RIFF WAVE"},
        BadCase{"NotWave", kGood.substr(0, 8) + "AVI " + kGood.substr(12), "not a RIFF WAVE"},
        BadCase{"RiffSizePastEnd", With([](WavSpec& s) { s.riffSize = 1000; }), "RIFF size"},
        BadCase{"RiffSizeHuge", With([](WavSpec& s) { s.riffSize = 0xFFFFFFFF; }), "RIFF size"},
        BadCase{"DataSizePastEnd", With([](WavSpec& s) { s.dataSize = 100; }), "runs past the end"},
        BadCase{"DataSizeHuge", With([](WavSpec& s) { s.dataSize = 0xFFFFFFF0; }),
                "runs past the end"},
        BadCase{"RiffEndsInsideData", With([](WavSpec& s) { s.riffSize = 4 + 24 + 8 + 4; }),
                "runs past the end"},
        BadCase{"ShortFmt", With([](WavSpec& s) { s.fmtBodySize = 14; }), "shorter than 16"},
        BadCase{"TwoFmt", With([](WavSpec& s) { s.chunksBeforeData = MakeWav(s).substr(12, 24); }),
                "two fmt"},
        BadCase{"TwoData", With([](WavSpec& s) { s.chunksAfterData = Chunk("data", Pcm16({5})); }),
                "two data"},
        BadCase{"DataBeforeFmt", With([](WavSpec& s) { s.dataBeforeFmt = true; }),
                "before the fmt"},
        BadCase{"NoFmt", With([](WavSpec& s) { s.omitFmt = true; }), "before the fmt"},
        BadCase{"NoFmtNoData", With([](WavSpec& s) {
                    s.omitFmt = true;
                    s.omitData = true;
                }),
                "no fmt"},
        BadCase{"NoData", With([](WavSpec& s) { s.omitData = true; }), "no data"},
        BadCase{"PartialFrame", With([](WavSpec& s) {
                    s.channels = 2;
                    s.data = Pcm16({1, 2, 3});
                }),
                "whole number of frames"},
        BadCase{"Float", With([](WavSpec& s) { s.formatTag = 3; }), "not PCM"},
        BadCase{"Adpcm", With([](WavSpec& s) { s.formatTag = 2; }), "not PCM"},
        BadCase{"ExtensibleFloat", With([](WavSpec& s) {
                    s.formatTag = 0xFFFE;
                    s.fmtExtra = ExtensibleTail(3, 16);
                }),
                "not PCM"},
        BadCase{"ExtensibleTooShort", With([](WavSpec& s) {
                    s.formatTag = 0xFFFE;
                    s.fmtExtra = ExtensibleTail(1, 16).substr(0, 10);
                }),
                "extensible"},
        BadCase{"TwentyFourBit", With([](WavSpec& s) {
                    s.bits = 24;
                    s.data = std::string(6, '\0');
                }),
                "8-bit and 16-bit"},
        BadCase{"ThreeChannels", With([](WavSpec& s) {
                    s.channels = 3;
                    s.data = Pcm16({1, 2, 3});
                }),
                "mono and stereo"},
        BadCase{"NoChannels", With([](WavSpec& s) { s.channels = 0; }), "mono and stereo"},
        BadCase{"RateZero", With([](WavSpec& s) { s.rate = 0; }), "sample rate"},
        BadCase{"RateHuge", With([](WavSpec& s) { s.rate = 1000000; }), "sample rate"},
        BadCase{"BlockAlignWrong", With([](WavSpec& s) { s.blockAlign = 4; }), "block size"},
        BadCase{"ByteRateWrong", With([](WavSpec& s) { s.byteRate = 12345; }), "byte rate"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WavReader, EveryCutOfAGoodFileIsRefused) {
    WavSpec spec;
    spec.data = Pcm16({100, -100, 200, -200});
    spec.chunksBeforeData = Chunk("LIST", "INFO");
    const std::string whole = MakeWav(spec);
    Samples samples;
    ASSERT_TRUE(WavReader::Read(whole, kRate, samples));
    for (std::size_t size = 0; size < whole.size(); ++size) {
        EXPECT_FALSE(WavReader::Read(std::string_view(whole).substr(0, size), kRate, samples))
            << "cut at " << size;
    }
}

TEST(WavReader, RefusesASoundLongerThanTheLimit) {
    WavSpec spec;
    spec.bits = 8;
    spec.rate = 4000;
    spec.data.assign(std::size_t{WavReader::kMaxSeconds} * 4000 + 1, '\x80');
    Samples samples;
    std::string why;
    EXPECT_FALSE(WavReader::Read(MakeWav(spec), kRate, samples, &why));
    EXPECT_NE(why.find("too long"), std::string::npos) << why;
    spec.data.pop_back();
    EXPECT_TRUE(WavReader::Read(MakeWav(spec), kRate, samples, &why)) << why;
    EXPECT_EQ(samples.size(), std::size_t{WavReader::kMaxSeconds} * kRate);
}

TEST(WavReader, ReadFileRefusesMissingAndAcceptsWritten) {
    TempDir dir;
    Samples samples;
    std::string why;
    EXPECT_FALSE(WavReader::ReadFile(dir.File("none.wav"), kRate, samples, &why));
    EXPECT_NE(why.find("cannot be opened"), std::string::npos) << why;
    EXPECT_FALSE(WavReader::ReadFile(dir.path(), kRate, samples, &why));

    WavSpec spec;
    spec.data = Pcm16({3, -3});
    EXPECT_TRUE(WavReader::ReadFile(dir.Write("ok.wav", MakeWav(spec)), kRate, samples, &why))
        << why;
    EXPECT_EQ(samples, (Samples{3, -3}));
}

// The delivered sounds are 16-bit mono at 44.1 kHz peaking at -12 dBFS: decoded, they keep
// their length and their level.
TEST(WavReader, ReadsTheDeliveredSounds) {
    const std::string folder = std::string(KELVANE_BIN_DIR) + "/sounds/";
    for (const char* stem : {"good", "bad"}) {
        for (int n = 1; n <= 4; ++n) {
            const std::string path = folder + stem + std::to_string(n) + ".wav";
            Samples samples;
            std::string why;
            ASSERT_TRUE(WavReader::ReadFile(path, kRate, samples, &why)) << path << ": " << why;
            const std::string bytes = TempDir::ReadAll(path);
            // At least the canonical 44-byte header precedes the samples.
            EXPECT_LE(samples.size() * 2 + 44, bytes.size()) << path;
            EXPECT_GE(samples.size() * 2 + 200, bytes.size()) << path;
            int peak = 0;
            for (std::int16_t sample : samples) {
                peak = std::max(peak, std::abs(int{sample}));
            }
            EXPECT_NEAR(peak, 32768 / 4, 600) << path;
            if (std::string(stem) == "good") {
                EXPECT_LT(samples.size(), std::size_t{kRate} * 60 / 1000) << path;
            }
        }
    }
}

}  // namespace
