#include "common/extract_rich_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/file_error.h"
#include "common/testing/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int kWidth = 70;

Lines Extract(std::string_view document, int width = kWidth) {
    Lines lines;
    ExtractRichTextFromMemory(document, "memory.rtf", lines, width);
    return lines;
}

// What WordPad saves for two short paragraphs with some colour and bold.
constexpr std::string_view kWordPadDocument =
    R"rtf({\rtf1\ansi\ansicpg1252\deff0\nouicompat\deflang1033{\fonttbl{\f0\fnil\fcharset0 Calibri;}{\f1\fswiss\fprq2\fcharset0 Arial;}}
{\colortbl ;\red255\green0\blue0;\red0\green77\blue187;}
{\*\generator Riched20 10.0.19041}\viewkind4\uc1
\pard\sa200\sl276\slmult1\f0\fs22\lang9 Typing every day builds speed and accuracy.\par
Keep your fingers on the \cf1\b home row\cf0\b0  and look at the screen.\par
}
)rtf";

// A document as a full word processor saves it: style sheet, document information, list and
// revision tables, a header and footer, a footnote, a hyperlink field, theme data and a
// data store.
constexpr std::string_view kWordProcessorDocument =
    R"rtf({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff31507\deff0\stshfdbch31505\stshfloch31506\deflang2057\deflangfe2057\themelang2057
{\fonttbl{\f0\fbidi \froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;}
{\f34\fbidi \froman\fcharset0\fprq2{\*\panose 02040503050406030204}Cambria Math;}
{\f40\fbidi \fswiss\fcharset238\fprq2 Calibri CE;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;}
{\*\defchp \f31506\fs22\lang2057\langfe1033 }
{\stylesheet{\ql \li0\ri0\sa160\sl259\slmult1\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \f31506\fs22\lang2057 \snext0 \sqformat \spriority0 Normal;}
{\*\cs10 \additive \ssemihidden \sunhideused \spriority1 Default Paragraph Font;}
{\s15\qc \li0\ri0\widctlpar\tqc\tx4513\tqr\tx9026 \sbasedon0 \snext15 \slink16 header;}}
{\*\listtable{\list\listtemplateid-1\listhybrid{\listlevel\levelnfc23\levelstartat1{\leveltext\'01\u-3913 ?;}{\levelnumbers;}\f3\fi-360\li720}{\listname ;}\listid412}}
{\*\rsidtbl \rsid1061584\rsid6429355}
{\info{\title Evening practice}{\author A. Writer}{\operator A. Writer}{\creatim\yr2024\mo3\dy5\hr10\min2}{\revtim\yr2024\mo3\dy5\hr10\min9}{\version2}{\edmins7}{\nofpages1}{\nofwords42}{\nofchars240}{\doccomm Written for the typing course}}
{\*\xmlnstbl {\xmlns1 http://schemas.example.org/office/word/2003/wordml}}
\paperw11906\paperh16838\margl1440\margr1440\margt1440\margb1440\gutter0\ltrsect
\widowctrl\ftnbj\aenddoc\trackmoves0\trackformatting1\donotembedsysfont1
{\*\ftnsep \ltrpar \pard\plain \ltrpar\ql \li0\ri0\widctlpar {\insrsid6429355 \chftnsep \par }}
\sectd \ltrsect\linex0\headery708\footery708\colsx708\endnhere\sectlinegrid360\sectdefaultcl\sftnbj
{\header \ltrpar \pard\plain \ltrpar\s15\qc \li0\ri0 {\insrsid6429355 Lesson notes \endash  page }{\field{\*\fldinst {\insrsid6429355  PAGE }}{\fldrslt {\lang1024\noproof 1}}}\par }
{\footer \ltrpar \pard\plain \ltrpar\s16\qr {\insrsid6429355 Printed for practice\par }}
\pard\plain \ltrpar\ql \li0\ri0\sa160\sl259\slmult1\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af31507\afs22\alang1025 \ltrch\fcs0 \f31506\fs22\lang2057\langfe1033\cgrid\langnp2057\langfenp1033 {\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid6429355 The evening session starts with the home row.}{\rtlch\fcs1 \af31507 \ltrch\fcs0 \cs17\super\insrsid6429355 \chftn {\footnote \ltrpar \pard\plain \ltrpar\s18\ql \li0\ri0 {\rtlch\fcs1 \af31507 \ltrch\fcs0 \cs17\super\insrsid6429355 \chftn }{\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid6429355  Ten minutes are enough.\par }}}{\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid6429355  Then come the \ldblquote hard\rdblquote  keys.
\par }
{\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid6429355 Visit }{\field{\*\fldinst {\insrsid6429355  HYPERLINK "https://example.org/lessons" }}{\fldrslt {\cs19\ul\cf2\insrsid6429355 our lesson page}}}{\insrsid6429355  for more.\par }
{\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid6429355 Caf\'e9 owners type menus too: soup \endash  \u8364\'80 4.\par }
{\*\themedata 504b030414000600080000002100e9de0fbfff0000001c020000130000005b436f6e74656e745f54797065735d2e786d6cac91cb4ec3301045f748fc83e52d4a}
{\*\colorschememapping 3c3f786d6c2076657273696f6e3d22312e302220656e636f64696e673d225554462d3822}
{\*\latentstyles\lsdstimax376\lsdlockeddef0\lsdsemihiddendef0 {\lsdlockedexcept \lsdqformat1 \lsdpriority0 \lsdlocked0 Normal;\lsdqformat1 \lsdpriority9 \lsdlocked0 heading 1;}}
{\*\datastore 01050000020000001800000050006f0077006500720020004d0061006e0061006700}}
)rtf";

}  // namespace

TEST(ExtractRichText, WordPadDocumentGivesItsParagraphs) {
    EXPECT_EQ(Extract(kWordPadDocument),
              (Lines{" Typing every day builds speed and accuracy.",
                     " Keep your fingers on the home row and look at the screen."}));
}

TEST(ExtractRichText, WordProcessorDocumentKeepsOnlyTheBody) {
    // The first paragraph's last line runs past the width: a paragraph's closing word is
    // never wrapped.
    EXPECT_EQ(Extract(kWordProcessorDocument),
              (Lines{" The evening session starts with the home row. Then come the \"hard\" keys.",
                     " Visit our lesson page for more.",
                     " Caf\xE9 owners type menus too: soup  \x80 4."}));
}

TEST(ExtractRichText, PicturesWithHexAndBinaryDataContributeNoText) {
    std::string document =
        R"rtf({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}
\pard The keyboard picture {\*\shppict{\pict{\*\picprop\shplid1025{\sp{\sn shapeType}{\sv 75}}}
\picscalex100\picscaley100\piccropl0\picw529\pich529\picwgoal300\pichgoal300\pngblip\bliptag-1430223472{\*\blipuid aac0d0905ba5e8d4}
89504e470d0a1a0a0000000d4948445200000014000000140803000000ba57ed3f}}{\nonshppict{\pict\picscalex100\wmetafile8\picw529\pich529\bin9 )rtf";
    // Binary picture data with braces, a backslash, a zero byte and a high byte.
    document += std::string("{}\\\0\xFF}{{\\", 9);
    document += R"rtf(}}shows the home keys.\par
})rtf";
    EXPECT_EQ(Extract(document), (Lines{" The keyboard picture shows the home keys."}));
}

TEST(ExtractRichText, TextFromAnotherCodePageStaysBytes) {
    // An East European document: the hex escapes are bytes of code page 1250, and no
    // conversion happens here.
    constexpr std::string_view document =
        R"rtf({\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\fswiss\fcharset238 Arial CE;}}
\f0 \'8elu\'9duou\'e8k\'fd k\'f9\'f2 \'fap\'ecl.\par
})rtf";
    EXPECT_EQ(Extract(document), (Lines{" \x8Elu\x9Duou\xE8k\xFD k\xF9\xF2 \xFAp\xECl."}));
}

struct RichTextCase {
    const char* name;
    std::string_view document;
    int width;
    Lines expected;
};

class RichTextLines : public testing::TestWithParam<RichTextCase> {};

TEST_P(RichTextLines, GivesTheExpectedLines) {
    const RichTextCase& c = GetParam();
    EXPECT_EQ(Extract(c.document, c.width), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Body, RichTextLines,
    testing::Values(
        RichTextCase{"OneWordParagraph", R"({\rtf1 word\par})", kWidth, {" word"}},
        RichTextCase{"LastParagraphWithoutParIsLost",
                     R"({\rtf1 first paragraph\par second paragraph})",
                     kWidth,
                     {" first paragraph"}},
        RichTextCase{"NoParagraphEndNoLines", R"({\rtf1\ansi Only a title})", kWidth, {}},
        RichTextCase{"BackslashLineFeedEndsTheLine",
                     "{\\rtf1 one line\\\nnext line\\par}",
                     kWidth,
                     {" one line", " next line"}},
        RichTextCase{"BackslashCarriageReturnEndsTheLine",
                     "{\\rtf1 one line\\\r\nnext line\\par}",
                     kWidth,
                     {" one line", " next line"}},
        RichTextCase{"FileLineBreaksAreNoText",
                     "{\\rtf1 split\r\nword and\r\n more\\par}",
                     kWidth,
                     {" splitword and more"}},
        RichTextCase{"LineKeywordIsUnknownAndIgnored",
                     R"({\rtf1 first\line second\par})",
                     kWidth,
                     {" firstsecond"}},
        RichTextCase{"EmptyParagraphsGiveOneSpace",
                     R"({\rtf1 a\par\par\pard\par b\par})",
                     kWidth,
                     {" a", " ", " ", " b"}},
        RichTextCase{"HexEscapeGivesItsByte",
                     R"({\rtf1 caf\'e9 \'C4rger \'80\par})",
                     kWidth,
                     {" caf\xE9 \xC4rger \x80"}},
        RichTextCase{
            "HexDigitsMaySpanFileLineBreaks", "{\\rtf1 caf\\'e\r\n9\\par}", kWidth, {" caf\xE9"}},
        RichTextCase{
            "EscapedBracesAndBackslash", R"({\rtf1 \{set\} a\\b\par})", kWidth, {" {set} a\\b"}},
        RichTextCase{"TabAndQuotes",
                     R"({\rtf1 col\tab two \ldblquote quoted\rdblquote\par})",
                     kWidth,
                     {" col\ttwo \"quoted\""}},
        RichTextCase{"KeywordConsumesOneSpaceOnly",
                     R"({\rtf1 bold\b  word\b0   gap\par})",
                     kWidth,
                     {" bold word  gap"}},
        RichTextCase{
            "KeywordEndsAtAnyOtherDelimiter", R"({\rtf1 a\b1;b\i-2c\par})", kWidth, {" a;bc"}},
        RichTextCase{"UnknownControlSymbolsAreIgnored",
                     R"({\rtf1 non\~breaking hy\-phen\_ated\par})",
                     kWidth,
                     {" nonbreaking hyphenated"}},
        RichTextCase{"UnicodeKeywordLeavesTheFallbackByte",
                     R"({\rtf1\uc1 caf\u233\'e9\par})",
                     kWidth,
                     {" caf\xE9"}},
        RichTextCase{"StarredUnknownGroupIsSkipped",
                     R"({\rtf1 {\*\generator Writer 1.0;}shown\par})",
                     kWidth,
                     {" shown"}},
        RichTextCase{"UnknownGroupWithoutStarIsText",
                     R"({\rtf1 {\fldrslt visible}\par})",
                     kWidth,
                     {" visible"}},
        RichTextCase{
            "StarredKnownKeywordIsNotSkipped", R"({\rtf1 {\*\b kept}\par})", kWidth, {" kept"}},
        RichTextCase{
            "AnyKeywordClearsTheStar", R"({\rtf1 {\*\b\unknownword kept}\par})", kWidth, {" kept"}},
        RichTextCase{"SkippingEndsWithItsGroup",
                     R"({\rtf1 {\fonttbl {\f0 Arial;}}{\b after}\par})",
                     kWidth,
                     {" after"}},
        RichTextCase{"ParInsideSkippedGroupMakesNoLine",
                     R"({\rtf1 {\header Page \par two\par}body\par})",
                     kWidth,
                     {" body"}},
        RichTextCase{"HexEscapeInSkippedGroupIsNotChecked",
                     R"({\rtf1 {\fonttbl {\f1 \'zz;}}fine\par})",
                     kWidth,
                     {" fine"}},
        RichTextCase{"BinaryDataInSkippedGroupMayHoldBraces",
                     R"({\rtf1 {\pict\bin6 }}\{{\}after\par})",
                     kWidth,
                     {" after"}},
        RichTextCase{
            "BinaryDataInBodyIsText", R"({\rtf1 a\bin4 {}\\ b\par})", kWidth, {" a{}\\\\ b"}},
        RichTextCase{"BinaryCountOfZeroAnnouncesNoData",
                     R"({\rtf1 {\pict\bin0 }after\par})",
                     kWidth,
                     {" after"}},
        RichTextCase{"NegativeBinaryCountAnnouncesNoData",
                     R"({\rtf1 {\pict\bin-5 }after\par})",
                     kWidth,
                     {" after"}},
        RichTextCase{"BinaryWithoutCountAnnouncesNoData",
                     R"({\rtf1 {\pict\bin}after\par})",
                     kWidth,
                     {" after"}},
        RichTextCase{"TextOutsideTheOuterGroupCounts",
                     R"({\rtf1 inside}outside\par)",
                     kWidth,
                     {" insideoutside"}},
        RichTextCase{
            "KeywordsAreCaseSensitive", R"({\rtf1 {\FONTTBL shown}\PAR\par})", kWidth, {" shown"}}),
    [](const testing::TestParamInfo<RichTextCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Wrapping, RichTextLines,
    testing::Values(
        // A space wraps when line plus word reach the width; the wrapped line starts with
        // its word, and the paragraph's last word is added without looking at the width.
        RichTextCase{"WrapsWhenLineAndWordReachWidth",
                     R"({\rtf1 aaaa bbbb cccc dddd eeee ffff\par})",
                     10,
                     {" aaaa bbbb", "cccc dddd", "eeee ffff"}},
        RichTextCase{"LineMayBeExactlyTheWidth", R"({\rtf1 aaaa bbbb\par})", 10, {" aaaa bbbb"}},
        RichTextCase{
            "WordReachingTheWidthWraps", R"({\rtf1 aaaa bbbbb c\par})", 10, {" aaaa", "bbbbb c"}},
        RichTextCase{"LongWordStandsAlone",
                     R"({\rtf1 ab abcdefghijklmno cd ef\par})",
                     10,
                     {" ab", "abcdefghijklmno", "cd ef"}},
        RichTextCase{"LastWordOfParagraphMayOverrun",
                     R"({\rtf1 aaaa bbbb cccccccc\par})",
                     10,
                     {" aaaa bbbb cccccccc"}},
        RichTextCase{"ParagraphOpeningWithOverlongWordFlushesTheEmptyLine",
                     R"({\rtf1 abcdefghijklmno cd\par})",
                     10,
                     {"", "abcdefghijklmno cd"}},
        RichTextCase{"EachParagraphStartsAfresh",
                     R"({\rtf1 aaaa bbbb cc\par dd\par})",
                     10,
                     {" aaaa bbbb cc", " dd"}},
        RichTextCase{"WrappedLinesOfTheLastParagraphSurvive",
                     R"({\rtf1 aaaa bbbb cccc dddd})",
                     10,
                     {" aaaa bbbb"}}),
    [](const testing::TestParamInfo<RichTextCase>& info) { return info.param.name; });

TEST(ExtractRichText, LongParagraphKeepsLinesWithinTheWidth) {
    std::string document = R"({\rtf1\ansi\deff0{\fonttbl{\f0 Courier New;}}\f0\fs20 )";
    std::string words;
    for (int i = 0; i < 60; ++i) {
        words += "practice" + std::string(i % 7, 'x') + " ";
    }
    document += words + "end\\par}";
    Lines lines = Extract(document);
    ASSERT_GT(lines.size(), 5u);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i + 1 < lines.size()) {
            EXPECT_LE(lines[i].size(), static_cast<std::size_t>(kWidth)) << i;
        }
        EXPECT_NE(lines[i].back(), ' ') << i;
        joined += (i == 0 ? "" : " ") + lines[i];
    }
    EXPECT_EQ(joined, " " + words + "end");
}

class DestinationKeyword : public testing::TestWithParam<const char*> {};

TEST_P(DestinationKeyword, GroupGivesNoText) {
    std::string document =
        std::string(R"({\rtf1 before {\)") + GetParam() + R"( hidden \'e9 words\par} after\par})";
    EXPECT_EQ(Extract(document), (Lines{" before  after"}));
}

INSTANTIATE_TEST_SUITE_P(AllOfThem, DestinationKeyword,
                         testing::Values("author", "buptim", "colortbl", "comment", "creatim",
                                         "doccomm", "fonttbl", "footer", "footerf", "footerl",
                                         "footerr", "footnote", "ftncn", "ftnsep", "ftnsepc",
                                         "header", "headerf", "headerl", "headerr", "info",
                                         "keywords", "operator", "pict", "printim", "private1",
                                         "revtim", "rxe", "stylesheet", "subject", "tc", "title",
                                         "txe", "xe"));

struct BrokenCase {
    const char* name;
    std::string_view document;
    Lines linesBeforeTheError;
};

class BrokenRichText : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenRichText, StopsWithGeneralErrorKeepingEarlierLines) {
    const BrokenCase& c = GetParam();
    Lines lines{"kept from before"};
    try {
        ExtractRichTextFromMemory(c.document, "own text.rtf", lines, kWidth);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.kind(), FileError::Kind::General);
        EXPECT_EQ(error.message(), "An unknown error occurred while accessing own text.rtf.");
    }
    Lines expected{"kept from before"};
    expected.insert(expected.end(), c.linesBeforeTheError.begin(), c.linesBeforeTheError.end());
    EXPECT_EQ(lines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BrokenRichText,
    testing::Values(BrokenCase{"ClosingBraceTooMany", R"({\rtf1 one\par}} two\par)", {" one"}},
                    BrokenCase{"ClosingBraceFirst", R"(}{\rtf1 one\par})", {}},
                    BrokenCase{"GroupLeftOpen", R"({\rtf1 one\par{\b two\par})", {" one", " two"}},
                    BrokenCase{"BadFirstHexDigit", R"({\rtf1 one\par caf\'g9\par})", {" one"}},
                    BrokenCase{"BadSecondHexDigit", R"({\rtf1 one\par caf\'e \par})", {" one"}},
                    BrokenCase{
                        "GroupInsideHexEscape", R"({\rtf1 one\par caf\'e{\'e9}\par})", {" one"}},
                    BrokenCase{"EndAfterBackslash", "{\\rtf1 one\\par}\\", {" one"}},
                    BrokenCase{"EndAfterMinus", R"({\rtf1 one\par}\li-)", {" one"}},
                    BrokenCase{"KeywordOfThirtyOneLetters",
                               R"({\rtf1 one\par\abcdefghijklmnopqrstuvwxyzabcde two\par})",
                               {" one"}},
                    BrokenCase{"ParameterOfTwentyDigits",
                               R"({\rtf1 one\par\li12345678901234567890 two\par})",
                               {" one"}},
                    BrokenCase{"HugeBinaryRunsPastTheEnd",
                               R"({\rtf1 one\par{\pict\bin9223372036854775807 abc}})",
                               {" one"}}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

TEST(ExtractRichText, LongestKeywordAndParameterAreAccepted) {
    EXPECT_EQ(Extract(R"({\rtf1 one\abcdefghijklmnopqrstuvwxyzabcd two\par})"), (Lines{" onetwo"}));
    EXPECT_EQ(Extract(R"({\rtf1 one\li-9999999999999999999 two\par})"), (Lines{" onetwo"}));
}

TEST(ExtractRichText, EndRightAfterAKeywordIsNoError) {
    EXPECT_EQ(Extract(R"({\rtf1 one\par}\par)"), (Lines{" one", " "}));
    EXPECT_EQ(Extract(R"({\rtf1 one\par}\li20)"), (Lines{" one"}));
}

TEST(ExtractRichText, DeepButBoundedNestingIsRead) {
    std::string document = "{\\rtf1 ";
    document += std::string(9000, '{') + "deep" + std::string(9000, '}') + "\\par}";
    EXPECT_EQ(Extract(document), (Lines{" deep"}));
}

TEST(ExtractRichText, EndlessNestingIsAnErrorWithoutExhaustingMemory) {
    std::string document = "{\\rtf1 one\\par" + std::string(2'000'000, '{');
    Lines lines;
    EXPECT_THROW(ExtractRichTextFromMemory(document, "deep.rtf", lines, kWidth), FileError);
    EXPECT_EQ(lines, (Lines{" one"}));
}

TEST(ExtractRichText, ReadsAFileLikeTheSameDocumentInMemory) {
    // Large enough to be read in several pieces, so keywords and hex escapes fall across
    // piece boundaries somewhere.
    std::string document = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}";
    for (int i = 0; i < 6000; ++i) {
        document += "\\pard\\li" + std::to_string(i) + " Line " + std::to_string(i) +
                    " caf\\'e9 {\\*\\bkmkstart m" + std::to_string(i) + "}text\\par\r\n";
    }
    document += "}";
    TempDir dir;
    std::string path = dir.Write("lesson.rtf", document);
    Lines fromFile{"already there"};
    ExtractRichText(path, fromFile, kWidth);
    Lines expected{"already there"};
    for (int i = 0; i < 6000; ++i) {
        expected.push_back(" Line " + std::to_string(i) + " caf\xE9 text");
    }
    EXPECT_EQ(fromFile, expected);
}

TEST(ExtractRichText, MissingFileIsNotFound) {
    TempDir dir;
    std::string path = dir.File("missing.rtf");
    Lines lines;
    try {
        ExtractRichText(path, lines, kWidth);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.kind(), FileError::Kind::NotFound);
        EXPECT_EQ(error.message(), path + " was not found.");
    }
    EXPECT_TRUE(lines.empty());
}

TEST(ExtractRichText, BrokenFileIsGeneralErrorKeepingEarlierLines) {
    TempDir dir;
    std::string path = dir.Write("broken.rtf", R"({\rtf1 first\par second\par)");
    Lines lines;
    try {
        ExtractRichText(path, lines, kWidth);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.kind(), FileError::Kind::General);
        EXPECT_EQ(error.path(), path);
    }
    EXPECT_EQ(lines, (Lines{" first", " second"}));
}

TEST(ExtractRichText, FolderInsteadOfFileIsAnError) {
    TempDir dir;
    Lines lines;
    EXPECT_THROW(ExtractRichText(dir.path(), lines, kWidth), FileError);
}
