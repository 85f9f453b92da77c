// Any bytes given to the container reader either decode or raise a file error, never crash or
// touch memory outside their buffers; whatever decodes is written again and must read back
// the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    try {
        CompressedLineFile::Decode(contents, "fuzz.dat", lines);
    } catch (const FileError& error) {
        if (error.kind() != FileError::Kind::General || error.path() != "fuzz.dat") {
            std::abort();
        }
    }

    // The lines read before any damage, and all of them otherwise, survive a round trip.
    for (const std::string& line : lines) {
        if (line.find('\n') != std::string::npos) {
            std::abort();
        }
    }
    const std::string encoded = CompressedLineFile::Encode(lines);
    std::vector<std::string> again;
    CompressedLineFile::Decode(encoded, "again.dat", again);
    if (again != lines) {
        std::abort();
    }
    return 0;
}
