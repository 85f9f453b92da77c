// Checks the delivered pictures and sounds in the build tree: every file is there and decodes,
// the pictures have the layouts the practice window relies on, the sounds are short, quiet
// 16-bit PCM, and the generators give the same bytes on every run.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/colon_field_reader.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/text_number.h"
#include "tutor/course/jpeg_loader.h"
#include "tutor/course/rgb_image.h"

namespace fs = std::filesystem;

namespace {

const std::string kBin = KELVANE_BIN_DIR;
constexpr int kFrames = 12;

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

/// Runs a program with arguments and waits; true when it exits with 0.
bool RunProgram(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

/// Every file under root, as paths relative to it, sorted.
std::vector<std::string> FilesUnder(const std::string& root) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files.push_back(fs::relative(entry.path(), root).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// ---- Pictures (made only in builds with the UI) ------------------------------------------

#ifdef KELVANE_PICTUREGEN

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    double Luma(int x, int y) const {
        const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
    }
    /// Largest channel difference between two pixels.
    int Distance(int x1, int y1, int x2, int y2) const {
        const unsigned char* a = &rgb[(static_cast<std::size_t>(y1) * width + x1) * 3];
        const unsigned char* b = &rgb[(static_cast<std::size_t>(y2) * width + x2) * 3];
        return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
    }
};

/// Decodes a JPEG file with the tutor's own loader; false when it finds no picture.
bool DecodeJpeg(const std::string& path, Picture& picture) {
    RecordingMessageSink messages;
    std::optional<RgbImage> image = JpegFileToRgb(path, messages);
    if (!image) {
        return false;
    }
    picture.width = image->width;
    picture.height = image->height;
    picture.rgb = std::move(image->bytes);
    return messages.messages.empty() &&
           picture.rgb.size() == static_cast<std::size_t>(picture.width) * picture.height * 3;
}

Picture Load(const std::string& relative) {
    Picture picture;
    EXPECT_TRUE(DecodeJpeg(kBin + "/pictures/" + relative, picture)) << relative;
    return picture;
}

/// Mean largest-channel difference between frame a and frame b of a Movie picture.
double FrameDifference(const Picture& movie, int a, int b) {
    const int side = movie.height;
    double sum = 0.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            sum += movie.Distance(a * side + x, y, b * side + x, y);
        }
    }
    return sum / (side * side);
}

const std::vector<std::string> kProgramPictures = {"wellcome.jpg", "wellcome2.jpg",
                                                   "SmallWindow.jpg", "Silent.jpg", "Login.jpg"};
const std::vector<std::string> kAppearances = {"standard", "paper"};
const std::vector<std::string> kAppearancePictures = {
    "HandsBG.jpg", "StatBG.jpg", "Background.jpg", "Movie1.jpg", "Movie2.jpg", "Movie3.jpg",
    "Movie4.jpg",  "Movie5.jpg", "Movie6.jpg",     "Movie7.jpg", "Movie8.jpg"};

class ProgramPicture : public testing::TestWithParam<std::string> {};

TEST_P(ProgramPicture, DecodesAtAUsefulSize) {
    const Picture picture = Load(GetParam());
    EXPECT_GE(picture.width, 200);
    EXPECT_GE(picture.height, 200);
}

INSTANTIATE_TEST_SUITE_P(Media, ProgramPicture, testing::ValuesIn(kProgramPictures));

TEST(MediaPictures, IdleScreenIsLandscapeLikeThePracticePanel) {
    const Picture idle = Load("wellcome2.jpg");
    EXPECT_GT(idle.width, idle.height);
    EXPECT_GE(idle.width, 1000);
}

class Appearance : public testing::TestWithParam<std::string> {};

TEST_P(Appearance, HoldsEveryPictureAndNothingElse) {
    std::vector<std::string> expected = kAppearancePictures;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesUnder(kBin + "/pictures/" + GetParam()), expected);
    for (const std::string& name : kAppearancePictures) {
        Picture picture;
        EXPECT_TRUE(DecodeJpeg(kBin + "/pictures/" + GetParam() + "/" + name, picture)) << name;
    }
}

