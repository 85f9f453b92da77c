// The lines of results and test files (".2mvk", ".mvkt"), as the line container hands them to
// the record reader: reading them and assessing whatever texts come out must neither crash
// nor read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/fuzz/fuzz_lines.h"
#include "tester/test_data.h"
#include "tester/test_records.h"

namespace {

// Long texts assess correctly but slowly; the fuzzer looks for faults, not for time-outs.
constexpr std::size_t kMaxAssessedLength = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    TestData data;
    TestRecords::Apply(FuzzLines(bytes, size), data);

    // What was read writes back and reads again to the same texts (up to the marker rule).
    TestData again;
    TestRecords::Apply(TestRecords::Lines(data), again);
    if (again.keystrokeLog.size() != data.keystrokeLog.size()) {
        __builtin_trap();
    }

    if (data.typedText.size() <= kMaxAssessedLength &&
        data.originalText.size() <= kMaxAssessedLength) {
        data.Assess(TestData::ExtendOriginal(data.originalText, data.typedText), data.typedText);
        data.Assess(data.originalText, data.typedText);
        data.ComputeBasicResults(data.speedUnit);
    }
    return 0;
}
