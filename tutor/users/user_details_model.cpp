#include "tutor/users/user_details_model.h"

#include <algorithm>

UserDetailsModel::UserDetailsModel(UserProfile& profile,
                                   const std::vector<std::string>& systemCountries)
    : profile_(profile),
      stored_(profile.details()),
      edited_(profile.details()),
      countries_(systemCountries) {
    const std::string& country = stored_.country;
    selectedCountry_ = countries_.Insert(country.empty() ? CountryList::kDefaultCountry : country);
}

const UserDetailsModel::FieldInfo& UserDetailsModel::Info(Field field) {
    return *std::find_if(kFields.begin(), kFields.end(),
                         [field](const FieldInfo& info) { return info.field == field; });
}

std::string UserProfile::Details::*UserDetailsModel::Member(Field field) {
    switch (field) {
        case Field::FirstName:
            return &UserProfile::Details::firstName;
        case Field::LastName:
            return &UserProfile::Details::lastName;
        case Field::Email:
            return &UserProfile::Details::email;
        case Field::DateOfBirth:
            return &UserProfile::Details::dateOfBirth;
        case Field::City:
            break;
    }
    return &UserProfile::Details::city;
}

const std::string& UserDetailsModel::text(Field field) const {
    return edited_.*Member(field);
}

void UserDetailsModel::setText(Field field, std::string_view text) {
    edited_.*Member(field) = std::string(text);
}

std::size_t UserDetailsModel::maxLength(Field field) const {
    return std::max(Info(field).limit, (stored_.*Member(field)).size());
}

void UserDetailsModel::selectCountry(int index) {
    if (index >= 0 && index < static_cast<int>(countries_.names().size())) {
        selectedCountry_ = index;
    }
}

void UserDetailsModel::Ok() {
    UserProfile::Details details = edited_;
    if (selectedCountry_ >= 0) {
        details.country = countries_.names()[static_cast<std::size_t>(selectedCountry_)];
    }
    profile_.setDetails(details);
}
