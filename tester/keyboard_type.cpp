#include "tester/keyboard_type.h"

#include "common/text_number.h"
#include "tester/record_line.h"

namespace {

enum Record {
    kEditable = 1,
    kName = 2,
    kPair = 3,
    kChars1 = 4,
    kChars2 = 5,
    kChars3 = 6,
    kChars4 = 7,
    kFifth = 8,
};

}  // namespace

KeyboardType KeyboardType::BuiltInDefault() {
    KeyboardType type;
    type.name = "default";
    // Czech letters and punctuation in Windows-1250: a, a acute, b, c, c caron, d, e, e caron,
    // e acute, ..., r caron, s caron, u ring, u acute, y acute, z caron, section sign.
    type.chars1 =
        "a\xE1"
        "bc\xE8"
        "de\xEC\xE9"
        "fghi\xED"
        "jklmnopqr\xF8s\x9Atu\xF9\xFAvwxy\xFDz\x9E,.-\xA7)=+;";
    type.chars2 =
        "1234567890\xF3"
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ?:_\"!/('%";
    // d caron, t caron, n caron, A, E, I, O, U acute.
    type.chars3 = "\xEF\x9D\xF2\xC1\xC9\xCD\xD3\xDA";
    // D, T, N, C, E, R, S caron, U ring, Z caron.
    type.chars4 = "\xCF\x8D\xD2\xC8\xCC\xD8\x8A\xD9\x8E";
    return type;
}

std::string KeyboardType::FileNameFor(std::string_view name) {
    return std::string(name) + ".nchrs";
}

std::vector<std::string> KeyboardType::ToLines() const {
    std::vector<std::string> lines;
    lines.push_back(RecordLine(kEditable, FormatInt(editable ? 1 : 0)));
    lines.push_back(RecordLine(kName, name));
    lines.push_back(RecordLine(kChars1, chars1));
    lines.push_back(RecordLine(kChars2, chars2));
    lines.push_back(RecordLine(kChars3, chars3));
    lines.push_back(RecordLine(kChars4, chars4));
    lines.push_back(RecordLine(kFifth, fifth));
    for (const auto& [first, second] : pairs) {
        lines.push_back(RecordLine(kPair, first + ":" + second));
    }
    return lines;
}

void KeyboardType::ApplyLines(const std::vector<std::string>& lines) {
    bool pairsSeen = false;
    for (const std::string& line : lines) {
        const std::optional<RecordField> field = SplitRecordLine(line);
        if (!field) {
            continue;
        }
        const std::string value(field->value);
        switch (field->record) {
            case kEditable:
                editable = ParseLeadingInt32(value) != 0;
                break;
            case kName:
                name = value;
                break;
            case kPair: {
                if (!pairsSeen) {
                    pairs.clear();
                    pairsSeen = true;
                }
                const std::size_t split = value.find(':');
                if (split == std::string::npos) {
                    pairs.emplace_back(value, std::string());
                } else {
                    pairs.emplace_back(value.substr(0, split), value.substr(split + 1));
                }
                break;
            }
            case kChars1:
                chars1 = value;
                break;
            case kChars2:
                chars2 = value;
                break;
            case kChars3:
                chars3 = value;
                break;
            case kChars4:
                chars4 = value;
                break;
            case kFifth:
                fifth = value;
                break;
            default:
                break;
        }
    }
}
