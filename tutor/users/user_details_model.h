#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tutor/users/country_list.h"
#include "tutor/users/user_profile.h"

/// What the dialog "Detailed information" shows and stores: the user's nickname, five personal
/// details with the lengths the user may type, and the country chosen from the system's list.
/// OK stores the details as they stand; Cancel is simply not calling Ok().
class UserDetailsModel {
  public:
    enum class Field { FirstName, LastName, Email, DateOfBirth, City };

    struct FieldInfo {
        Field field;
        std::string_view label;
        /// The most characters the user may type.
        std::size_t limit;
    };

    static constexpr std::string_view kCaption = "Detailed information";
    static constexpr std::string_view kNameLabel = "NickName";
    static constexpr std::size_t kNameLimit = 20;
    /// The edits in the order they are shown.
    static constexpr std::array<FieldInfo, 5> kFields = {{
        {Field::FirstName, "First name:", 30},
        {Field::LastName, "Last name", 30},
        {Field::Email, "E-mail address", 40},
        {Field::DateOfBirth, "Date of birth", 10},
        {Field::City, "City", 50},
    }};
    static constexpr std::string_view kCountryLabel = "Country";
    static constexpr std::string_view kOkButton = "OK";
    static constexpr std::string_view kCancelButton = "&Cancel";

    /// systemCountries are the country names of the system's locales, as they come; the
    /// profile must outlive the model.
    UserDetailsModel(UserProfile& profile, const std::vector<std::string>& systemCountries);

    const std::string& name() const { return profile_.name(); }
    const std::string& text(Field field) const;
    void setText(Field field, std::string_view text);
    /// The field's limit, or the length of the stored detail when that is longer: a detail
    /// stored longer than the limit is kept as it is, the limit only stops typing.
    std::size_t maxLength(Field field) const;

    const std::vector<std::string>& countries() const { return countries_.names(); }
    int selectedCountry() const { return selectedCountry_; }
    void selectCountry(int index);

    /// OK: the details as edited and the selected country go into the profile.
    void Ok();

    static const FieldInfo& Info(Field field);

  private:
    static std::string UserProfile::Details::*Member(Field field);

    UserProfile& profile_;
    UserProfile::Details stored_;
    UserProfile::Details edited_;
    CountryList countries_;
    int selectedCountry_ = -1;
};
