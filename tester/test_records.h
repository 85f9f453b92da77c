#pragma once

#include <string>
#include <vector>

#include "tester/test_data.h"

/// The record lines in which a TestData is stored: test definitions (".mvkt") and results
/// (".2mvk") alike. A line is "<record>:<value>"; texts that may span lines are blocks: the
/// opening line "<record>:>>>><<>>>", the text's lines, and the marker alone.
class TestRecords {
  public:
    static constexpr const char* kBlockMarker = ">>>><<>>>";

    /// All records of data in their fixed order.
    static std::vector<std::string> Lines(const TestData& data);

    /// Takes the records of lines into data. Unknown records and lines without a colon are
    /// ignored; fields without a record keep their values; the keystroke log is appended to.
    static void Apply(const std::vector<std::string>& lines, TestData& data);
};
