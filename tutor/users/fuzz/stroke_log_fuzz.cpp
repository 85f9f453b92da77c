// The lines of a results file (".stat"), as the line container hands them to the reader:
// nothing may crash, and a log that was read must write out and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/fuzz/fuzz_lines.h"
#include "common/testing/fake_clock.h"
#include "tutor/users/stroke_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = FuzzLines(data, size);
    static FakeClock clock;
    StrokeLog log(clock);
    if (!log.fromLines(lines)) {
        return 0;
    }
    if (log.recordCount() > 0) {
        log.RemoveLast();
    }
    std::vector<std::string> written = log.toLines();
    StrokeLog again(clock);
    if (!again.fromLines(written) || again.records() != log.records() ||
        again.toLines() != written) {
        std::abort();
    }
    return 0;
}
