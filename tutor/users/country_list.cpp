#include "tutor/users/country_list.h"

#include <algorithm>

namespace {

unsigned char AsciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool IsCountry(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    return std::find(CountryList::kNotCountries.begin(), CountryList::kNotCountries.end(), name) ==
           CountryList::kNotCountries.end();
}

}  // namespace

CountryList::CountryList(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (IsCountry(name)) {
            names_.push_back(name);
        }
    }
    std::sort(names_.begin(), names_.end(), SortsBefore);
    names_.erase(std::unique(names_.begin(), names_.end()), names_.end());
}

bool CountryList::SortsBefore(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = AsciiLower(static_cast<unsigned char>(a[i]));
        const unsigned char y = AsciiLower(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x < y;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    // Names that differ only in letter case keep a fixed order, so equal names lie together.
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

int CountryList::Find(std::string_view name) const {
    auto it = std::find(names_.begin(), names_.end(), name);
    return it == names_.end() ? -1 : static_cast<int>(it - names_.begin());
}

int CountryList::Insert(std::string_view name) {
    if (int found = Find(name); found >= 0) {
        return found;
    }
    auto it = std::lower_bound(
        names_.begin(), names_.end(), name,
        [](const std::string& a, std::string_view b) { return SortsBefore(a, b); });
    it = names_.insert(it, std::string(name));
    return static_cast<int>(it - names_.begin());
}
