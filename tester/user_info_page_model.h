#pragma once

#include <optional>
#include <string>

#include "tester/parameter_page_model.h"

class SettingsStore;
class TestData;

/// The details of a typist or of a test's author.
struct UserDetails {
    std::string nickname;
    std::string firstName;
    std::string middleName;
    std::string lastName;
    std::string email;
    std::string dateOfBirth;
    std::string city;
    std::string country;

    bool operator==(const UserDetails&) const = default;
};

/// The User Info page (dialog 142), captioned "User Info" for the typist and "Author Info"
/// for the author of a test definition. The editable form starts with the typist last
/// confirmed ("DefaultUser"); every typist's details live in the section of their nickname
/// followed by "_USER", so a known nickname brings its details back.
class UserInfoPageModel final : public ParameterPageModel {
  public:
    static constexpr int kDialogId = 142;
    static constexpr int kNicknameField = 4601;
    static constexpr int kFirstNameField = 4602;
    static constexpr int kMiddleNameField = 1049;
    static constexpr int kLastNameField = 4603;
    static constexpr int kDateOfBirthField = 4604;
    static constexpr int kEmailField = 4605;
    static constexpr int kCityField = 4606;
    static constexpr int kCountryField = 1013;

    static constexpr int kMaxNickname = 15;
    static constexpr int kMaxFirstName = 30;
    static constexpr int kMaxMiddleName = 20;
    static constexpr int kMaxLastName = 30;
    static constexpr int kMaxEmail = 40;
    static constexpr int kMaxDateOfBirth = 10;
    static constexpr int kMaxCity = 50;

    static constexpr const char* kUserCaption = "User Info";
    static constexpr const char* kAuthorCaption = "Author Info";
    static constexpr const char* kNicknameMissingMessage = "Enter Nickname, please.";
    static constexpr const char* kDefaultUserKey = "DefaultUser";
    static constexpr const char* kSectionSuffix = "_USER";

    enum class Role { User, Author };

    UserInfoPageModel(TestData& data, SettingsStore& settings, Role role, bool editable);

    std::string Caption() const override;
    std::optional<PageProblem> CheckConfirm() override;
    void Apply() override;

    /// The nickname field lost the focus with this text. Only a nickname that really changed
    /// replaces the fields, all eight, with that typist's stored details (empty for a new
    /// one); leaving the field unchanged keeps what was typed in the others.
    void NicknameLeft(std::string nickname);

    /// The settings section of a typist.
    static std::string SectionOf(const std::string& nickname);
    /// The stored details of a section.
    static UserDetails ReadDetails(const SettingsStore& settings, const std::string& section);

    UserDetails details;

  private:
    TestData& data_;
    SettingsStore& settings_;
    Role role_;
    // The nickname whose details the fields hold.
    std::string shownNickname_;
};