TEST_P(Appearance, MoviesAreRowsOfTwelveSquareFramesThatMove) {
    for (int movie = 1; movie <= 8; ++movie) {
        SCOPED_TRACE(movie);
        const Picture strip = Load(GetParam() + "/Movie" + std::to_string(movie) + ".jpg");
        ASSERT_GT(strip.height, 0);
        EXPECT_EQ(strip.width, kFrames * strip.height);
        // Each frame differs from the next: an animation, not a still picture.
        for (int k = 0; k < kFrames; ++k) {
            EXPECT_GT(FrameDifference(strip, k, (k + 1) % kFrames), 0.05) << "frame " << k;
        }
    }
}

TEST_P(Appearance, EachMovieShowsSomethingOfItsOwn) {
    std::vector<Picture> movies;
    for (int movie = 1; movie <= 8; ++movie) {
        movies.push_back(Load(GetParam() + "/Movie" + std::to_string(movie) + ".jpg"));
    }
    for (std::size_t a = 0; a < movies.size(); ++a) {
        for (std::size_t b = a + 1; b < movies.size(); ++b) {
            ASSERT_EQ(movies[a].height, movies[b].height);
            // First frames side by side in one strip, so FrameDifference can compare them.
            Picture pair;
            pair.width = 2 * movies[a].height;
            pair.height = movies[a].height;
            for (int y = 0; y < pair.height; ++y) {
                const auto rowA =
                    movies[a].rgb.begin() + static_cast<long>(y) * movies[a].width * 3;
                const auto rowB =
                    movies[b].rgb.begin() + static_cast<long>(y) * movies[b].width * 3;
                pair.rgb.insert(pair.rgb.end(), rowA, rowA + pair.height * 3);
                pair.rgb.insert(pair.rgb.end(), rowB, rowB + pair.height * 3);
            }
            EXPECT_GT(FrameDifference(pair, 0, 1), 3.0)
                << "Movie" << a + 1 << " and Movie" << b + 1;
        }
    }
}

TEST_P(Appearance, BackgroundIsLightQuietAndTilesWithoutASeam) {
    const Picture tile = Load(GetParam() + "/Background.jpg");
    ASSERT_GT(tile.width, 16);
    ASSERT_GT(tile.height, 16);
    double sum = 0.0;
    double sumSquares = 0.0;
    double darkest = 255.0;
    for (int y = 0; y < tile.height; ++y) {
        for (int x = 0; x < tile.width; ++x) {
            const double l = tile.Luma(x, y);
            sum += l;
            sumSquares += l * l;
            darkest = std::min(darkest, l);
        }
    }
    const double n = static_cast<double>(tile.width) * tile.height;
    const double spread = std::sqrt(sumSquares / n - (sum / n) * (sum / n));
    // Black, grey (100) and red text must stay readable on every pixel.
    EXPECT_GE(darkest, 200.0);
    EXPECT_LT(spread, 6.0);

    // Across the wrap the step between neighbours is no larger than inside the tile.
    double inside = 0.0;
    double seam = 0.0;
    for (int y = 0; y < tile.height; ++y) {
        seam += tile.Distance(tile.width - 1, y, 0, y);
        inside += tile.Distance(tile.width / 2 - 1, y, tile.width / 2, y);
    }
    for (int x = 0; x < tile.width; ++x) {
        seam += tile.Distance(x, tile.height - 1, x, 0);
        inside += tile.Distance(x, tile.height / 2 - 1, x, tile.height / 2);
    }
    EXPECT_LE(seam, 2.0 * inside + tile.width + tile.height);
}

TEST_P(Appearance, StatisticsBandIsWideLowAndDarkForTheLightTimeText) {
    const Picture band = Load(GetParam() + "/StatBG.jpg");
    ASSERT_GT(band.height, 0);
    EXPECT_GE(band.width, 10 * band.height);
    double sum = 0.0;
    for (int y = 0; y < band.height; ++y) {
        for (int x = band.width * 3 / 4; x < band.width; ++x) {
            sum += band.Luma(x, y);
        }
    }
    // The active time is written in light grey (220) near the right edge.
    EXPECT_LT(sum / (band.height * (band.width - band.width * 3 / 4)), 110.0);
}

