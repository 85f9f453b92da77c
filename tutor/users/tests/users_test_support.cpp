#include "tutor/users/tests/users_test_support.h"

#include <sodium.h>

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
