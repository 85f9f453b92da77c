#include "common/rich_text_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using Error = RichTextReader::Error;
using Property = RichTextReader::Property;

struct PropertyCase {
    const char* control;
    Property property;
    std::int64_t value;
};

std::int64_t V(RichTextReader::SectionBreak value) {
    return static_cast<std::int64_t>(value);
}
std::int64_t V(RichTextReader::PageNumberStyle value) {
    return static_cast<std::int64_t>(value);
}
std::int64_t V(RichTextReader::Alignment value) {
    return static_cast<std::int64_t>(value);
}

class FormattingKeyword : public testing::TestWithParam<PropertyCase> {};

}  // namespace

TEST_P(FormattingKeyword, SetsItsPropertyAndAddsNoText) {
    const PropertyCase& c = GetParam();
    std::vector<std::string> lines;
    RichTextReader reader(lines, 70);
    ASSERT_EQ(reader.Parse("{\\rtf1 a \\" + std::string(c.control) + " b\\par}\\" + c.control),
              Error::None);
    EXPECT_EQ(reader.property(c.property), c.value);
    EXPECT_EQ(lines, (std::vector<std::string>{" a b"}));
}

TEST_P(FormattingKeyword, GroupEndRestoresTheProperty) {
    const PropertyCase& c = GetParam();
    std::vector<std::string> reference;
    RichTextReader untouched(reference, 70);
    ASSERT_EQ(untouched.Parse(std::string_view("")), Error::None);

    std::vector<std::string> lines;
    RichTextReader reader(lines, 70);
    ASSERT_EQ(reader.Parse("{\\" + std::string(c.control) + " x}"), Error::None);
    EXPECT_EQ(reader.property(c.property), untouched.property(c.property));
}

INSTANTIATE_TEST_SUITE_P(
    All, FormattingKeyword,
    testing::Values(
        PropertyCase{"b", Property::Bold, 1}, PropertyCase{"b0", Property::Bold, 0},
        PropertyCase{"u", Property::Underline, 1}, PropertyCase{"i", Property::Italic, 1},
        PropertyCase{"i7", Property::Italic, 1}, PropertyCase{"li720", Property::LeftIndent, 720},
        PropertyCase{"ri-15", Property::RightIndent, -15},
        PropertyCase{"fi-360", Property::FirstLineIndent, -360},
        PropertyCase{"cols2", Property::Columns, 2},
        PropertyCase{"sbknone", Property::SectionBreak, V(RichTextReader::SectionBreak::None)},
        PropertyCase{"sbkcol", Property::SectionBreak, V(RichTextReader::SectionBreak::Column)},
        PropertyCase{"sbkeven", Property::SectionBreak, V(RichTextReader::SectionBreak::Even)},
        PropertyCase{"sbkodd", Property::SectionBreak, V(RichTextReader::SectionBreak::Odd)},
        PropertyCase{"pgnx1000", Property::PageNumberX, 1000},
        PropertyCase{"pgny900", Property::PageNumberY, 900},
        PropertyCase{"pgnucrm", Property::PageNumberStyle,
                     V(RichTextReader::PageNumberStyle::UpperRoman)},
        PropertyCase{"pgnlcrm", Property::PageNumberStyle,
                     V(RichTextReader::PageNumberStyle::LowerRoman)},
        PropertyCase{"pgnucltr", Property::PageNumberStyle,
                     V(RichTextReader::PageNumberStyle::UpperLetter)},
        PropertyCase{"pgnlcltr", Property::PageNumberStyle,
                     V(RichTextReader::PageNumberStyle::LowerLetter)},
        PropertyCase{"qc", Property::Alignment, V(RichTextReader::Alignment::Centre)},
        PropertyCase{"qr", Property::Alignment, V(RichTextReader::Alignment::Right)},
        PropertyCase{"qj", Property::Alignment, V(RichTextReader::Alignment::Justified)},
        PropertyCase{"paperw11906", Property::PaperWidth, 11906},
        PropertyCase{"paperh16838", Property::PaperHeight, 16838},
        PropertyCase{"margl1134", Property::MarginLeft, 1134},
        PropertyCase{"margr1135", Property::MarginRight, 1135},
        PropertyCase{"margt1417", Property::MarginTop, 1417},
        PropertyCase{"margb1418", Property::MarginBottom, 1418},
        PropertyCase{"pgnstart5", Property::PageNumberStart, 5},
        PropertyCase{"facingp", Property::FacingPages, 1},
        PropertyCase{"landscape", Property::Landscape, 1}),
    [](const testing::TestParamInfo<PropertyCase>& info) {
        std::string name;
        for (char c : std::string_view(info.param.control)) {
            name += c == '-' ? 'm' : c;
        }
        return name;
    });

