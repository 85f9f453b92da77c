#include "tester/user_info_page_model.h"

#include <utility>

#include "common/settings_store.h"
#include "tester/test_data.h"

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

UserInfoPageModel::UserInfoPageModel(TestData& data, SettingsStore& settings, Role role,
                                     bool editable)
    : ParameterPageModel(PageKind::UserInfo, editable),
      data_(data),
      settings_(settings),
      role_(role) {
    if (!editable) {
        details = {data.nickname, data.firstName,   data.middleName, data.lastName,
                   data.email,    data.dateOfBirth, data.city,       data.country};
        return;
    }
    const std::string section = settings.ReadString("", kDefaultUserKey, "");
    if (section.find('_') != std::string::npos) {
        details = ReadDetails(settings, section);
    }
    shownNickname_ = details.nickname;
}

std::string UserInfoPageModel::Caption() const {
    return role_ == Role::Author ? kAuthorCaption : kUserCaption;
}

std::string UserInfoPageModel::SectionOf(const std::string& nickname) {
    return nickname + kSectionSuffix;
}

UserDetails UserInfoPageModel::ReadDetails(const SettingsStore& settings,
                                           const std::string& section) {
    UserDetails stored;
    stored.nickname = settings.ReadString(section, "NickName", "");
    stored.firstName = settings.ReadString(section, "FirstName", "");
    stored.middleName = settings.ReadString(section, "MiddleName", "");
    stored.lastName = settings.ReadString(section, "SecondName", "");
    stored.email = settings.ReadString(section, "EMail", "");
    stored.dateOfBirth = settings.ReadString(section, "DateOfBirth", "");
    stored.city = settings.ReadString(section, "City", "");
    stored.country = settings.ReadString(section, "Country", "");
    return stored;
}

void UserInfoPageModel::NicknameLeft(std::string nickname) {
    if (!editable() || Trimmed(nickname) == Trimmed(shownNickname_)) {
        details.nickname = std::move(nickname);
        return;
    }
    details = Trimmed(nickname).empty() ? UserDetails{}
                                        : ReadDetails(settings_, SectionOf(Trimmed(nickname)));
    // The field keeps what was typed, also for a section written under another spelling.
    shownNickname_ = nickname;
    details.nickname = std::move(nickname);
}

std::optional<PageProblem> UserInfoPageModel::CheckConfirm() {
    if (editable() && Trimmed(details.nickname).empty()) {
        return PageProblem{kNicknameMissingMessage, kNicknameField};
    }
    return std::nullopt;
}

void UserInfoPageModel::Apply() {
    const auto cut = [](const std::string& text, int length) {
        return text.substr(0, static_cast<std::size_t>(length));
    };
    data_.nickname = cut(Trimmed(details.nickname), kMaxNickname);
    data_.firstName = cut(details.firstName, kMaxFirstName);
    data_.middleName = cut(details.middleName, kMaxMiddleName);
    data_.lastName = cut(details.lastName, kMaxLastName);
    data_.email = cut(details.email, kMaxEmail);
    data_.dateOfBirth = cut(details.dateOfBirth, kMaxDateOfBirth);
    data_.city = cut(details.city, kMaxCity);
    data_.country = details.country;

    const std::string section = SectionOf(data_.nickname);
    settings_.WriteString("", kDefaultUserKey, section);
    settings_.WriteString(section, "NickName", data_.nickname);
    settings_.WriteString(section, "FirstName", data_.firstName);
    settings_.WriteString(section, "MiddleName", data_.middleName);
    settings_.WriteString(section, "SecondName", data_.lastName);
    settings_.WriteString(section, "EMail", data_.email);
    settings_.WriteString(section, "DateOfBirth", data_.dateOfBirth);
    settings_.WriteString(section, "City", data_.city);
    settings_.WriteString(section, "Country", data_.country);
}