/// The finger outline groups of the hands source, in units of the 700 x 100 strip.
std::vector<std::vector<std::pair<int, int>>> ReadOutlines(const std::string& path) {
    std::vector<std::vector<std::pair<int, int>>> groups(1);
    std::istringstream lines(ReadBytes(path));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == "END") {
            groups.emplace_back();
        } else if (line.find(':') != std::string::npos) {
            ColonFieldReader reader(line);
            std::int32_t x = 0;
            std::int32_t y = 0;
            reader.NextInt(x);
            reader.NextInt(y);
            groups.back().emplace_back(x, y);
        }
    }
    groups.pop_back();  // points after the last END belong to no finger
    return groups;
}

using Outlines = std::vector<std::vector<std::pair<int, int>>>;

/// Every finger of the picture lies under its outline: a little below the tip, in the middle
/// of the outline, the picture differs from the free ground at its left edge, and just above
/// the tip it does not.
void ExpectFingersUnderOutlines(const Picture& hands, const Outlines& groups) {
    ASSERT_GT(hands.height, 0);
    EXPECT_EQ(hands.width, 7 * hands.height);
    ASSERT_GE(groups.size(), 10u);
    // The practice window's mapping: x * (width + 10) / 700, y * height / 100.
    auto px = [&](double x) {
        return std::clamp(static_cast<int>(x * (hands.width + 10) / 700), 0, hands.width - 1);
    };
    auto py = [&](double y) {
        return std::clamp(static_cast<int>(y * hands.height / 100), 0, hands.height - 1);
    };
    for (std::size_t f = 0; f < 10; ++f) {
        SCOPED_TRACE(f);
        const auto& g = groups[f];
        ASSERT_FALSE(g.empty());
        int top = 100;
        int bottom = 0;
        for (const auto& [x, y] : g) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        const double yInside = top + 0.25 * (bottom - top);
        int left = 700;
        int right = 0;
        for (std::size_t i = 0; i < g.size(); ++i) {
            const auto [x1, y1] = g[i];
            const auto [x2, y2] = g[(i + 1) % g.size()];
            if (y1 != y2 && yInside >= std::min(y1, y2) && yInside <= std::max(y1, y2)) {
                const int x = static_cast<int>(x1 + (yInside - y1) * (x2 - x1) / (y2 - y1));
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        ASSERT_LT(left, right);
        const int fx = px((left + right) / 2.0);
        const int fy = py(yInside);
        EXPECT_GT(hands.Distance(fx, fy, 2, fy), 12) << "no finger under the outline";
        if (top >= 6) {
            const int ay = py(top - 5);
            EXPECT_LT(hands.Distance(fx, ay, 2, ay), 12) << "something above the fingertip";
        }
    }
}

TEST_P(Appearance, HandsPictureHasFingersWhereTheOutlinesAre) {
    ExpectFingersUnderOutlines(Load(GetParam() + "/HandsBG.jpg"),
                               ReadOutlines(KELVANE_HANDS_SOURCE));
}

TEST(MediaPictures, AppearancesDifferInStyle) {
    for (const std::string& name :
         {std::string("HandsBG.jpg"), std::string("StatBG.jpg"), std::string("Movie1.jpg")}) {
        const Picture a = Load("standard/" + name);
        const Picture b = Load("paper/" + name);
        ASSERT_EQ(a.width, b.width) << name;
        ASSERT_EQ(a.height, b.height) << name;
        double colour = 0.0;
        for (std::size_t i = 0; i < a.rgb.size(); ++i) {
            colour += std::abs(a.rgb[i] - b.rgb[i]);
        }
        EXPECT_GT(colour / a.rgb.size(), 8.0) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Media, Appearance, testing::ValuesIn(kAppearances));

TEST(MediaReproducible, PicturegenWritesTheSameBytesTwice) {
    TempDir first;
    TempDir second;
    ASSERT_TRUE(RunProgram({KELVANE_PICTUREGEN, "--hands", KELVANE_HANDS_SOURCE, first.path()}));
    ASSERT_TRUE(RunProgram({KELVANE_PICTUREGEN, "--hands", KELVANE_HANDS_SOURCE, second.path()}));
    const std::vector<std::string> files = FilesUnder(first.path());
    EXPECT_EQ(files.size(),
              kProgramPictures.size() + kAppearances.size() * kAppearancePictures.size());
    EXPECT_EQ(FilesUnder(second.path()), files);
    for (const std::string& f : files) {
        EXPECT_EQ(ReadBytes(first.File(f)), ReadBytes(second.File(f))) << f;
    }
}

/// One finger as a closed outline: up the left side, round the tip, down the right side and
/// back along the bottom edge, leaning by `lean` units from base to tip.
std::string FingerOutline(int left, int right, int tip, int lean) {
    std::string text;
    auto point = [&](int x, int y, int pen) {
        text += FormatInt(x) + ":" + FormatInt(y) + ":" + FormatInt(pen) + ":1:90:60:40:\r\n";
    };
    const int half = (right - left) / 2;
    point(left, 100, 0);
    point(left + lean, tip + half, 1);
    point(left + lean + half / 3, tip + half / 4, 1);
    point(left + lean + half, tip, 1);
    point(right + lean - half / 3, tip + half / 4, 1);
    point(right + lean, tip + half, 1);
    point(right, 100, 1);
    point(left, 100, 1);
    return text + "END\r\n";
}

TEST(MediaPictures, HandsFollowOtherOutlinesToo) {
    // Hands spread over the whole strip, with blank and remark lines and points after the
    // last group, which belong to no finger.
    struct Finger {
        int left, right, tip, lean;
    };
    const Finger left[5] = {
        {40, 75, 30, 0}, {95, 135, 12, 0}, {155, 195, 4, 0}, {215, 252, 14, 0}, {262, 300, 52, 16}};
    std::string text = "left hand, little finger first\r\n\r\n";
    for (const Finger& f : left) {
        text += FingerOutline(f.left, f.right, f.tip, f.lean);
    }
    text += "right hand, thumb first\r\n";
    for (int i = 4; i >= 0; --i) {
        const Finger& f = left[i];
        text += FingerOutline(700 - f.right, 700 - f.left, f.tip, -f.lean);
    }
    text += "350:50:1:1:0:0:0:\r\n";
    TempDir dir;
    const std::string source = dir.Write("hands.txt", text);
    ASSERT_TRUE(RunProgram({KELVANE_PICTUREGEN, "--hands", source, dir.File("out")}));
    for (const std::string& appearance : kAppearances) {
        SCOPED_TRACE(appearance);
        Picture hands;
        ASSERT_TRUE(DecodeJpeg(dir.File("out/" + appearance + "/HandsBG.jpg"), hands));
        ExpectFingersUnderOutlines(hands, ReadOutlines(source));
    }
}

TEST(MediaReproducible, PicturegenRefusesBrokenOutlines) {
    TempDir dir;
    const std::string nine = [] {
        std::string text;
        for (int g = 0; g < 9; ++g) {
            text += "10:10:0:1:0:0:0:\r\n20:90:1:1:0:0:0:\r\nEND\r\n";
        }
        return text;
    }();
    EXPECT_FALSE(
        RunProgram({KELVANE_PICTUREGEN, "--hands", dir.Write("nine.txt", nine), dir.File("out")}));
    EXPECT_FALSE(RunProgram({KELVANE_PICTUREGEN, "--hands",
                             dir.Write("short.txt", "10:10:0:1:\r\nEND\r\n"), dir.File("out")}));
    EXPECT_FALSE(
        RunProgram({KELVANE_PICTUREGEN, "--hands", dir.File("missing.txt"), dir.File("out")}));
}

#endif  // KELVANE_PICTUREGEN

// ---- Sounds -----------------------------------------------------------------------------

struct Wav {
    bool valid = false;
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t bits = 0;
    std::vector<std::int16_t> samples;

    double Milliseconds() const { return rate ? 1000.0 * samples.size() / rate : 0.0; }
};

std::uint32_t Le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    }
    return v;
}

/// Reads a RIFF WAVE file chunk by chunk.
Wav ParseWav(const std::string& b) {
    Wav wav;
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0 ||
        Le(b, 4, 4) != b.size() - 8) {
        return wav;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        const std::uint32_t size = Le(b, at + 4, 4);
        if (at + 8 + size > b.size()) {
            return wav;
        }
        if (id == "fmt " && size >= 16) {
            wav.format = static_cast<std::uint16_t>(Le(b, at + 8, 2));
            wav.channels = static_cast<std::uint16_t>(Le(b, at + 10, 2));
            wav.rate = Le(b, at + 12, 4);
            const std::uint32_t byteRate = Le(b, at + 16, 4);
            const std::uint32_t blockAlign = Le(b, at + 20, 2);
            wav.bits = static_cast<std::uint16_t>(Le(b, at + 22, 2));
            haveFormat =
                blockAlign == wav.channels * wav.bits / 8u && byteRate == wav.rate * blockAlign;
        } else if (id == "data" && haveFormat && wav.bits == 16 && size % 2 == 0) {
            for (std::size_t i = 0; i < size; i += 2) {
                wav.samples.push_back(static_cast<std::int16_t>(Le(b, at + 8 + i, 2)));
            }
            wav.valid = true;
        }
        at += 8 + size + (size & 1);
    }
    return wav;
}

