#include "common/rich_text_reader.h"

#include <algorithm>

#include "common/text_number.h"

namespace {

enum class Action : std::uint8_t {
    Character,      ///< value is the character
    HexEscape,      ///< the next two bytes are hex digits
    Binary,         ///< the parameter counts bytes of binary data
    SkipIfUnknown,  ///< "\*": skip the group if the next keyword is unknown
    Destination,    ///< a destination without body text: skip the rest of the group
    Toggle,         ///< property on, or off with the parameter 0
    Value,          ///< property takes the parameter
    Fixed,          ///< property takes value
};

using Reader = RichTextReader;
using P = Reader::Property;

struct Keyword {
    std::string_view name;
    Action action;
    P property;
    std::int64_t value;
};
using A = Action;

constexpr std::int64_t V(Reader::SectionBreak value) {
    return static_cast<std::int64_t>(value);
}
constexpr std::int64_t V(Reader::PageNumberStyle value) {
    return static_cast<std::int64_t>(value);
}
constexpr std::int64_t V(Reader::Alignment value) {
    return static_cast<std::int64_t>(value);
}

// Sorted by byte value of the name, for binary search.
constexpr Keyword kKeywords[] = {
    {"\n", A::Character, P::Count, '\n'},
    {"\r", A::Character, P::Count, '\n'},
    {"'", A::HexEscape, P::Count, 0},
    {"*", A::SkipIfUnknown, P::Count, 0},
    {"\\", A::Character, P::Count, '\\'},
    {"author", A::Destination, P::Count, 0},
    {"b", A::Toggle, P::Bold, 0},
    {"bin", A::Binary, P::Count, 0},
    {"buptim", A::Destination, P::Count, 0},
    {"colortbl", A::Destination, P::Count, 0},
    {"cols", A::Value, P::Columns, 0},
    {"comment", A::Destination, P::Count, 0},
    {"creatim", A::Destination, P::Count, 0},
    {"doccomm", A::Destination, P::Count, 0},
    {"facingp", A::Fixed, P::FacingPages, 1},
    {"fi", A::Value, P::FirstLineIndent, 0},
    {"fonttbl", A::Destination, P::Count, 0},
    {"footer", A::Destination, P::Count, 0},
    {"footerf", A::Destination, P::Count, 0},
    {"footerl", A::Destination, P::Count, 0},
    {"footerr", A::Destination, P::Count, 0},
    {"footnote", A::Destination, P::Count, 0},
    {"ftncn", A::Destination, P::Count, 0},
    {"ftnsep", A::Destination, P::Count, 0},
    {"ftnsepc", A::Destination, P::Count, 0},
    {"header", A::Destination, P::Count, 0},
    {"headerf", A::Destination, P::Count, 0},
    {"headerl", A::Destination, P::Count, 0},
    {"headerr", A::Destination, P::Count, 0},
    {"i", A::Toggle, P::Italic, 0},
    {"info", A::Destination, P::Count, 0},
    {"keywords", A::Destination, P::Count, 0},
    {"landscape", A::Fixed, P::Landscape, 1},
    {"ldblquote", A::Character, P::Count, '"'},
    {"li", A::Value, P::LeftIndent, 0},
    {"margb", A::Value, P::MarginBottom, 0},
    {"margl", A::Value, P::MarginLeft, 0},
    {"margr", A::Value, P::MarginRight, 0},
    {"margt", A::Value, P::MarginTop, 0},
    {"operator", A::Destination, P::Count, 0},
    {"paperh", A::Value, P::PaperHeight, 0},
    {"paperw", A::Value, P::PaperWidth, 0},
    {"par", A::Character, P::Count, '\n'},
    {"pgndec", A::Fixed, P::PageNumberStyle, V(Reader::PageNumberStyle::Decimal)},
    {"pgnlcltr", A::Fixed, P::PageNumberStyle, V(Reader::PageNumberStyle::LowerLetter)},
    {"pgnlcrm", A::Fixed, P::PageNumberStyle, V(Reader::PageNumberStyle::LowerRoman)},
    {"pgnstart", A::Value, P::PageNumberStart, 0},
    {"pgnucltr", A::Fixed, P::PageNumberStyle, V(Reader::PageNumberStyle::UpperLetter)},
    {"pgnucrm", A::Fixed, P::PageNumberStyle, V(Reader::PageNumberStyle::UpperRoman)},
    {"pgnx", A::Value, P::PageNumberX, 0},
    {"pgny", A::Value, P::PageNumberY, 0},
    {"pict", A::Destination, P::Count, 0},
    {"printim", A::Destination, P::Count, 0},
    // Written "\private1": letters make the keyword and the digit its parameter.
    {"private", A::Destination, P::Count, 0},
    {"qc", A::Fixed, P::Alignment, V(Reader::Alignment::Centre)},
    {"qj", A::Fixed, P::Alignment, V(Reader::Alignment::Justified)},
    {"ql", A::Fixed, P::Alignment, V(Reader::Alignment::Left)},
    {"qr", A::Fixed, P::Alignment, V(Reader::Alignment::Right)},
    {"rdblquote", A::Character, P::Count, '"'},
    {"revtim", A::Destination, P::Count, 0},
    {"ri", A::Value, P::RightIndent, 0},
    {"rxe", A::Destination, P::Count, 0},
    {"sbkcol", A::Fixed, P::SectionBreak, V(Reader::SectionBreak::Column)},
    {"sbkeven", A::Fixed, P::SectionBreak, V(Reader::SectionBreak::Even)},
    {"sbknone", A::Fixed, P::SectionBreak, V(Reader::SectionBreak::None)},
    {"sbkodd", A::Fixed, P::SectionBreak, V(Reader::SectionBreak::Odd)},
    {"sbkpage", A::Fixed, P::SectionBreak, V(Reader::SectionBreak::Page)},
    {"stylesheet", A::Destination, P::Count, 0},
    {"subject", A::Destination, P::Count, 0},
    {"tab", A::Character, P::Count, '\t'},
    {"tc", A::Destination, P::Count, 0},
    {"title", A::Destination, P::Count, 0},
    {"txe", A::Destination, P::Count, 0},
    {"u", A::Toggle, P::Underline, 0},
    {"xe", A::Destination, P::Count, 0},
    {"{", A::Character, P::Count, '{'},
    {"}", A::Character, P::Count, '}'},
};

constexpr bool NameLess(const Keyword& a, const Keyword& b) {
    return a.name < b.name;
}
static_assert(std::is_sorted(std::begin(kKeywords), std::end(kKeywords), NameLess));

const Keyword* FindKeyword(std::string_view name) {
    auto it = std::lower_bound(
        std::begin(kKeywords), std::end(kKeywords), name,
        [](const Keyword& entry, std::string_view key) { return entry.name < key; });
    if (it == std::end(kKeywords) || it->name != name) {
        return nullptr;
    }
    return it;
}

bool IsAsciiLetter(int c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(int c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

RichTextReader::RichTextReader(std::vector<std::string>& lines, int width)
    : lines_(lines), width_(width) {
    // The usual page of a document that does not describe its own (sizes in twips).
    SetProperty(Property::Columns, 1);
    SetProperty(Property::PaperWidth, 12240);
    SetProperty(Property::PaperHeight, 15840);
    SetProperty(Property::MarginLeft, 1800);
    SetProperty(Property::MarginRight, 1800);
    SetProperty(Property::MarginTop, 1440);
    SetProperty(Property::MarginBottom, 1440);
    SetProperty(Property::PageNumberStart, 1);
    SetProperty(Property::PageNumberX, 720);
    SetProperty(Property::PageNumberY, 720);
    SetProperty(Property::SectionBreak, V(SectionBreak::Page));
}

RichTextReader::Error RichTextReader::Parse(std::string_view document) {
    bool given = false;
    Supplier once = [&]() -> std::string_view {
        if (given) {
            return {};
        }
        given = true;
        return document;
    };
    return Parse(once);
}

RichTextReader::Error RichTextReader::Parse(const Supplier& supply) {
    supply_ = &supply;
    for (;;) {
        int byte = Get();
        if (byte < 0) {
            break;
        }
        if (input_ == InputState::Binary) {
            HandleCharacter(static_cast<unsigned char>(byte));
            continue;
        }
        if (byte == '\r' || byte == '\n') {
            continue;
        }
        if (input_ == InputState::Hex) {
            // The two digits belong to the escape: a brace or backslash in their place is a
            // malformed escape, like any other byte that is no hex digit.
            int digit = HexDigitValue(byte);
            if (digit < 0) {
                return Error::InvalidHex;
            }
            hexValue_ = static_cast<std::uint8_t>(hexValue_ << 4 | digit);
            if (++hexDigits_ == 2) {
                input_ = InputState::Normal;
                HandleCharacter(hexValue_);
            }
            continue;
        }
        switch (byte) {
            case '{':
                if (stack_.size() >= kMaxGroupDepth) {
                    return Error::NestingTooDeep;
                }
                stack_.push_back(state_);
                break;
            case '}':
                if (stack_.empty()) {
                    return Error::StackUnderflow;
                }
                state_ = stack_.back();
                stack_.pop_back();
                break;
            case '\\': {
                Error error = ReadControl();
                if (error != Error::None) {
                    return error;
                }
                break;
            }
            default:
                HandleCharacter(static_cast<unsigned char>(byte));
                break;
        }
    }
    // A "}" too many has already stopped the loop, so only open groups remain to be caught.
    return stack_.empty() ? Error::None : Error::UnmatchedBrace;
}

int RichTextReader::Get() {
    if (pushedBack_ >= 0) {
        int byte = pushedBack_;
        pushedBack_ = -1;
        return byte;
    }
    while (position_ == chunk_.size()) {
        if (ended_) {
            return -1;
        }
        chunk_ = (*supply_)();
        position_ = 0;
        ended_ = chunk_.empty();
    }
    return static_cast<unsigned char>(chunk_[position_++]);
}

RichTextReader::Error RichTextReader::ReadControl() {
    int byte = Get();
    if (byte < 0) {
        return Error::EndOfFile;
    }
    keyword_.clear();
    if (!IsAsciiLetter(byte)) {
        keyword_.push_back(static_cast<char>(byte));
        ApplyKeyword(keyword_, false, 0);
        return Error::None;
    }
    while (IsAsciiLetter(byte)) {
        if (keyword_.size() == kMaxKeywordLength) {
            return Error::KeywordTooLong;
        }
        keyword_.push_back(static_cast<char>(byte));
        byte = Get();
    }
    digits_.clear();
    if (byte == '-') {
        digits_.push_back('-');
        byte = Get();
        if (byte < 0) {
            return Error::EndOfFile;
        }
    }
    std::size_t digitCount = 0;
    while (IsDigit(byte)) {
        if (digitCount == kMaxParameterDigits) {
            return Error::ParameterTooLong;
        }
        digits_.push_back(static_cast<char>(byte));
        ++digitCount;
        byte = Get();
    }
    if (byte >= 0 && byte != ' ') {
        Unget(byte);
    }
    bool hasParameter = digitCount > 0;
    ApplyKeyword(keyword_, hasParameter, hasParameter ? ParseLeadingInt64(digits_) : 0);
    return Error::None;
}

void RichTextReader::ApplyKeyword(std::string_view name, bool hasParameter,
                                  std::int64_t parameter) {
    const Keyword* keyword = FindKeyword(name);
    bool skipIfUnknown = skipIfUnknown_;
    skipIfUnknown_ = false;

    if (keyword && keyword->action == Action::Binary) {
        // Even in a skipped group, or binary data holding braces and backslashes would be
        // read as structure. No count, or one below 1, announces no binary data at all.
        if (hasParameter && parameter > 0) {
            input_ = InputState::Binary;
            binaryRemaining_ = parameter;
        }
        return;
    }
    if (state_.destination == Destination::Skip) {
        return;
    }
    if (!keyword) {
        if (skipIfUnknown) {
            state_.destination = Destination::Skip;
        }
        return;
    }
    switch (keyword->action) {
        case Action::Character:
            HandleCharacter(static_cast<unsigned char>(keyword->value));
            break;
        case Action::HexEscape:
            input_ = InputState::Hex;
            hexDigits_ = 0;
            hexValue_ = 0;
            break;
        case Action::Binary:
            break;
        case Action::SkipIfUnknown:
            skipIfUnknown_ = true;
            break;
        case Action::Destination:
            state_.destination = Destination::Skip;
            break;
        case Action::Toggle:
            SetProperty(keyword->property, !hasParameter || parameter != 0 ? 1 : 0);
            break;
        case Action::Value:
            SetProperty(keyword->property, parameter);
            break;
        case Action::Fixed:
            SetProperty(keyword->property, keyword->value);
            break;
    }
}

void RichTextReader::HandleCharacter(unsigned char character) {
    if (input_ == InputState::Binary && --binaryRemaining_ < 1) {
        input_ = InputState::Normal;
    }
    if (state_.destination == Destination::Skip) {
        return;
    }
    BuildLine(character);
}

void RichTextReader::BuildLine(unsigned char character) {
    if (character == '\n') {
        line_.push_back(' ');
        line_ += word_;
        word_.clear();
        lines_.push_back(std::move(line_));
        line_.clear();
        return;
    }
    if (character != ' ') {
        word_.push_back(static_cast<char>(character));
        return;
    }
    if (line_.size() + word_.size() >= static_cast<std::size_t>(std::max(width_, 0))) {
        lines_.push_back(std::move(line_));
        line_.clear();
    } else {
        line_.push_back(' ');
    }
    line_ += word_;
    word_.clear();
}
