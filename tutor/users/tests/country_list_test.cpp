#include "tutor/users/country_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

struct BuildCase {
    const char* what;
    Names system;
    Names expected;
};

class CountryListBuild : public testing::TestWithParam<BuildCase> {};

TEST_P(CountryListBuild, KeepsEachCountryOnceInOrder) {
    EXPECT_EQ(CountryList(GetParam().system).names(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountryListBuild,
    testing::Values(BuildCase{"many locales share a country",
                              {"India", "India", "Germany", "India", "Austria", "Germany"},
                              {"Austria", "Germany", "India"}},
                    BuildCase{"the locale without a territory and the regions are left out",
                              {"Default", "World", "Chile", "Europe", "Latin America", "Belgium",
                               "European Union", "Eurozone", "Outlying Oceania", "United Nations"},
                              {"Belgium", "Chile"}},
                    BuildCase{"an empty name is no country", {"", "Peru"}, {"Peru"}},
                    BuildCase{"letter case does not decide the order",
                              {"bhutan", "Benin", "Cuba", "Bahrain"},
                              {"Bahrain", "Benin", "bhutan", "Cuba"}},
                    BuildCase{"a shorter name comes before the longer one it begins",
                              {"United States Virgin Islands", "United States", "United Kingdom"},
                              {"United Kingdom", "United States", "United States Virgin Islands"}}),
    [](const testing::TestParamInfo<BuildCase>& info) { return std::to_string(info.index); });

TEST(CountryList, FindsOnlyExactNames) {
    CountryList list({"Chile", "Peru"});
    EXPECT_EQ(list.Find("Peru"), 1);
    EXPECT_EQ(list.Find("peru"), -1);
    EXPECT_EQ(list.Find("Per"), -1);
}

TEST(CountryList, InsertPutsAMissingNameInItsSortedPlace) {
    // Qt calls it "Czechia"; a user who chose it under its former name keeps that name.
    CountryList list({"Cyprus", "Czechia", "Denmark"});
    EXPECT_EQ(list.Insert("Czech Republic"), 1);
    EXPECT_EQ(list.names(), (Names{"Cyprus", "Czech Republic", "Czechia", "Denmark"}));
    EXPECT_EQ(list.Insert("Czech Republic"), 1);
    EXPECT_EQ(list.names().size(), 4u);
    EXPECT_EQ(list.Insert("Zzland"), 4);
    EXPECT_EQ(list.Insert("Aaland"), 0);
}

}  // namespace
