#include "tutor/course/xkb_group_choice.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

struct KnownLayoutEntry {
    std::string_view keyboardId;
    std::string_view layout;
};

// The keyboard types of our courses and the XKB layouts that type like them.
constexpr std::array<KnownLayoutEntry, 5> kKnownLayouts = {{
    {"00000409", "us"},
    {"00000407", "de"},
    {"00000405", "cz"},
    {"0000040C", "fr"},
    {"00000809", "gb"},
}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string> SplitAtCommas(std::string_view list) {
    std::vector<std::string> items;
    if (list.empty()) {
        return items;
    }
    while (true) {
        const std::size_t comma = list.find(',');
        items.emplace_back(Trimmed(list.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return items;
        }
        list.remove_prefix(comma + 1);
    }
}

// "de(nodeadkeys)" -> {"de", "nodeadkeys"}; "de" -> {"de", ""}.
XkbGroupChoice::Group ParseXkbName(std::string_view name) {
    const std::size_t open = name.find('(');
    if (open == std::string_view::npos || open == 0 || name.back() != ')') {
        return {std::string(name), {}};
    }
    return {std::string(name.substr(0, open)),
            std::string(name.substr(open + 1, name.size() - open - 2))};
}

}  // namespace

XkbGroupChoice::XkbGroupChoice(std::vector<Group> groups) : groups_(std::move(groups)) {
    if (groups_.size() > static_cast<std::size_t>(kMaxGroups)) {
        groups_.resize(kMaxGroups);
    }
}

XkbGroupChoice XkbGroupChoice::FromRulesNames(std::string_view property) {
    // Rules, model, layouts, variants, options: the layouts are the third field.
    std::vector<std::string_view> fields;
    while (!property.empty()) {
        const std::size_t end = property.find('\0');
        fields.push_back(property.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        property.remove_prefix(end + 1);
    }
    if (fields.size() < 3) {
        return {};
    }
    const std::vector<std::string> layouts = SplitAtCommas(fields[2]);
    const std::vector<std::string> variants =
        fields.size() > 3 ? SplitAtCommas(fields[3]) : std::vector<std::string>{};
    std::vector<Group> groups;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const std::string variant = i < variants.size() ? variants[i] : std::string();
        // "de(neo)" in the layouts, as some tools write it, is the layout with its variant.
        groups.push_back(variant.empty() ? ParseXkbName(layouts[i]) : Group{layouts[i], variant});
    }
    return XkbGroupChoice(std::move(groups));
}

int XkbGroupChoice::GroupFor(std::string_view name) const {
    if (name.empty()) {
        return -1;
    }
    const std::string_view known = KnownLayout(name);
    const Group wanted = known.empty() ? ParseXkbName(name) : Group{std::string(known), {}};
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        if (groups_[i] == wanted) {
            return static_cast<int>(i);
        }
    }
    if (known.empty()) {
        return -1;
    }
    // A variant of the layout still types the course's characters where the keys are.
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        if (groups_[i].layout == known) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string XkbGroupChoice::NameOf(int group) const {
    if (group < 0 || group >= static_cast<int>(groups_.size()) || groups_[group].layout.empty()) {
        return {};
    }
    for (const KnownLayoutEntry& entry : kKnownLayouts) {
        if (entry.layout == groups_[group].layout && GroupFor(entry.keyboardId) == group) {
            return std::string(entry.keyboardId);
        }
    }
    return XkbName(groups_[group]);
}

std::string_view XkbGroupChoice::KnownLayout(std::string_view keyboardId) {
    for (const KnownLayoutEntry& entry : kKnownLayouts) {
        if (SameIgnoringCase(entry.keyboardId, keyboardId)) {
            return entry.layout;
        }
    }
    return {};
}

std::string XkbGroupChoice::XkbName(const Group& group) {
    if (group.variant.empty()) {
        return group.layout;
    }
    return group.layout + "(" + group.variant + ")";
}
