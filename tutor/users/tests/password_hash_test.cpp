#include "tutor/users/password_hash.h"

#include <gtest/gtest.h>

#include <sodium.h>

namespace {

TEST(PasswordHash, ProgramLimitsGiveAHashThatOnlyThePasswordOpens) {
    const auto operations = PasswordHash::operationsLimit();
    const auto memory = PasswordHash::memoryLimit();
    PasswordHash::UseInteractiveLimits();
    std::optional<std::string> hash = PasswordHash::Hash("Heslo123");
    PasswordHash::SetLimits(operations, memory);

    ASSERT_TRUE(hash);
    EXPECT_TRUE(PasswordHash::IsHash(*hash));
    EXPECT_EQ(hash->find("Heslo123"), std::string::npos);
    EXPECT_NE(hash->find("m=" + std::to_string(crypto_pwhash_MEMLIMIT_INTERACTIVE / 1024)),
              std::string::npos)
        << *hash;
    EXPECT_TRUE(PasswordHash::Verify(*hash, "Heslo123"));
    EXPECT_FALSE(PasswordHash::Verify(*hash, "heslo123"));
}

TEST(PasswordHash, SamePasswordGetsADifferentSaltEachTime) {
    std::optional<std::string> first = PasswordHash::Hash("abcd");
    std::optional<std::string> second = PasswordHash::Hash("abcd");
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_TRUE(PasswordHash::Verify(*second, "abcd"));
}

TEST(PasswordHash, ArgonIHashesOfLibsodiumAreRecognisedToo) {
    ASSERT_GE(sodium_init(), 0);
    char text[crypto_pwhash_argon2i_STRBYTES];
    ASSERT_EQ(crypto_pwhash_argon2i_str(text, "abcd", 4, crypto_pwhash_argon2i_OPSLIMIT_MIN,
                                        crypto_pwhash_argon2i_MEMLIMIT_MIN),
              0);
    const std::string hash = text;
    ASSERT_EQ(hash.rfind("$argon2i$", 0), 0u) << hash;
    EXPECT_TRUE(PasswordHash::IsHash(hash)) << hash;
    EXPECT_TRUE(PasswordHash::Verify(hash, "abcd"));
    EXPECT_FALSE(PasswordHash::Verify(hash, hash));
}

struct VerifyCase {
    std::string stored;
    std::string typed;
    bool accepted;
};

void PrintTo(const VerifyCase& c, std::ostream* out) {
    *out << '"' << c.stored << "\" typed as \"" << c.typed << '"';
}

class PasswordAsTyped : public testing::TestWithParam<VerifyCase> {};

TEST_P(PasswordAsTyped, ComparesExactly) {
    EXPECT_FALSE(PasswordHash::IsHash(GetParam().stored));
    EXPECT_EQ(PasswordHash::Verify(GetParam().stored, GetParam().typed), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Stored, PasswordAsTyped,
                         testing::Values(VerifyCase{"secret", "secret", true},
                                         VerifyCase{"secret", "Secret", false},
                                         VerifyCase{"secret", "secret ", false},
                                         VerifyCase{"", "", true}, VerifyCase{"", "x", false},
                                         VerifyCase{"$argon", "$argon", true},
                                         VerifyCase{"$argon2id$x", "$argon2id$x", true},
                                         VerifyCase{"$argon2id$x", "$argon2id$", false}));

// Texts of the form libsodium writes, pieces of them changed one at a time. The salt is 16
// bytes in 22 base64 digits, the digest 32 bytes in 43; the spare low bits of their last
// digits (4 and 2) are zero: "A" (0) and "Q" (16) may end a salt, "E" (4) a digest, "B" (1)
// neither. The work is the least libsodium accepts, so that checking a hash stays quick.
const std::string kSalt = "c29tZXNhbHRzb21lc2FsdA";
const std::string kDigest = "ZGlnZXN0ZGlnZXN0ZGlnZXN0ZGlnZXN0ZGlnZXN0ZGE";

std::string HashText(const std::string& head, const std::string& salt = kSalt,
                     const std::string& digest = kDigest) {
    return head + "$" + salt + "$" + digest;
}

const std::string kHead = "$argon2id$v=19$m=8,t=1,p=1";

struct HashTextCase {
    const char* name;
    std::string stored;
    bool isHash;
};

void PrintTo(const HashTextCase& c, std::ostream* out) {
    *out << c.name;
}

class HashTextRecognition : public testing::TestWithParam<HashTextCase> {};

// A hash text opens for the password it was made from, never for its own text (these digests
// were made from nothing); any other text is a password as typed and opens for itself alone.
TEST_P(HashTextRecognition, OnlyAWholeHashTextIsAHash) {
    const HashTextCase& c = GetParam();
    EXPECT_EQ(PasswordHash::IsHash(c.stored), c.isHash);
    EXPECT_EQ(PasswordHash::Verify(c.stored, c.stored), !c.isHash);
    EXPECT_FALSE(PasswordHash::Verify(c.stored, c.stored + "x"));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HashTextRecognition,
    testing::Values(
        HashTextCase{"ArgonId", HashText(kHead), true},
        HashTextCase{"ArgonI", HashText("$argon2i$v=19$m=8,t=3,p=1"), true},
        HashTextCase{"SaltWithPlusAndSlash", HashText(kHead, std::string("+/") + kSalt.substr(2)),
                     true},
        HashTextCase{"SaltEndingInADigitWithSpareBitsClear",
                     HashText(kHead, kSalt.substr(0, 21) + "Q"), true},
        // The work is refused when checked, but the text is a hash all the same.
        HashTextCase{"LargestNumbers",
                     HashText("$argon2id$v=19$m=4294967295,t=4294967295,p=4294967295"), true},

        HashTextCase{"Empty", "", false}, HashTextCase{"AlgorithmAlone", "$argon2id$", false},
        HashTextCase{"AlgorithmAndALetter", "$argon2id$x", false},
        HashTextCase{"ArgonIAndALetter", "$argon2i$x", false},
        HashTextCase{"AlgorithmWithoutDollar", "$argon2", false},
        HashTextCase{"ArgonD", HashText("$argon2d$v=19$m=8,t=1,p=1"), false},
        HashTextCase{"CapitalAlgorithm", HashText("$ARGON2ID$v=19$m=8,t=1,p=1"), false},
        HashTextCase{"NoVersion", HashText("$argon2id$m=8,t=1,p=1"), false},
        HashTextCase{"OlderVersion", HashText("$argon2id$v=16$m=8,t=1,p=1"), false},
        HashTextCase{"VersionWithLeadingZero", HashText("$argon2id$v=019$m=8,t=1,p=1"), false},
        HashTextCase{"NoMemory", HashText("$argon2id$v=19$m=,t=1,p=1"), false},
        HashTextCase{"ZeroMemory", HashText("$argon2id$v=19$m=0,t=1,p=1"), false},
        HashTextCase{"MemoryWithLeadingZero", HashText("$argon2id$v=19$m=08,t=1,p=1"), false},
        HashTextCase{"MemoryWithSign", HashText("$argon2id$v=19$m=+8,t=1,p=1"), false},
        HashTextCase{"MemoryBeyond32Bits", HashText("$argon2id$v=19$m=4294967296,t=1,p=1"), false},
        HashTextCase{"NegativePasses", HashText("$argon2id$v=19$m=8,t=-1,p=1"), false},
        HashTextCase{"LanesMissing", HashText("$argon2id$v=19$m=8,t=1"), false},
        HashTextCase{"ParametersInAnotherOrder", HashText("$argon2id$v=19$t=1,m=8,p=1"), false},
        HashTextCase{"SpaceAfterComma", HashText("$argon2id$v=19$m=8, t=1,p=1"), false},
        HashTextCase{"SaltOneDigitShort", HashText(kHead, kSalt.substr(1)), false},
        HashTextCase{"SaltOneDigitLong", HashText(kHead, kSalt + "A"), false},
        HashTextCase{"SaltWithPadding", HashText(kHead, kSalt + "=="), false},
        HashTextCase{"SaltInUrlAlphabet", HashText(kHead, std::string("-") + kSalt.substr(1)),
                     false},
        HashTextCase{"SaltWithSpareBitsSet", HashText(kHead, kSalt.substr(0, 21) + "B"), false},
        HashTextCase{"DigestOneDigitShort", HashText(kHead, kSalt, kDigest.substr(1)), false},
        HashTextCase{"DigestOneDigitLong", HashText(kHead, kSalt, kDigest + "A"), false},
        HashTextCase{"DigestWithPadding", HashText(kHead, kSalt, kDigest + "="), false},
        HashTextCase{"DigestWithSpareBitsSet", HashText(kHead, kSalt, kDigest.substr(0, 42) + "B"),
                     false},
        HashTextCase{"NoDigest", kHead + "$" + kSalt, false},
        HashTextCase{"NoDigestAfterDollar", kHead + "$" + kSalt + "$", false},
        HashTextCase{"LeadingSpace", std::string(" ") + HashText(kHead), false},
        HashTextCase{"TrailingSpace", HashText(kHead) + " ", false},
        HashTextCase{"TrailingLineBreak", HashText(kHead) + "\r\n", false},
        HashTextCase{"TrailingNul", HashText(kHead) + std::string(1, '\0'), false},
        HashTextCase{"TwoHashes", HashText(kHead) + HashText(kHead), false}),
    [](const testing::TestParamInfo<HashTextCase>& info) { return std::string(info.param.name); });

TEST(PasswordHash, HashWithAnotherSaltOrDigestOpensForNobody) {
    std::optional<std::string> hash = PasswordHash::Hash("abcd");
    ASSERT_TRUE(hash);
    const std::size_t digestAt = hash->rfind('$') + 1;
    const std::size_t saltAt = hash->rfind('$', digestAt - 2) + 1;
    for (std::size_t at : {saltAt, digestAt}) {
        std::string changed = *hash;
        changed[at] = changed[at] == 'A' ? 'B' : 'A';
        ASSERT_TRUE(PasswordHash::IsHash(changed)) << changed;
        EXPECT_FALSE(PasswordHash::Verify(changed, "abcd")) << changed;
        EXPECT_FALSE(PasswordHash::Verify(changed, changed)) << changed;
    }
}

TEST(PasswordHash, CutOrLengthenedHashIsAPasswordAsTyped) {
    std::optional<std::string> hash = PasswordHash::Hash("abcd");
    ASSERT_TRUE(hash);
    for (const std::string& text : {hash->substr(0, hash->size() - 1), *hash + "x"}) {
        EXPECT_FALSE(PasswordHash::IsHash(text)) << text;
        EXPECT_FALSE(PasswordHash::Verify(text, "abcd")) << text;
        EXPECT_TRUE(PasswordHash::Verify(text, text)) << text;
    }
}

TEST(PasswordHash, HashNamingExcessiveWorkIsRefusedUnchecked) {
    // A user file could name any number of passes; one beyond what the program would ever
    // choose is refused without running it, even though it is the right password.
    const auto operations = PasswordHash::operationsLimit();
    const auto memory = PasswordHash::memoryLimit();
    PasswordHash::SetLimits(4 * crypto_pwhash_OPSLIMIT_SENSITIVE + 1, crypto_pwhash_MEMLIMIT_MIN);
    std::optional<std::string> tooCostly = PasswordHash::Hash("abcd");
    PasswordHash::SetLimits(4 * crypto_pwhash_OPSLIMIT_SENSITIVE, crypto_pwhash_MEMLIMIT_MIN);
    std::optional<std::string> bearable = PasswordHash::Hash("abcd");
    PasswordHash::SetLimits(operations, memory);
    ASSERT_TRUE(tooCostly && bearable);
    EXPECT_FALSE(PasswordHash::Verify(*tooCostly, "abcd")) << *tooCostly;
    EXPECT_TRUE(PasswordHash::Verify(*bearable, "abcd")) << *bearable;
}

}  // namespace
