#pragma once

#include <optional>
#include <string>
#include <string_view>

// The tester's files are lists of lines "<record number>:<value>"; only the first colon
// separates, so values may contain colons.

/// "<record>:<value>". A line break cannot live inside one line, so CR and LF are left out of
/// the value (they would otherwise start a forged record of their own).
std::string RecordLine(int record, std::string_view value);

struct RecordField {
    int record = 0;
    std::string_view value;
};

/// The record number (decimal, leading-digits rule) and the value after the first colon;
/// nothing for a line without a colon.
std::optional<RecordField> SplitRecordLine(std::string_view line);
