#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Plain and rich text files as the tester takes them in: bytes of the program's code page
/// (UTF-8 files are converted), lines joined with CR LF.
class TextFileReader {
  public:
    /// Width of the lines taken from a rich-text file.
    static constexpr int kRichTextWidth = 70;

    /// The lines of a text file, split at LF with a CR before the LF dropped; a last line
    /// without LF counts. Nothing when the file cannot be read.
    static std::optional<std::vector<std::string>> ReadLines(const std::string& path);

    /// The lines of a text file joined with CR LF between them (the comparison texts, which
    /// are taken as they are). Nothing when the file cannot be read.
    static std::optional<std::string> ReadText(const std::string& path);

    /// The original text of a test: from a rich-text file when the lower-cased path contains
    /// ".rtf" (lines of kRichTextWidth, each followed by CR LF), else from a plain text file;
    /// then with tabs made spaces, runs of spaces made one, and spaces at line breaks removed.
    /// Nothing when the file cannot be read.
    static std::optional<std::string> LoadOriginalText(const std::string& path);

    /// The spacing rules of test texts, in their order: TAB to space; double spaces to one
    /// until none is left; " \r\n" to "\r\n"; "\r\n " to "\r\n".
    static std::string NormalizeSpacing(std::string text);
};
