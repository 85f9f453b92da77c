#pragma once

#include <string>
#include <vector>

/// One keyboard type of "keyboards.txt", as the first-time wizard offers it.
struct KeyboardRecord {
    std::string id;
    std::string caption;
    int isDefault = 0;
    /// 1-based line of the record in its file.
    int line = 0;

    /// The records of the file's lines. A line starting with ";" is a comment; every other
    /// line, an empty one too, is a record. A text field without its colon is empty; the
    /// default flag without its colon keeps the previous record's value.
    static std::vector<KeyboardRecord> ParseList(const std::vector<std::string>& lines);
    /// Reads the plain text file; false when it cannot be read.
    static bool ReadFile(const std::string& path, std::vector<KeyboardRecord>& records);
};
