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

struct VerifyCase {
    std::string stored;
    std::string typed;
    bool accepted;
};

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
                                         VerifyCase{"$argon", "$argon", true}));

TEST(PasswordHash, DamagedHashOpensForNobody) {
    std::optional<std::string> hash = PasswordHash::Hash("abcd");
    ASSERT_TRUE(hash);
    for (const std::string& damaged : {hash->substr(0, hash->size() / 2), std::string("$argon2id$"),
                                       *hash + "x", "$argon2" + std::string(300, 'a')}) {
        EXPECT_TRUE(PasswordHash::IsHash(damaged));
        EXPECT_FALSE(PasswordHash::Verify(damaged, "abcd")) << damaged;
        EXPECT_FALSE(PasswordHash::Verify(damaged, damaged)) << damaged;
    }
}

}  // namespace

namespace {

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
