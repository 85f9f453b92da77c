#include "tester/test_records.h"

#include <optional>
#include <string_view>

#include "common/text_number.h"
#include "tester/record_line.h"

namespace {

enum Record {
    kAllowBackspace = 1,
    kAllowArrows = 2,
    kAllowEnter = 3,
    kAllowPause = 4,
    kTimeLimit = 5,
    kScrollingType = 6,
    kOriginalText = 7,
    kTypedText = 8,
    kDuration = 9,
    kChars1 = 10,
    kChars2 = 11,
    kChars3 = 12,
    kChars4 = 13,
    kEndTime = 15,
    kNickname = 16,
    kFirstName = 17,
    kLastName = 18,
    kEmail = 19,
    kCity = 20,
    kCountry = 21,
    kDateOfBirth = 22,
    kTestId = 23,
    kKeystrokeLog = 24,
    kPointsPerError = 25,
    kTestName = 26,
    kDescription = 27,
    kKeyboardTypeName = 28,
    kLanguageId = 29,
    kLevel = 30,
    kFromTestDefinition = 31,
    kMiddleName = 32,
};

void AddBlock(std::vector<std::string>& lines, int record, std::string_view text) {
    lines.push_back(RecordLine(record, TestRecords::kBlockMarker));
    if (!text.empty()) {
        // One line per CR LF. A bare LF would be taken for a line end when the file is read,
        // taking the character before it along, so it is written as a line end too.
        std::size_t start = 0;
        while (true) {
            const std::size_t lf = text.find('\n', start);
            if (lf == std::string_view::npos) {
                lines.emplace_back(text.substr(start));
                break;
            }
            std::size_t end = lf;
            if (end > start && text[end - 1] == '\r') {
                --end;
            }
            lines.emplace_back(text.substr(start, end - start));
            start = lf + 1;
        }
    }
    lines.emplace_back(TestRecords::kBlockMarker);
}

std::string KeystrokeLine(const KeystrokeRecord& key) {
    return FormatInt(key.delayMs) + ":" + FormatInt(key.message) + ":" + FormatInt(key.wParam) +
           ":" + FormatInt(key.lParam) + ":";
}

KeystrokeRecord ParseKeystroke(std::string_view line) {
    // Delay, message, wParam and lParam, each followed by a colon; a missing last colon
    // still gives the field.
    std::int32_t fields[4] = {0, 0, 0, 0};
    std::size_t start = 0;
    for (std::int32_t& field : fields) {
        if (start > line.size()) {
            break;
        }
        const std::size_t colon = line.find(':', start);
        const std::size_t end = colon == std::string_view::npos ? line.size() : colon;
        field = ParseLeadingInt32(line.substr(start, end - start));
        start = end + 1;
    }
    KeystrokeRecord key;
    key.delayMs = fields[0];
    key.message = fields[1];
    key.wParam = fields[2];
    key.lParam = fields[3];
    return key;
}

// The lines of a block up to its marker (or the end of the lines), each followed by CR LF,
// without the last CR LF.
std::string ReadBlock(const std::vector<std::string>& lines, std::size_t& next) {
    std::string text;
    while (next < lines.size()) {
        const std::string& line = lines[next++];
        if (line == TestRecords::kBlockMarker) {
            break;
        }
        text += line;
        text += "\r\n";
    }
    if (text.size() >= 2) {
        text.resize(text.size() - 2);
    }
    return text;
}

}  // namespace

