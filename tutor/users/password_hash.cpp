#include "tutor/users/password_hash.h"

#include <sodium.h>

#include <atomic>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

struct Limits {
    std::atomic<unsigned long long> operations{crypto_pwhash_OPSLIMIT_INTERACTIVE};
    std::atomic<std::size_t> memory{crypto_pwhash_MEMLIMIT_INTERACTIVE};
};

Limits& GetLimits() {
    static Limits limits;
    return limits;
}

void InitSodium() {
    static const bool ready = [] { return sodium_init() >= 0; }();
    if (!ready) {
        throw std::runtime_error("libsodium cannot be initialised");
    }
}

// What crypto_pwhash_str writes besides the algorithm's name: the Argon2 version (0x13), a
// salt of crypto_pwhash_SALTBYTES and a digest of 32 bytes.
constexpr std::uint32_t kArgon2Version = 19;
constexpr std::size_t kDigestBytes = 32;

constexpr std::size_t Base64Length(std::size_t bytes) {
    return (bytes * 8 + 5) / 6;
}

// The longest text the reader below accepts (every number of ten digits) must fit libsodium's
// buffer, NUL included.
static_assert(sizeof(crypto_pwhash_STRPREFIX) - 1 + sizeof("v=19$m=,t=,p=$$") - 1 + 3 * 10 +
                      Base64Length(crypto_pwhash_SALTBYTES) + Base64Length(kDigestBytes) <
                  crypto_pwhash_STRBYTES,
              "a hash text the reader accepts fits libsodium's buffer");

// The work a hash text names.
struct HashWork {
    std::uint32_t memoryKiB = 0;
    std::uint32_t passes = 0;
    std::uint32_t lanes = 0;
};

bool Take(std::string_view& text, std::string_view expected) {
    if (!text.starts_with(expected)) {
        return false;
    }
    text.remove_prefix(expected.size());
    return true;
}

// A number as libsodium writes it: decimal digits without sign or leading zero, above zero
// and within 32 bits.
bool TakeNumber(std::string_view& text, std::uint32_t& value) {
    std::uint64_t number = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        number = number * 10 + static_cast<std::uint64_t>(text[digits] - '0');
        if (number > std::numeric_limits<std::uint32_t>::max()) {
            return false;
        }
        ++digits;
    }
    if (digits == 0 || text[0] == '0') {
        return false;
    }
    value = static_cast<std::uint32_t>(number);
    text.remove_prefix(digits);
    return true;
}

int Base64Digit(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    if (c == '+') {
        return 62;
    }
    return c == '/' ? 63 : -1;
}

// bytes in standard base64 without padding, as an encoder writes them: exactly the digits
// needed, and the bits of the last digit beyond the last byte are zero.
bool TakeBase64(std::string_view& text, std::size_t bytes) {
    const std::size_t length = Base64Length(bytes);
    if (text.size() < length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (Base64Digit(text[i]) < 0) {
            return false;
        }
    }
    const std::size_t spareBits = length * 6 - bytes * 8;
    if ((Base64Digit(text[length - 1]) & ((1 << spareBits) - 1)) != 0) {
        return false;
    }
    text.remove_prefix(length);
    return true;
}

// The work named by a text of the form crypto_pwhash_str writes,
// "$argon2id$v=19$m=<KiB>,t=<passes>,p=<lanes>$<salt>$<digest>" (or "$argon2i$..."), and
// nothing else: the whole text must be that.
std::optional<HashWork> ReadHashText(std::string_view text) {
    HashWork work;
    std::uint32_t version = 0;
    const bool read =
        (Take(text, crypto_pwhash_STRPREFIX) || Take(text, crypto_pwhash_argon2i_STRPREFIX)) &&
        Take(text, "v=") && TakeNumber(text, version) && version == kArgon2Version &&
        Take(text, "$m=") && TakeNumber(text, work.memoryKiB) && Take(text, ",t=") &&
        TakeNumber(text, work.passes) && Take(text, ",p=") && TakeNumber(text, work.lanes) &&
        Take(text, "$") && TakeBase64(text, crypto_pwhash_SALTBYTES) && Take(text, "$") &&
        TakeBase64(text, kDigestBytes) && text.empty();
    if (!read) {
        return std::nullopt;
    }
    return work;
}

// The hash text names the work its check costs. A user file is not trusted to name any
// amount: a check may cost at most what libsodium's "sensitive" limits cost, so a damaged or
// crafted file cannot make a login run for hours or take all memory.
bool WorkIsBounded(const HashWork& work) {
    return work.memoryKiB <= crypto_pwhash_MEMLIMIT_SENSITIVE / 1024 &&
           work.passes <= 4 * crypto_pwhash_OPSLIMIT_SENSITIVE && work.lanes == 1;
}

}  // namespace

std::optional<std::string> PasswordHash::Hash(std::string_view password) {
    InitSodium();
    char text[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(text, password.empty() ? "" : password.data(), password.size(),
                          operationsLimit(), memoryLimit()) != 0) {
        return std::nullopt;
    }
    return std::string(text);
}

bool PasswordHash::Verify(std::string_view stored, std::string_view typed) {
    const std::optional<HashWork> work = ReadHashText(stored);
    if (!work) {
        return stored == typed;
    }
    if (!WorkIsBounded(*work)) {
        return false;
    }
    InitSodium();
    const std::string hash(stored);
    return crypto_pwhash_str_verify(hash.c_str(), typed.empty() ? "" : typed.data(),
                                    typed.size()) == 0;
}

bool PasswordHash::IsHash(std::string_view stored) {
    return ReadHashText(stored).has_value();
}

void PasswordHash::SetLimits(unsigned long long operations, std::size_t memoryBytes) {
    GetLimits().operations = operations;
    GetLimits().memory = memoryBytes;
}

void PasswordHash::UseInteractiveLimits() {
    SetLimits(crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE);
}

unsigned long long PasswordHash::operationsLimit() {
    return GetLimits().operations;
}

std::size_t PasswordHash::memoryLimit() {
    return GetLimits().memory;
}
