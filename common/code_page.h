#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

/// A Windows single-byte code page (874, 1250 to 1258). The programs keep every text as bytes
/// of one such page (Windows-1250 unless the setting "CodePage" names another) and convert
/// only at the edges: display, file names and UTF-8 text files. The byte table is built with
/// iconv once; conversions are table look-ups.
class CodePage {
  public:
    /// Throws std::invalid_argument when iconv does not know the page.
    explicit CodePage(int number);

    /// "1250", "cp1250", "CP1250", "windows-1250": the number, or nothing for anything else.
    static std::optional<int> ParseName(std::string_view name);

    int number() const { return number_; }

    /// Bytes undefined in the page map to private-use code points (U+F000 + byte), so that any
    /// byte string survives a round trip.
    char32_t CodePoint(unsigned char byte) const { return toUnicode_[byte]; }
    std::string ToUtf8(std::string_view bytes) const;
    /// Characters that the page lacks, and malformed UTF-8, are dropped.
    std::string FromUtf8(std::string_view utf8) const;
    /// The byte of a code point, or nothing.
    std::optional<unsigned char> ByteOf(char32_t codePoint) const;

    static bool IsValidUtf8(std::string_view text);
    static bool IsAscii(std::string_view text);
    /// The contents of a plain text file as code-page bytes: UTF-8 that is not pure ASCII is
    /// converted (people's text files are UTF-8 here); anything else is taken as it is.
    std::string DecodeTextFile(std::string_view contents) const;

    /// The program's code page (Windows-1250 until SetProgram is called).
    static const CodePage& Program();
    /// Makes the given page the program's; an unknown name keeps the current one and
    /// returns false.
    static bool SetProgram(std::string_view name);

  private:
    int number_;
    std::array<char32_t, 256> toUnicode_{};
    std::unordered_map<char32_t, unsigned char> fromUnicode_;
};
