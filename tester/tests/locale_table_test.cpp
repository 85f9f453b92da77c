#include "tester/locale_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "common/testing/temp_dir.h"

namespace {

using Locale = LocaleTable::Locale;

constexpr const char* kSupported =
    "# comment\n"
    "cs_CZ.UTF-8 UTF-8\n"
    "cs_CZ ISO-8859-2\n"
    "de_DE.UTF-8 UTF-8\n"
    "de_DE@euro ISO-8859-15\n"
    "en_US.UTF-8 UTF-8\n"
    "en_US.ISO-8859-15 ISO-8859-15\n"
    "sr_RS UTF-8\n"
    "sr_RS@latin UTF-8\n"
    "be_BY@latin UTF-8\n"
    "aa_DJ ISO-8859-1\n"
    "eo UTF-8\n"
    "\n";

TEST(LocaleTableTest, SupportedListGivesEachLocaleOnceWithoutCharacterSets) {
    EXPECT_EQ(LocaleTable::ParseSupported(kSupported),
              (std::vector<std::string>{"cs_CZ", "de_DE", "en_US", "sr_RS", "sr_RS@latin",
                                        "be_BY@latin", "aa_DJ", "eo"}));
    EXPECT_TRUE(LocaleTable::ParseSupported("").empty());
}

struct IdCase {
    const char* locale;
    int id;  // 0: none
};

class LocaleWindowsId : public testing::TestWithParam<IdCase> {};

TEST_P(LocaleWindowsId, ComesFromOurTable) {
    std::optional<std::int32_t> id = LocaleTable::WindowsId(GetParam().locale);
    if (GetParam().id == 0) {
        EXPECT_FALSE(id.has_value());
    } else {
        EXPECT_EQ(id, GetParam().id);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LocaleWindowsId,
    testing::Values(IdCase{"en_US", 1033}, IdCase{"de_DE", 1031}, IdCase{"cs_CZ", 1029},
                    IdCase{"en_GB", 2057}, IdCase{"sk_SK", 1051}, IdCase{"fr_CA", 3084},
                    IdCase{"es_ES", 3082}, IdCase{"sr_RS", 10266}, IdCase{"sr_RS@latin", 9242},
                    // A script variant without an entry of its own stands for its language.
                    IdCase{"be_BY@latin", 1059}, IdCase{"aa_DJ", 0}, IdCase{"eo", 0},
                    IdCase{"", 0}));

TEST(LocaleTableTest, LanguagesAreTheSupportedLocalesWithAnIdentifierEachOnce) {
    std::vector<LocaleTable::Language> languages =
        LocaleTable::Languages(LocaleTable::ParseSupported(kSupported));
    std::vector<std::int32_t> ids;
    for (const LocaleTable::Language& language : languages) {
        ids.push_back(language.windowsId);
    }
    EXPECT_EQ(ids, (std::vector<std::int32_t>{1029, 1031, 1033, 10266, 9242, 1059}));
    EXPECT_EQ(languages[4].locale, (Locale{"sr", "RS", "Latin"}));
    EXPECT_EQ(languages[0].locale, (Locale{"cs", "CZ", ""}));
}

TEST(LocaleTableTest, WithoutASupportedListEveryLanguageOfTheTableIsOffered) {
    std::vector<LocaleTable::Language> languages = LocaleTable::Languages({});
    EXPECT_GT(languages.size(), 100u);
    std::set<std::int32_t> ids;
    for (const LocaleTable::Language& language : languages) {
        EXPECT_TRUE(ids.insert(language.windowsId).second) << language.windowsId;
        EXPECT_EQ(LocaleTable::LocaleOf(language.windowsId), language.locale);
    }
}

TEST(LocaleTableTest, TerritoriesAreTheSupportedCountryCodesSortedOnce) {
    EXPECT_EQ(LocaleTable::Territories(LocaleTable::ParseSupported(kSupported)),
              (std::vector<std::string>{"BY", "CZ", "DE", "DJ", "RS", "US"}));
}

TEST(LocaleTableTest, IdentifiersLeadBackToTheirLocale) {
    EXPECT_EQ(LocaleTable::LocaleOf(1031), (Locale{"de", "DE", ""}));
    EXPECT_EQ(LocaleTable::LocaleOf(2115), (Locale{"uz", "UZ", "Cyrillic"}));
    EXPECT_FALSE(LocaleTable::LocaleOf(4242).has_value());
}

TEST(LocaleTableTest, ReadsTheSystemListAndNothingWhenItIsMissing) {
    TempDir dir;
    EXPECT_EQ(LocaleTable::ReadSupported(dir.Write("SUPPORTED", "fi_FI.UTF-8 UTF-8\r\n")),
              (std::vector<std::string>{"fi_FI"}));
    EXPECT_TRUE(LocaleTable::ReadSupported(dir.File("none")).empty());
}

}  // namespace
