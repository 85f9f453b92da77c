#include "tutor/users/tests/users_test_support.h"

#include <sodium.h>

#include <filesystem>
#include <stdexcept>

#include "common/compressed_line_file.h"

#include "tutor/users/password_hash.h"

namespace {

// Hashing with the program's limits costs tens of milliseconds and 64 MiB each time; the
// tests that do not measure the hashing itself run with the smallest limits.
const bool kFastHashing = [] {
    PasswordHash::SetLimits(crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN);
    return true;
}();

}  // namespace

std::vector<std::string> DatLines(const std::string& name, const std::string& password,
                                  const std::vector<std::string>& resultLines) {
    std::vector<std::string> lines = {name, password, "00000405", "_b",
                                      "!0:2:0:0:0:0:1:0:70:standard:"};
    lines.insert(lines.end(), resultLines.begin(), resultLines.end());
    return lines;
}

void WriteLineFile(const std::string& path, const std::vector<std::string>& lines) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    CompressedLineFile file;
    for (const std::string& line : lines) {
        file.AddLine(line);
    }
    if (!file.Write(path)) {
        throw std::runtime_error("cannot write " + path);
    }
}
