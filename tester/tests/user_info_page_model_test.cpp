#include "tester/user_info_page_model.h"

#include <gtest/gtest.h>

#include <string>

#include "common/memory_settings_store.h"
#include "tester/test_data.h"

namespace {

using Role = UserInfoPageModel::Role;

void StoreTypist(MemorySettingsStore& settings, const UserDetails& d) {
    const std::string section = d.nickname + "_USER";
    settings.WriteString(section, "NickName", d.nickname);
    settings.WriteString(section, "FirstName", d.firstName);
    settings.WriteString(section, "MiddleName", d.middleName);
    settings.WriteString(section, "SecondName", d.lastName);
    settings.WriteString(section, "EMail", d.email);
    settings.WriteString(section, "DateOfBirth", d.dateOfBirth);
    settings.WriteString(section, "City", d.city);
    settings.WriteString(section, "Country", d.country);
}

const UserDetails kJana{"jana",       "Jana", "Marie",  "Nov\xE1kov\xE1", "jana@example.org",
                        "01.02.1990", "Brno", "Czechia"};
const UserDetails kTom{"tom", "Tom", "", "Baker", "tom@example.org", "", "Leeds", "United Kingdom"};

class UserInfoPageTest : public testing::Test {
  protected:
    void SetUp() override {
        StoreTypist(settings, kJana);
        StoreTypist(settings, kTom);
    }
    TestData data;
    MemorySettingsStore settings;
};

TEST_F(UserInfoPageTest, EditableFormStartsWithTheDefaultUser) {
    settings.WriteString("", "DefaultUser", "tom_USER");
    UserInfoPageModel page(data, settings, Role::User, true);
    EXPECT_EQ(page.details, kTom);
    EXPECT_EQ(page.Caption(), "User Info");
}

TEST_F(UserInfoPageTest, ADefaultUserWithoutUnderscoreIsNotASection) {
    settings.WriteString("", "DefaultUser", "tom");
    settings.WriteString("tom", "NickName", "tom");
    UserInfoPageModel page(data, settings, Role::Author, true);
    EXPECT_EQ(page.details, UserDetails{});
    EXPECT_EQ(page.Caption(), "Author Info");
}

TEST_F(UserInfoPageTest, OnlyARealNicknameChangeReplacesTheFields) {
    settings.WriteString("", "DefaultUser", "tom_USER");
    UserInfoPageModel page(data, settings, Role::User, true);
    // Typed into the other fields, then the nickname field is left unchanged: kept.
    page.details.city = "York";
    page.NicknameLeft("tom");
    EXPECT_EQ(page.details.city, "York");
    // A known typist brings all their details back, the country with them.
    // The window hands over the field's own text.
    page.details.nickname = "jana";
    page.NicknameLeft(page.details.nickname);
    EXPECT_EQ(page.details, kJana);
    // A new typist starts empty.
    page.NicknameLeft("newbie");
    UserDetails fresh;
    fresh.nickname = "newbie";
    EXPECT_EQ(page.details, fresh);
    page.details.email = "new@example.org";
    page.NicknameLeft("newbie");
    EXPECT_EQ(page.details.email, "new@example.org");
    // Blanks around the nickname do not make another typist.
    page.NicknameLeft(" newbie ");
    EXPECT_EQ(page.details.email, "new@example.org");
}

TEST_F(UserInfoPageTest, AnEmptyNicknameIsRefusedOnConfirm) {
    UserInfoPageModel page(data, settings, Role::User, true);
    for (const char* nickname : {"", "   "}) {
        page.details.nickname = nickname;
        EXPECT_EQ(page.CheckConfirm(), (PageProblem{"Enter Nickname, please.", 4601}));
    }
    page.details.nickname = "eva";
    EXPECT_FALSE(page.CheckConfirm().has_value());
}

TEST_F(UserInfoPageTest, ApplyWritesTheTestTheTypistsSectionAndTheDefaultUser) {
    UserInfoPageModel page(data, settings, Role::User, true);
    page.NicknameLeft("  eva ");
    page.details.firstName = std::string(40, 'f');
    page.details.lastName = "Svoboda";
    page.details.country = "Slovakia";
    page.details.dateOfBirth = "1999-12-31 or so";
    page.Apply();
    EXPECT_EQ(data.nickname, "eva");
    EXPECT_EQ(data.firstName, std::string(30, 'f'));
    EXPECT_EQ(data.lastName, "Svoboda");
    EXPECT_EQ(data.dateOfBirth, "1999-12-31");
    EXPECT_EQ(data.country, "Slovakia");
    EXPECT_EQ(settings.ReadString("", "DefaultUser", ""), "eva_USER");
    UserDetails stored = UserInfoPageModel::ReadDetails(settings, "eva_USER");
    EXPECT_EQ(stored.nickname, "eva");
    EXPECT_EQ(stored.lastName, "Svoboda");
    EXPECT_EQ(stored.country, "Slovakia");
    EXPECT_EQ(stored.firstName, std::string(30, 'f'));

    // The next sheet starts with this typist.
    UserInfoPageModel next(data, settings, Role::User, true);
    EXPECT_EQ(next.details.lastName, "Svoboda");
}

TEST_F(UserInfoPageTest, ReadOnlyFormShowsTheTestsPerson) {
    data.nickname = "author";
    data.firstName = "Anna";
    data.country = "Austria";
    settings.WriteString("", "DefaultUser", "tom_USER");
    UserInfoPageModel page(data, settings, Role::Author, false);
    EXPECT_EQ(page.details.nickname, "author");
    EXPECT_EQ(page.details.country, "Austria");
    page.details.nickname = "";
    EXPECT_FALSE(page.CheckConfirm().has_value());
    page.NicknameLeft("jana");
    EXPECT_EQ(page.details.country, "Austria");
}

}  // namespace