TEST(RichTextReader, PropertiesIgnoredInSkippedGroups) {
    std::vector<std::string> lines;
    RichTextReader reader(lines, 70);
    // Without a group around it, the destination skips the rest of the document.
    ASSERT_EQ(reader.Parse(R"(\ri300 \info\li500\ri7 text\par)"), Error::None);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(reader.property(Property::LeftIndent), 0);
    EXPECT_EQ(reader.property(Property::RightIndent), 300);
}

TEST(RichTextReader, SettingsOutsideGroupsLastToTheEnd) {
    std::vector<std::string> lines;
    RichTextReader reader(lines, 70);
    ASSERT_EQ(reader.Parse(R"(\landscape{\rtf1 {\qc centred\par}\li100})"), Error::None);
    EXPECT_EQ(reader.property(Property::Landscape), 1);
    EXPECT_EQ(reader.property(Property::LeftIndent), 0);
    EXPECT_EQ(reader.property(Property::Alignment), V(RichTextReader::Alignment::Left));
}

struct ErrorCase {
    const char* name;
    std::string_view document;
    Error error;
};

class ReaderError : public testing::TestWithParam<ErrorCase> {};

TEST_P(ReaderError, NamesTheFault) {
    std::vector<std::string> lines;
    RichTextReader reader(lines, 70);
    EXPECT_EQ(reader.Parse(GetParam().document), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReaderError,
    testing::Values(
        ErrorCase{"WellFormed", R"({\rtf1 {\b x}\par})", Error::None},
        ErrorCase{"Empty", "", Error::None}, ErrorCase{"Underflow", "{}}", Error::StackUnderflow},
        ErrorCase{"Unmatched", "{{}", Error::UnmatchedBrace},
        ErrorCase{"BadHex", R"({\'0x})", Error::InvalidHex},
        ErrorCase{"HexCutShortIsNoError", R"(\'e)", Error::None},
        // A brace or backslash where the second digit belongs is a malformed escape too;
        // the first case is the fuzzer's find, which used to collect digits without end.
        ErrorCase{"HexCutShortByGroup", std::string_view("\\'e{\\'ee}eeeeeed\n ", 18),
                  Error::InvalidHex},
        ErrorCase{"HexCutShortByGroupEnd", R"({\'e}x)", Error::InvalidHex},
        ErrorCase{"HexCutShortByBackslash", R"(\'e\'41)", Error::InvalidHex},
        ErrorCase{"EndAfterBackslash", "\\", Error::EndOfFile},
        ErrorCase{"EndAfterMinus", "\\fi-", Error::EndOfFile},
        ErrorCase{"EndAfterLetters", "\\fi", Error::None},
        ErrorCase{"KeywordTooLong", R"(\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa)", Error::KeywordTooLong},
        ErrorCase{"ParameterTooLong", R"(\li-00000000000000000000)", Error::ParameterTooLong},
        ErrorCase{"BinaryHidesTheUnderflow", R"({\bin2 }})", Error::UnmatchedBrace},
        ErrorCase{"BinaryBraceEndsGroup", R"({\bin1 x})", Error::None}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

TEST(RichTextReader, HexEscapesBesideGroupsGiveOneByteEach) {
    std::vector<std::string> lines;
    RichTextReader reader(lines, 70);
    // Line ends inside an escape are passed over as everywhere else in the file.
    ASSERT_EQ(reader.Parse("\\'41{\\'42}\\'4\r\n3{\\'ff\\'00}x\\par"), Error::None);
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(" ABC\xFF\0x", 7)}));
}

TEST(RichTextReader, NestingLimitIsExact) {
    constexpr std::size_t kLimit = RichTextReader::kMaxGroupDepth;
    std::vector<std::string> lines;
    RichTextReader atLimit(lines, 70);
    EXPECT_EQ(atLimit.Parse(std::string(kLimit, '{') + std::string(kLimit, '}')), Error::None);
    RichTextReader beyond(lines, 70);
    EXPECT_EQ(beyond.Parse(std::string(kLimit + 1, '{')), Error::NestingTooDeep);
    EXPECT_EQ(beyond.groupDepth(), kLimit);
}

TEST(RichTextReader, ReadsADocumentSuppliedByteByByte) {
    constexpr std::string_view document =
        R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0\fs24 caf\'e9\tab \{x\}\bin2 ab\par\li-20 two\
three\par})";
    std::vector<std::string> whole;
    RichTextReader reference(whole, 70);
    ASSERT_EQ(reference.Parse(document), Error::None);

    std::vector<std::string> pieces;
    RichTextReader reader(pieces, 70);
    std::size_t next = 0;
    RichTextReader::Supplier supply = [&]() -> std::string_view {
        if (next == document.size()) {
            return {};
        }
        return document.substr(next++, 1);
    };
    ASSERT_EQ(reader.Parse(supply), Error::None);
    EXPECT_EQ(pieces, whole);
    EXPECT_EQ(pieces, (std::vector<std::string>{" caf\xE9\t{x}ab", " two", " three"}));
}
