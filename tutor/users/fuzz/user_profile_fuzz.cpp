// The lines of a user's ".dat" and ".dit" files, as the line container hands them to the
// readers: nothing may crash, and what was read must write out and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/fuzz/fuzz_lines.h"
#include "common/testing/fake_clock.h"
#include "tutor/users/user_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = FuzzLines(data, size);
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
