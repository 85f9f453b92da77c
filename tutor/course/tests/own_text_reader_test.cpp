#include "tutor/course/own_text_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Lower-case letters, space, punctuation: what a simple keyboard types.
const std::string kAccepted = "abcdefghijklmnopqrstuvwxyz .,";

Lines Normalised(Lines lines, const std::string& accepted = kAccepted) {
    OwnTextReader::Normalise(lines, accepted);
    return lines;
}

std::string Repeat(char c, std::size_t n) {
    return std::string(n, c);
}

}  // namespace

struct NormaliseCase {
    const char* name;
    Lines input;
    Lines expected;
};

class OwnTextNormalise : public testing::TestWithParam<NormaliseCase> {};

TEST_P(OwnTextNormalise, GivesCopyableLines) {
    EXPECT_EQ(Normalised(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnTextNormalise,
    testing::Values(
        NormaliseCase{"TabAndSpaceRun", {"a\tb   c"}, {"a b c"}},
        NormaliseCase{"RunsOfTwoToFourBecomeOne", {"a  b   c    d"}, {"a b c d"}},
        NormaliseCase{"RunsOfFiveToEightBecomeTwo", {"a     b        c"}, {"a  b  c"}},
        NormaliseCase{"RunOfNineBecomesThree", {"a         b"}, {"a   b"}},
        NormaliseCase{"TabsJoinSpaceRuns", {"a \t\t b"}, {"a b"}},
        NormaliseCase{"UntypableCharactersGo", {"Hello, World!"}, {"ello, orld"}},
        NormaliseCase{"LineOfUntypableCharactersGoes", {"abc", "ABC!?", "def"}, {"abc", "def"}},
        NormaliseCase{"EmptyLinesGo", {"", "abc", "", "", "def", ""}, {"abc", "def"}},
        NormaliseCase{"SeventyCharactersStay", {Repeat('a', 70)}, {Repeat('a', 70)}},
        NormaliseCase{"LongWordIsCutAt70", {Repeat('a', 80)}, {Repeat('a', 70)}},
        NormaliseCase{
            "LongWordIsCutAndNextLineKept", {Repeat('a', 80), "next"}, {Repeat('a', 70), "next"}},
        NormaliseCase{"LastLineSplitsIntoNewLastLineWithTrailingSpace",
                      {Repeat('x', 60) + " " + Repeat('y', 14)},
                      {Repeat('x', 60), Repeat('y', 14) + " "}},
        NormaliseCase{"SplitCarriesWordsToFrontOfNextLine",
                      {Repeat('x', 60) + " " + Repeat('y', 14), "next"},
                      {Repeat('x', 60), Repeat('y', 14) + " next"}},
        NormaliseCase{"SplitAtLastSpaceOfTheHead",
                      {"ab cd " + Repeat('e', 60) + " fgh ijklmnop"},
                      {"ab cd " + Repeat('e', 60), "fgh ijklmnop "}},
        NormaliseCase{"CarryMakesNextLineSplitInTurn",
                      {Repeat('a', 65) + " " + Repeat('b', 9), Repeat('c', 62) + " dd"},
                      {Repeat('a', 65), Repeat('b', 9), Repeat('c', 62) + " dd "}},
        NormaliseCase{
            "CarryCascades",
            {Repeat('a', 65) + " " + Repeat('b', 9), Repeat('c', 60) + " " + Repeat('d', 9)},
            // The carry's own trailing space meets the next one and is halved.
            {Repeat('a', 65), Repeat('b', 9), Repeat('c', 60), Repeat('d', 9) + " "}},
        NormaliseCase{"UntypableCharactersDoNotCountTowardsTheLength",
                      {Repeat('a', 68) + "XYZ!" + "bb"},
                      {Repeat('a', 68) + "bb"}},
        NormaliseCase{
            "LeadingSpaceAsOnlyBreakLeavesNoEmptyLine", {" " + Repeat('a', 75)}, {Repeat('a', 70)}},
        NormaliseCase{"NothingToNormalise", {}, {}}),
    [](const testing::TestParamInfo<NormaliseCase>& info) { return info.param.name; });

TEST(OwnTextNormalise, EmptyAcceptedSetRemovesEverything) {
    EXPECT_EQ(Normalised({"abc", "  ", "x y"}, ""), Lines{});
}

TEST(OwnTextNormalise, BytesAboveAsciiAreKeptWhenAccepted) {
    EXPECT_EQ(Normalised({"\xE9t\xE9\x80"}, "\xE9t"), Lines{"\xE9t\xE9"});
}

TEST(OwnTextNormalise, EveryLineEndsAtMost70Long) {
    Lines text;
    for (int i = 0; i < 30; ++i) {
        std::string line;
        for (int w = 0; w < 3 + i % 11; ++w) {
            line += Repeat(static_cast<char>('a' + (i + w) % 26), 1 + (i * 7 + w * 3) % 12);
            line += (w % 4 == 3) ? "\t" : "  ";
        }
        text.push_back(line + line);
    }
    Lines result = Normalised(text);
    ASSERT_FALSE(result.empty());
    for (const std::string& line : result) {
        EXPECT_LE(line.size(), OwnTextReader::kLineWidth) << line;
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find('\t'), std::string::npos);
    }
}

TEST(OwnTextNormalise, HalvingSpacesScansWithoutOverlap) {
    std::string line = "a   b";
    OwnTextReader::HalveSpaceRuns(line);
    EXPECT_EQ(line, "a  b");
    OwnTextReader::HalveSpaceRuns(line);
    EXPECT_EQ(line, "a b");
}

struct RichTextPathCase {
    const char* path;
    bool richText;
};

class OwnTextRichTextPath : public testing::TestWithParam<RichTextPathCase> {};

TEST_P(OwnTextRichTextPath, ContainsRtfInAnyCase) {
    EXPECT_EQ(OwnTextReader::IsRichTextPath(GetParam().path), GetParam().richText);
}

INSTANTIATE_TEST_SUITE_P(Paths, OwnTextRichTextPath,
                         testing::Values(RichTextPathCase{"/home/u/story.rtf", true},
                                         RichTextPathCase{"/home/u/STORY.RTF", true},
                                         RichTextPathCase{"/home/u/story.Rtf", true},
                                         RichTextPathCase{"/home/u/story.rtf.txt", true},
                                         RichTextPathCase{"/home/u/a.rtfolder/story.txt", true},
                                         RichTextPathCase{"/home/u/story.txt", false},
                                         RichTextPathCase{"/home/u/rtf", false},
                                         RichTextPathCase{"/home/u/story.rt", false},
                                         RichTextPathCase{"", false}));
