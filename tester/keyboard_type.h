#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// A character-worth table: which characters of a keyboard are worth 1, 2, 3 or 4 points in
/// the strokes unit. Tables live in "charconfig" beside the program as "<name>.nchrs" files;
/// the ones a user made are editable and deletable (KeyboardTypeFile reads and writes them).
class KeyboardType {
  public:
    /// The table built into the program ("default"), in Windows-1250 bytes.
    static KeyboardType BuiltInDefault();

    /// "%s.nchrs" of the name.
    static std::string FileNameFor(std::string_view name);

    /// The record lines of the file.
    std::vector<std::string> ToLines() const;
    /// Takes the records 1 to 8 from lines in any order; others and lines without a colon are
    /// ignored, missing records keep their values.
    void ApplyLines(const std::vector<std::string>& lines);

    bool editable = false;
    std::string name;
    std::string chars1;
    std::string chars2;
    std::string chars3;
    std::string chars4;
    /// Carried along unchanged.
    std::string fifth;
    std::vector<std::pair<std::string, std::string>> pairs;
    /// The file the table was read from or written to.
    std::string path;
};
