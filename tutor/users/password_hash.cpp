#include "tutor/users/password_hash.h"

#include <sodium.h>

#include <atomic>
#include <cstdint>
#include <stdexcept>

#include "common/text_number.h"

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

constexpr std::string_view kHashPrefix = "$argon2";

// The hash text names the work its check costs. A user file is not trusted to name any
// amount: a check may cost at most what libsodium's "sensitive" limits cost, so a damaged or
// crafted file cannot make a login run for hours or take all memory.
bool WorkIsBounded(std::string_view hash) {
    auto parameter = [&](std::string_view key) -> std::int64_t {
        std::size_t at = hash.find(key);
        return at == std::string_view::npos ? -1 : ParseLeadingInt64(hash.substr(at + key.size()));
    };
    const std::int64_t memoryKiB = parameter("$m=");
    const std::int64_t passes = parameter(",t=");
    const std::int64_t lanes = parameter(",p=");
    return memoryKiB > 0 &&
           static_cast<std::uint64_t>(memoryKiB) <= crypto_pwhash_MEMLIMIT_SENSITIVE / 1024 &&
           passes > 0 &&
           static_cast<std::uint64_t>(passes) <= 4 * crypto_pwhash_OPSLIMIT_SENSITIVE && lanes == 1;
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
    if (!IsHash(stored)) {
        return stored == typed;
    }
    InitSodium();
    // The hash text must be NUL-terminated and fit libsodium's buffer.
    if (stored.size() >= crypto_pwhash_STRBYTES || !WorkIsBounded(stored)) {
        return false;
    }
    std::string hash(stored);
    return crypto_pwhash_str_verify(hash.c_str(), typed.empty() ? "" : typed.data(),
                                    typed.size()) == 0;
}

bool PasswordHash::IsHash(std::string_view stored) {
    return stored.substr(0, kHashPrefix.size()) == kHashPrefix;
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
