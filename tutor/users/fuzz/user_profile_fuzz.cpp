// Feeds arbitrary bytes through the container and the ".dat"/".dit" line readers of the user
// profile: nothing may crash, and what was read must write out and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/testing/fake_clock.h"
#include "tutor/users/user_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    try {
        CompressedLineFile::Decode(std::string_view(reinterpret_cast<const char*>(data), size),
                                   "fuzz.dat", lines);
    } catch (const FileError&) {
        // The lines before the damage are still read, as the profile does.
    }
    static FakeClock clock;
    static FixedDisketteFolder noMedium("");
    UserProfile profile(clock, "/nonexistent-kelvane-users", noMedium);
    // load() sets the name; with no known users it reads no file.
    profile.load(lines.empty() ? std::string_view() : std::string_view(lines[0]), false);
    profile.readDitLines(lines);
    if (!profile.readDatLines(lines)) {
        return 0;
    }
    profile.rating(0, 2.0);
    profile.setResult(static_cast<std::int32_t>(profile.resultCount()), 1, 1.0, 100, 10);

    std::vector<std::string> written = profile.toDatLines();
    UserProfile again(clock, "/nonexistent-kelvane-users", noMedium);
    again.load(written[0], false);
    if (!again.readDatLines(written) || again.toDatLines() != written) {
        std::abort();
    }
    return 0;
}
