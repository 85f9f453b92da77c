// Any two texts through the assessment of the tester, and any alignment handed to the
// classification: nothing may be read or written outside the arrays, and the results keep their
// shape.
//
// Input: one byte choosing the part, two bytes with the original's length, then the texts.
// For the classification alone the remaining bytes give, per typed and then per original
// position, a mark and a map value (which may point one or two places past the other text),
// and the last byte shortens one of the arrays of that alignment.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tester/assessment.h"
#include "tester/test_data.h"

namespace {

// Long texts assess correctly but slowly; the fuzzer looks for faults, not for time-outs.
constexpr std::size_t kMaxLength = 2000;

// Small values anywhere in the other text; the top values just before, at and behind its end.
std::uint16_t MapValue(std::uint8_t value, std::size_t otherLength) {
    if (value >= 252) {
        return static_cast<std::uint16_t>(otherLength + value - 253 + (otherLength == 0 ? 1 : 0));
    }
    return static_cast<std::uint16_t>(value % (otherLength + 3));
}

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// An omission is listed before its position is looked at, so the last one may lie past the
// typed text: by one after an alignment, by any map value for hand-made marks.
void CheckShape(const Classification& a, std::size_t typedLength, std::size_t omissionLimit) {
    Check(a.charClasses.size() == typedLength);
    Check(a.omittedTexts.size() == a.omittedPositions.size());
    for (std::size_t i = 0; i < a.omittedPositions.size(); ++i) {
        const bool last = i + 1 == a.omittedPositions.size();
        Check(a.omittedPositions[i] < typedLength ||
              (last && a.omittedPositions[i] <= omissionLimit));
    }
    for (std::uint16_t position : a.errorPositions) {
        Check(position < typedLength);
    }
}

class Reader {
  public:
    Reader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    std::uint8_t Byte() { return at_ < size_ ? bytes_[at_++] : 0; }

    std::string Text(std::size_t length) {
        const std::size_t available = std::min(length, size_ - at_);
        std::string text(reinterpret_cast<const char*>(bytes_ + at_), available);
        at_ += available;
        return text;
    }

    std::string Rest() { return Text(size_ - at_); }

  private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    Reader reader(bytes, size);
    const std::uint8_t part = reader.Byte();
    const std::size_t originalLength = reader.Byte() | (reader.Byte() << 8);
    if (originalLength > kMaxLength || size > 4 * kMaxLength) {
        return 0;
    }
    const std::string original = reader.Text(originalLength);

    if (part % 2 == 0) {
        const std::string typed = reader.Rest();
        if (typed.size() > kMaxLength) {
            return 0;
        }
        TestData data;
        Check(data.Assess(original, typed));
        CheckShape(data.classification, typed.size(), typed.size());
        data.Assess(TestData::ExtendOriginal(original, typed), typed);
        CheckShape(data.classification, typed.size(), typed.size());
        return 0;
    }

    const std::string typed = reader.Text(reader.Byte());
    Alignment a;
    a.typedMarks.resize(typed.size());
    a.typedMap.resize(typed.size());
    a.originalMarks.resize(original.size());
    a.originalMap.resize(original.size());
    for (std::size_t t = 0; t < typed.size(); ++t) {
        a.typedMarks[t] = static_cast<MatchMark>(reader.Byte() % 3);
        a.typedMap[t] = MapValue(reader.Byte(), original.size());
    }
    for (std::size_t o = 0; o < original.size(); ++o) {
        a.originalMarks[o] = static_cast<MatchMark>(reader.Byte() % 3);
        a.originalMap[o] = MapValue(reader.Byte(), typed.size());
    }
    switch (reader.Byte() % 5) {
        case 1:
            a.typedMarks.resize(a.typedMarks.size() / 2);
            break;
        case 2:
            a.typedMap.resize(a.typedMap.size() / 2);
            break;
        case 3:
            a.originalMarks.resize(a.originalMarks.size() / 2);
            break;
        case 4:
            a.originalMap.resize(a.originalMap.size() / 2);
            break;
        default:
            break;
    }
    CheckShape(Assessment::Classify(original, typed, a), typed.size(), typed.size() + 2);
    return 0;
}
