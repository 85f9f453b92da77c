// Feeds arbitrary bytes through the container and the results-file reader of the stroke log:
// nothing may crash, and a log that was read must write out and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/testing/fake_clock.h"
#include "tutor/users/stroke_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    try {
        CompressedLineFile::Decode(std::string_view(reinterpret_cast<const char*>(data), size),
                                   "fuzz.stat", lines);
    } catch (const FileError&) {
        return 0;  // loadStat refuses a damaged file as a whole
    }
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
