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

TEST_F(UserDetailsModelTest, WithoutTheUnitedStatesInTheSystemListAnEmptyCountryStillShowsIt) {
    UserDetailsModel model(profile, {"Germany"});
    EXPECT_EQ(model.countries(), (std::vector<std::string>{"Germany", "United States"}));
    EXPECT_EQ(model.selectedCountry(), 1);
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

TEST_F(UserDetailsModelTest, LimitsStopTypingButKeepALongerStoredDetail) {
    const std::vector<std::pair<Field, std::size_t>> limits = {{Field::FirstName, 30},
                                                               {Field::LastName, 30},
                                                               {Field::Email, 40},
                                                               {Field::DateOfBirth, 10},
                                                               {Field::City, 50}};
    UserDetailsModel empty(profile, kSystem);
    for (const auto& [field, limit] : limits) {
        EXPECT_EQ(empty.maxLength(field), limit);
    }
    const std::string longText(57, 'x');
    profile.setDetails({longText, longText, longText, longText, longText, ""});
    UserDetailsModel stored(profile, kSystem);
    for (const auto& [field, limit] : limits) {
        EXPECT_EQ(stored.maxLength(field), 57u);
        EXPECT_EQ(stored.text(field), longText);
    }
    stored.Ok();
    EXPECT_EQ(profile.details().dateOfBirth, longText);
}

}  // namespace
