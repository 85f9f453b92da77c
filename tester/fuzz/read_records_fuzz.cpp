// Results and test files from anywhere: the container decoder, the record parser and the
// assessment of whatever texts come out must neither crash nor read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/file_error.h"
#include "tester/test_data.h"
#include "tester/test_record_file.h"
#include "tester/test_records.h"

namespace {

// Long texts assess correctly but slowly; the fuzzer looks for faults, not for time-outs.
constexpr std::size_t kMaxAssessedLength = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    TestData data;
    try {
        TestRecordFile::ReadRecordsFromMemory(
            std::string_view(reinterpret_cast<const char*>(bytes), size), "fuzz.2mvk", data);
    } catch (const FileError&) {
        // Damaged data: the records before the damage stand.
    }

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