std::vector<std::string> TestRecords::Lines(const TestData& data) {
    std::vector<std::string> lines;
    auto add = [&lines](int record, std::string_view value) {
        lines.push_back(RecordLine(record, value));
    };
    add(kAllowBackspace, FormatInt(data.allowBackspace));
    add(kAllowArrows, FormatInt(data.allowArrows));
    add(kAllowEnter, FormatInt(data.allowEnter));
    add(kAllowPause, FormatInt(data.allowPause));
    add(kTimeLimit, FormatInt(data.timeLimitMinutes));
    add(kScrollingType, FormatInt(data.scrollingType));
    AddBlock(lines, kOriginalText, data.originalText);
    AddBlock(lines, kTypedText, data.typedText);
    add(kKeystrokeLog, kBlockMarker);
    for (const KeystrokeRecord& key : data.keystrokeLog) {
        lines.push_back(KeystrokeLine(key));
    }
    lines.emplace_back(kBlockMarker);
    add(kDuration, FormatInt(data.durationSeconds));
    add(kLanguageId, FormatInt(data.languageId));
    add(kLevel, FormatInt(data.level));
    add(kFromTestDefinition, FormatInt(data.fromTestDefinition));
    add(kKeyboardTypeName, data.keyboardTypeName);
    add(kChars1, data.chars1);
    add(kChars2, data.chars2);
    add(kChars3, data.chars3);
    add(kChars4, data.chars4);
    add(kEndTime, FormatInt(data.endTime));
    add(kNickname, data.nickname);
    add(kFirstName, data.firstName);
    add(kLastName, data.lastName);
    add(kMiddleName, data.middleName);
    add(kEmail, data.email);
    add(kCity, data.city);
    add(kCountry, data.country);
    add(kDateOfBirth, data.dateOfBirth);
    add(kTestId, data.testId);
    add(kPointsPerError, FormatInt(data.pointsPerError));
    add(kTestName, data.testName);
    AddBlock(lines, kDescription, data.description);
    return lines;
}

void TestRecords::Apply(const std::vector<std::string>& lines, TestData& data) {
    std::size_t next = 0;
    while (next < lines.size()) {
        const std::optional<RecordField> field = SplitRecordLine(lines[next++]);
        if (!field) {
            continue;
        }
        const std::string_view value = field->value;
        const bool opensBlock = value == kBlockMarker;
        switch (field->record) {
            case kAllowBackspace:
                data.allowBackspace = ParseLeadingInt32(value);
                break;
            case kAllowArrows:
                data.allowArrows = ParseLeadingInt32(value);
                break;
            case kAllowEnter:
                data.allowEnter = ParseLeadingInt32(value);
                break;
            case kAllowPause:
                data.allowPause = ParseLeadingInt32(value);
                break;
            case kTimeLimit:
                data.timeLimitMinutes = ParseLeadingInt32(value);
                break;
            case kScrollingType:
                data.scrollingType = ParseLeadingInt32(value);
                break;
            case kPointsPerError:
                data.pointsPerError = ParseLeadingInt32(value);
                break;
            case kLanguageId:
                data.languageId = ParseLeadingInt32(value);
                break;
            case kLevel:
                data.level = ParseLeadingInt32(value);
                break;
            case kFromTestDefinition:
                data.fromTestDefinition = ParseLeadingInt32(value);
                break;
            case kDuration:
                data.durationSeconds = ParseLeadingInt64(value);
                break;
            case kEndTime:
                data.endTime = ParseLeadingInt64(value);
                break;
            case kChars1:
                data.chars1 = value;
                break;
            case kChars2:
                data.chars2 = value;
                break;
            case kChars3:
                data.chars3 = value;
                break;
            case kChars4:
                data.chars4 = value;
                break;
            case kNickname:
                data.nickname = value;
                break;
            case kFirstName:
                data.firstName = value;
                break;
            case kLastName:
                data.lastName = value;
                break;
            case kEmail:
                data.email = value;
                break;
            case kCity:
                data.city = value;
                break;
            case kCountry:
                data.country = value;
                break;
            case kDateOfBirth:
                data.dateOfBirth = value;
                break;
            case kTestId:
                data.testId = value;
                break;
            case kTestName:
                data.testName = value;
                break;
            case kKeyboardTypeName:
                data.keyboardTypeName = value;
                break;
            case kMiddleName:
                data.middleName = value;
                break;
            case kOriginalText:
                if (opensBlock) {
                    data.originalText = ReadBlock(lines, next);
                }
                break;
            case kTypedText:
                if (opensBlock) {
                    data.typedText = ReadBlock(lines, next);
                }
                break;
            case kDescription:
                if (opensBlock) {
                    data.description = ReadBlock(lines, next);
                }
                break;
            case kKeystrokeLog:
                if (opensBlock) {
                    while (next < lines.size() && lines[next] != kBlockMarker) {
                        data.keystrokeLog.push_back(ParseKeystroke(lines[next++]));
                    }
                    if (next < lines.size()) {
                        ++next;  // the marker
                    }
                }
                break;
            default:
                break;
        }
    }
}
