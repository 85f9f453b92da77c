#include "tutor/users/user_name.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/code_page.h"
#include "common/testing/temp_dir.h"

namespace {

// Texts are bytes of the program's code page, Windows-1250 in the tests: 0xC8 and 0xE8 are
// the Czech capital and small C with caron, 0x8A and 0x9A S with caron, 0xD8 and 0xF8 R with
// caron, 0xA7 the section sign, 0xD7 the multiplication sign.

struct CleanCase {
    std::string name;
    std::string cleaned;
};

class UserNameClean : public testing::TestWithParam<CleanCase> {};

TEST_P(UserNameClean, KeepsLettersDigitsAndSpaces) {
    EXPECT_EQ(UserName::Clean(GetParam().name), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(Names, UserNameClean,
                         testing::Values(CleanCase{"Jan Novak 2", "Jan Novak 2"},
                                         CleanCase{"Jan-Petr-", "JanPetr"},
                                         CleanCase{"../etc/x", "etcx"},
                                         CleanCase{"\xC8"
                                                   "ada \x9A\xF8",
                                                   "\xC8"
                                                   "ada \x9A\xF8"},
                                         CleanCase{"a\xA7"
                                                   "b\xD7"
                                                   "c",
                                                   "abc"},
                                         CleanCase{"tab\there", "tabhere"}, CleanCase{"!?@#", ""}));

struct CaseCase {
    std::string a;
    std::string b;
    bool equal;
};

class UserNameCompare : public testing::TestWithParam<CaseCase> {};

TEST_P(UserNameCompare, IgnoresLetterCase) {
    EXPECT_EQ(UserName::EqualIgnoringCase(GetParam().a, GetParam().b), GetParam().equal);
    EXPECT_EQ(UserName::EqualIgnoringCase(GetParam().b, GetParam().a), GetParam().equal);
}

// Names that are one user fold to one text (the name of their session lock file), others not.
TEST_P(UserNameCompare, FoldedNamesAreEqualExactlyForTheSameUser) {
    EXPECT_EQ(UserName::FoldCase(GetParam().a) == UserName::FoldCase(GetParam().b),
              GetParam().equal);
}

INSTANTIATE_TEST_SUITE_P(Pairs, UserNameCompare,
                         testing::Values(CaseCase{"petr", "PETR", true},
                                         CaseCase{"\xC8"
                                                  "ERN\xDD",
                                                  "\xE8"
                                                  "ern\xFD",
                                                  true},
                                         CaseCase{"\x8A\xD8"
                                                  "EK",
                                                  "\x9A\xF8"
                                                  "ek",
                                                  true},
                                         CaseCase{"petr", "petra", false},
                                         CaseCase{"\xC8"
                                                  "ern\xFD",
                                                  "Cern\xFD", false},
                                         CaseCase{"", "", true}, CaseCase{"a1", "A1", true},
                                         CaseCase{"a1", "a2", false}));

TEST(UserName, PrefixMatchIgnoresLetterCase) {
    EXPECT_TRUE(UserName::StartsWithIgnoringCase("Janicka", "JAN"));
    EXPECT_TRUE(UserName::StartsWithIgnoringCase("jan", "JAN"));
    EXPECT_FALSE(UserName::StartsWithIgnoringCase("Ja", "JAN"));
    EXPECT_FALSE(UserName::StartsWithIgnoringCase("Petr", "JAN"));
}

class UserNameUnsafe : public testing::TestWithParam<std::string> {};

TEST_P(UserNameUnsafe, IsRefused) {
    EXPECT_FALSE(UserName::IsSafe(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Names, UserNameUnsafe,
                         testing::Values("", "..", "../petr", "a/b", "/etc/passwd", "x..y",
                                         std::string("nul\0byte", 8)));

TEST(UserName, OrdinaryNamesAreSafe) {
    for (const char* name : {"petr", "Jan Novak", ".hidden", "a.b",
                             "\xC8"
                             "ada"}) {
        EXPECT_TRUE(UserName::IsSafe(name)) << name;
    }
}

TEST(UserName, FileNamesAreUtf8OfTheCodePage) {
    EXPECT_EQ(UserName::FileName("\xC8"
                                 "ada",
                                 ".dat"),
              "\xC4\x8C"
              "ada.dat");
    EXPECT_EQ(UserName::FromFileName("\xC4\x8C"
                                     "ada"),
              "\xC8"
              "ada");
}

TEST(UserName, FindsTheFileWhateverTheLetterCase) {
    TempDir dir;
    const std::string folder = dir.path() + "/";
    dir.Write(
        "\xC4\x8C"
        "ERN\xC3\x9D.dat",
        "x");  // "ČERNÝ.dat"
    dir.Write("petr.dit", "x");
    EXPECT_EQ(UserName::FindBase(folder,
                                 "\xE8"
                                 "ern\xFD",
                                 ".dat"),
              folder +
                  "\xC4\x8C"
                  "ERN\xC3\x9D");
    EXPECT_FALSE(UserName::FindBase(folder, "petr", ".dat")) << "another extension";
    EXPECT_FALSE(UserName::FindBase(folder, "cerny", ".dat")) << "another letter";
    EXPECT_EQ(UserName::BasePath(folder, "Petra", ".dat"), folder + "Petra");
}

TEST(UserName, ExactFileNameWinsOverOtherCases) {
    TempDir dir;
    const std::string folder = dir.path() + "/";
    dir.Write("PETR.dat", "x");
    dir.Write("Petr.dat", "x");
    dir.Write("petr.dat", "x");
    EXPECT_EQ(UserName::FindBase(folder, "Petr", ".dat"), folder + "Petr");
    // Without an exact match the choice must not depend on the folder's listing order.
    EXPECT_EQ(UserName::FindBase(folder, "pETR", ".dat"), folder + "PETR");
}

TEST(UserName, FolderEntriesThatAreNotFilesDoNotMatch) {
    TempDir dir;
    const std::string folder = dir.path() + "/";
    std::filesystem::create_directories(dir.File("Petr.dat"));
    EXPECT_FALSE(UserName::FindBase(folder, "petr", ".dat"));
}

}  // namespace
