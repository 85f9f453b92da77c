#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

/// Reads a rich-text (RTF) document byte by byte and appends its body text to a list of plain
/// lines of a given width. Groups save and restore the destination and the formatting
/// properties; destinations without body text (tables, document information, headers,
/// footers, footnotes, pictures, index entries) are passed over.
///
/// A hex escape ("\'" and two hex digits) and a run of binary data are read as one piece of
/// input: binary data takes braces as data, and a brace or a backslash where a hex digit
/// belongs is a malformed escape (InvalidHex), as in "\'e{". So no group ever begins or ends
/// inside either, and the input state is the reader's own, not a group's.
///
/// Lines are built word by word: a paragraph's first line begins with one space, a wrapped
/// line begins with its first word, and the words after the document's last line break are
/// not appended. A reader is used for one document.
class RichTextReader final {
  public:
    enum class Error {
        None,
        StackUnderflow,    ///< "}" without an open group
        UnmatchedBrace,    ///< groups still open at the end
        InvalidHex,        ///< a hex escape with a byte that is no hex digit (brace included)
        EndOfFile,         ///< the document ends right after "\" or after a "-"
        KeywordTooLong,    ///< a control word of more than kMaxKeywordLength letters
        ParameterTooLong,  ///< a parameter of more than kMaxParameterDigits digits
        NestingTooDeep,    ///< more than kMaxGroupDepth groups open at once
    };

    /// Formatting properties are kept per group but do not change the text.
    enum class Property {
        Bold,
        Underline,
        Italic,
        LeftIndent,
        RightIndent,
        FirstLineIndent,
        Columns,
        SectionBreak,
        PageNumberX,
        PageNumberY,
        PageNumberStyle,
        Alignment,
        PaperWidth,
        PaperHeight,
        MarginLeft,
        MarginRight,
        MarginTop,
        MarginBottom,
        PageNumberStart,
        FacingPages,
        Landscape,
        Count,
    };
    enum class SectionBreak : std::int64_t { None, Column, Even, Odd, Page };
    enum class PageNumberStyle : std::int64_t {
        Decimal,
        UpperRoman,
        LowerRoman,
        UpperLetter,
        LowerLetter
    };
    enum class Alignment : std::int64_t { Left, Centre, Right, Justified };

    static constexpr std::size_t kMaxKeywordLength = 30;
    static constexpr std::size_t kMaxParameterDigits = 19;
    /// Real documents nest a few dozen groups; the limit keeps a hostile file of endless "{"
    /// from eating memory.
    static constexpr std::size_t kMaxGroupDepth = 10000;

    /// Gives the next piece of the document, or an empty view at its end.
    using Supplier = std::function<std::string_view()>;

    /// Lines go to the end of lines as soon as they are complete, so they stay there when the
    /// document turns out to be malformed later on.
    RichTextReader(std::vector<std::string>& lines, int width);

    Error Parse(const Supplier& supply);
    Error Parse(std::string_view document);

    std::int64_t property(Property which) const {
        return state_.properties[static_cast<std::size_t>(which)];
    }
    std::size_t groupDepth() const { return stack_.size(); }

  private:
    enum class Destination : std::uint8_t { Normal, Skip };
    enum class InputState : std::uint8_t { Normal, Binary, Hex };
    struct State {
        Destination destination = Destination::Normal;
        std::array<std::int64_t, static_cast<std::size_t>(Property::Count)> properties{};
    };

    int Get();
    void Unget(int byte) { pushedBack_ = byte; }
    Error ReadControl();
    void ApplyKeyword(std::string_view keyword, bool hasParameter, std::int64_t parameter);
    void SetProperty(Property which, std::int64_t value) {
        state_.properties[static_cast<std::size_t>(which)] = value;
    }
    void HandleCharacter(unsigned char character);
    void BuildLine(unsigned char character);

    std::vector<std::string>& lines_;
    int width_;
    State state_;
    std::vector<State> stack_;
    bool skipIfUnknown_ = false;
    InputState input_ = InputState::Normal;
    std::int64_t binaryRemaining_ = 0;
    /// Digits of the hex escape read so far (0 or 1 while in the hex state) and their value:
    /// two digits fill the byte exactly.
    int hexDigits_ = 0;
    std::uint8_t hexValue_ = 0;
    std::string word_;
    std::string line_;
    std::string keyword_;
    std::string digits_;

    const Supplier* supply_ = nullptr;
    std::string_view chunk_;
    std::size_t position_ = 0;
    int pushedBack_ = -1;
    bool ended_ = false;
};
