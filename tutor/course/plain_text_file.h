#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Plain text files read line by line: "keyboards.txt", "lessons.txt" and the user's own texts.
class PlainTextFile final {
  public:
    /// Appends the lines of contents: a line ends at a line feed, a carriage return right
    /// before it is dropped, and a last line without a line feed is taken too.
    static void SplitLines(std::string_view contents, std::vector<std::string>& lines);

    /// Appends the lines of the file, as bytes of the program's code page: a file in UTF-8
    /// that is not pure ASCII is converted first. False when the file cannot be read.
    static bool ReadLines(const std::string& path, std::vector<std::string>& lines);
};
