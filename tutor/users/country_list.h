#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

/// The countries the user-details dialog offers: the English names the system gives its
/// locales, without the names that stand for no country, each once, sorted without regard
/// to letter case.
class CountryList {
  public:
    /// What an empty country is shown as.
    static constexpr std::string_view kDefaultCountry = "United States";
    /// The locale without a territory and the regions that some locales name.
    static constexpr std::array<std::string_view, 8> kNotCountries = {
        "Default",        "World",    "Europe",           "Latin America",
        "European Union", "Eurozone", "Outlying Oceania", "United Nations"};

    CountryList() = default;
    /// names may hold the same country many times (several locales share a country).
    explicit CountryList(const std::vector<std::string>& names);

    const std::vector<std::string>& names() const { return names_; }
    /// The index of name (exact), -1 when it is not in the list.
    int Find(std::string_view name) const;
    /// The index of name, which is added in its sorted place when it is missing: a country
    /// the user chose long ago must not be lost because the system now calls it otherwise.
    int Insert(std::string_view name);

    /// The order of the list: letter case is ignored, then bytes decide.
    static bool SortsBefore(std::string_view a, std::string_view b);

  private:
    std::vector<std::string> names_;
};
