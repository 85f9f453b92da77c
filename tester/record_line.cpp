#include "tester/record_line.h"

#include "common/text_number.h"

std::string RecordLine(int record, std::string_view value) {
    std::string line = FormatInt(record) + ":";
    line.reserve(line.size() + value.size());
    for (char c : value) {
        if (c != '\r' && c != '\n') {
            line += c;
        }
    }
    return line;
}

std::optional<RecordField> SplitRecordLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    return RecordField{ParseLeadingInt32(line.substr(0, colon)), line.substr(colon + 1)};
}
