#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// Passwords are kept as salted, deliberately slow hashes (Argon2id through libsodium) in a
/// self-describing text that holds the algorithm, its limits and the salt. A stored text that
/// is not such a hash is a password as typed, written by earlier versions; as those could be
/// anything, even "$argon2id$x", only a text that is a hash text from end to end is taken
/// for one.
class PasswordHash {
  public:
    PasswordHash() = delete;

    /// The hash text of a password; nothing when the hashing fails (out of memory).
    static std::optional<std::string> Hash(std::string_view password);
    /// Whether typed is the password that stored stands for: the hash check for a hash, an
    /// exact comparison for a password as typed. Letter case counts either way.
    static bool Verify(std::string_view stored, std::string_view typed);
    /// Whether stored is a hash text rather than a password as typed: the whole text is of the
    /// form libsodium writes, "$argon2id$v=19$m=<KiB>,t=<passes>,p=<lanes>$<salt>$<digest>"
    /// (or "$argon2i$..."), with plain decimal numbers and salt and digest of their lengths in
    /// standard base64 without padding.
    static bool IsHash(std::string_view stored);

    /// The work a new hash costs. The program keeps libsodium's interactive limits; tests
    /// lower them to stay fast.
    static void SetLimits(unsigned long long operations, std::size_t memoryBytes);
    static void UseInteractiveLimits();
    static unsigned long long operationsLimit();
    static std::size_t memoryLimit();
};