struct SoundCase {
    const char* name;
    double maxMilliseconds;
};

class Sound : public testing::TestWithParam<SoundCase> {};

TEST_P(Sound, IsShortQuietMono16BitPcm) {
    const Wav wav = ParseWav(ReadBytes(kBin + "/sounds/" + GetParam().name));
    ASSERT_TRUE(wav.valid);
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_TRUE(wav.rate == 44100 || wav.rate == 22050) << wav.rate;
    EXPECT_GT(wav.Milliseconds(), 15.0);
    EXPECT_LT(wav.Milliseconds(), GetParam().maxMilliseconds);

    int peak = 0;
    for (std::int16_t s : wav.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    const double peakDb = 20.0 * std::log10(peak / 32768.0);
    EXPECT_GT(peakDb, -15.0);
    EXPECT_LT(peakDb, -9.0);
    // Fades at both ends: no click when the sound starts or is cut off.
    EXPECT_LE(std::abs(wav.samples.front()), 300);
    EXPECT_LE(std::abs(wav.samples.back()), 300);
}

// Correct-stroke sounds stay under 60 ms so that fast typing never queues them; error sounds
// hold up the typist until they end, so they are short as well.
INSTANTIATE_TEST_SUITE_P(Media, Sound,
                         testing::Values(SoundCase{"wellcome.wav", 2000.0},
                                         SoundCase{"good1.wav", 60.0}, SoundCase{"good2.wav", 60.0},
                                         SoundCase{"good3.wav", 60.0}, SoundCase{"good4.wav", 60.0},
                                         SoundCase{"bad1.wav", 400.0}, SoundCase{"bad2.wav", 400.0},
                                         SoundCase{"bad3.wav", 400.0},
                                         SoundCase{"bad4.wav", 400.0}),
                         [](const testing::TestParamInfo<SoundCase>& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

TEST(MediaSounds, EverySetSoundsDifferent) {
    for (const char* kind : {"good", "bad"}) {
        std::vector<std::string> sounds;
        for (int n = 1; n <= 4; ++n) {
            sounds.push_back(ReadBytes(kBin + "/sounds/" + kind + std::to_string(n) + ".wav"));
        }
        for (std::size_t a = 0; a < sounds.size(); ++a) {
            for (std::size_t b = a + 1; b < sounds.size(); ++b) {
                EXPECT_NE(sounds[a], sounds[b]) << kind << a + 1 << " and " << kind << b + 1;
            }
        }
    }
}

TEST(MediaReproducible, SoundgenWritesTheSameBytesTwice) {
    TempDir first;
    TempDir second;
    ASSERT_TRUE(RunProgram({KELVANE_SOUNDGEN, first.path()}));
    ASSERT_TRUE(RunProgram({KELVANE_SOUNDGEN, second.path()}));
    const std::vector<std::string> files = FilesUnder(first.path());
    EXPECT_EQ(files.size(), 9u);
    EXPECT_EQ(FilesUnder(second.path()), files);
    for (const std::string& f : files) {
        EXPECT_EQ(ReadBytes(first.File(f)), ReadBytes(second.File(f))) << f;
    }
    // The delivered files are what the generator writes now.
    EXPECT_EQ(FilesUnder(kBin + "/sounds"), files);
}

}  // namespace
