#include "tutor/users/user_details_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/testing/fake_clock.h"
#include "common/testing/temp_dir.h"

namespace {

using Field = UserDetailsModel::Field;

const std::vector<std::string> kSystem = {"Default", "Germany", "United States", "Czechia",
                                          "Germany", "World",   "Austria"};

class UserDetailsModelTest : public testing::Test {
  protected:
    void SetUp() override { profile.load("pavel", false); }

    UserProfile::Details Stored(std::string country) {
        UserProfile::Details details{"Pavel", "Novak",           "1.1.1990", "pavel@example.com",
                                     "Brno",  std::move(country)};
        return details;
    }

    FakeClock clock;
    TempDir users;
    FixedDisketteFolder diskette{""};
    UserProfile profile{clock, users.path(), diskette};
};

struct CountryCase {
    const char* what;
    std::string stored;
    std::vector<std::string> expectedList;
    std::string selected;
};

class UserDetailsCountry : public UserDetailsModelTest,
                           public testing::WithParamInterface<CountryCase> {};

TEST_P(UserDetailsCountry, SelectsTheStoredCountryAndOkKeepsIt) {
    profile.setDetails(Stored(GetParam().stored));
    UserDetailsModel model(profile, kSystem);
    EXPECT_EQ(model.countries(), GetParam().expectedList);
    ASSERT_GE(model.selectedCountry(), 0);
    EXPECT_EQ(model.countries()[model.selectedCountry()], GetParam().selected);
    model.Ok();
    EXPECT_EQ(profile.details().country, GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserDetailsCountry,
    testing::Values(CountryCase{"a country of the list",
                                "Germany",
                                {"Austria", "Czechia", "Germany", "United States"},
                                "Germany"},
                    CountryCase{"no country shows the United States",
                                "",
                                {"Austria", "Czechia", "Germany", "United States"},
                                "United States"},
                    CountryCase{
                        "a country the system no longer names is added, not lost",
                        "Czech Republic",
                        {"Austria", "Czech Republic", "Czechia", "Germany", "United States"},
                        "Czech Republic"}),
    [](const testing::TestParamInfo<CountryCase>& info) { return std::to_string(info.index); });

TEST_F(UserDetailsModelTest, WithoutTheUnitedStatesInTheSystemListAnEmptyCountryStillShowsIt) {
    UserDetailsModel model(profile, {"Germany"});
    EXPECT_EQ(model.countries(), (std::vector<std::string>{"Germany", "United States"}));
    EXPECT_EQ(model.selectedCountry(), 1);
}

TEST_F(UserDetailsModelTest, ShowsTheNicknameAndTheStoredDetails) {
    profile.setDetails(Stored("Austria"));
    UserDetailsModel model(profile, kSystem);
    EXPECT_EQ(model.name(), "pavel");
    EXPECT_EQ(model.text(Field::FirstName), "Pavel");
    EXPECT_EQ(model.text(Field::LastName), "Novak");
    EXPECT_EQ(model.text(Field::DateOfBirth), "1.1.1990");
    EXPECT_EQ(model.text(Field::Email), "pavel@example.com");
    EXPECT_EQ(model.text(Field::City), "Brno");
}

TEST_F(UserDetailsModelTest, OkStoresEveryEditedFieldAndTheChosenCountry) {
    profile.setDetails(Stored("Austria"));
    UserDetailsModel model(profile, kSystem);
    model.setText(Field::FirstName, "Petr");
    model.setText(Field::LastName, "Svoboda");
    model.setText(Field::Email, "petr@example.org");
    model.setText(Field::DateOfBirth, "2.2.2002");
    model.setText(Field::City, "Olomouc");
    model.selectCountry(2);
    model.Ok();
    EXPECT_EQ(profile.details(), (UserProfile::Details{"Petr", "Svoboda", "2.2.2002",
                                                       "petr@example.org", "Olomouc", "Germany"}));
    EXPECT_TRUE(profile.modified());
}

TEST_F(UserDetailsModelTest, WithoutOkNothingIsStored) {
    profile.setDetails(Stored("Austria"));
    profile.save(users.File("pavel"), true);
    ASSERT_FALSE(profile.modified());
    {
        UserDetailsModel model(profile, kSystem);
        model.setText(Field::City, "Praha");
        model.selectCountry(0);
    }
    EXPECT_EQ(profile.details(), Stored("Austria"));
    EXPECT_FALSE(profile.modified());
}

TEST_F(UserDetailsModelTest, SelectingOutsideTheListKeepsTheSelection) {
    UserDetailsModel model(profile, kSystem);
    const int before = model.selectedCountry();
    model.selectCountry(-1);
    model.selectCountry(static_cast<int>(model.countries().size()));
    EXPECT_EQ(model.selectedCountry(), before);
}

struct LimitCase {
    Field field;
    std::size_t limit;
};

class UserDetailsLimits : public UserDetailsModelTest,
                          public testing::WithParamInterface<LimitCase> {};

TEST_P(UserDetailsLimits, LimitTypingButKeepALongerStoredDetail) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(UserDetailsModel::Info(c.field).limit, c.limit);
    UserDetailsModel shortModel(profile, kSystem);
    EXPECT_EQ(shortModel.maxLength(c.field), c.limit);

    UserProfile::Details details;
    const std::string longText(c.limit + 7, 'x');
    details.firstName = details.lastName = details.email = details.dateOfBirth = details.city =
        longText;
    profile.setDetails(details);
    UserDetailsModel longModel(profile, kSystem);
    EXPECT_EQ(longModel.maxLength(c.field), c.limit + 7);
    EXPECT_EQ(longModel.text(c.field), longText);
    longModel.Ok();
    EXPECT_EQ(profile.details().firstName, longText);
    EXPECT_EQ(profile.details().city, longText);
}

INSTANTIATE_TEST_SUITE_P(Fields, UserDetailsLimits,
                         testing::Values(LimitCase{Field::FirstName, 30},
                                         LimitCase{Field::LastName, 30},
                                         LimitCase{Field::Email, 40},
                                         LimitCase{Field::DateOfBirth, 10},
                                         LimitCase{Field::City, 50}));

}  // namespace
