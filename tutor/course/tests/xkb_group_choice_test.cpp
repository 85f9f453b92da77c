#include "tutor/course/xkb_group_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Group = XkbGroupChoice::Group;
using Groups = std::vector<Group>;
using namespace std::string_literals;

struct RulesCase {
    const char* what;
    std::string property;
    Groups groups;
};

class RulesNames : public testing::TestWithParam<RulesCase> {};

TEST_P(RulesNames, GiveTheGroupsInOrder) {
    EXPECT_EQ(XkbGroupChoice::FromRulesNames(GetParam().property).groups(), GetParam().groups);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RulesNames,
    testing::Values(RulesCase{"one layout", "evdev\0pc105\0us\0\0\0"s, {{"us", ""}}},
                    RulesCase{"variants aligned, the first empty",
                              "evdev\0pc105\0us,de\0,nodeadkeys\0grp:alt_shift_toggle\0"s,
                              {{"us", ""}, {"de", "nodeadkeys"}}},
                    RulesCase{"fewer variants than layouts",
                              "evdev\0pc105\0cz,us,fr\0qwerty\0\0"s,
                              {{"cz", "qwerty"}, {"us", ""}, {"fr", ""}}},
                    RulesCase{"spaces around names",
                              "evdev\0pc105\0 us , de \0\0\0"s,
                              {{"us", ""}, {"de", ""}}},
                    RulesCase{"an empty entry keeps the places of those after it",
                              "evdev\0pc105\0us,,de\0\0\0"s,
                              {{"us", ""}, {"", ""}, {"de", ""}}},
                    RulesCase{"only four groups exist",
                              "evdev\0pc105\0us,de,cz,fr,gb\0\0\0"s,
                              {{"us", ""}, {"de", ""}, {"cz", ""}, {"fr", ""}}},
                    RulesCase{"a variant written with its layout",
                              "evdev\0pc105\0de(neo),us\0\0\0"s,
                              {{"de", "neo"}, {"us", ""}}},
                    RulesCase{"no variants field", "evdev\0pc105\0gb"s, {{"gb", ""}}},
                    RulesCase{"no layouts field", "evdev\0pc105\0"s, {}},
                    RulesCase{"no property", ""s, {}},
                    RulesCase{"empty layouts", "evdev\0pc105\0\0\0\0"s, {}}),
    [](const testing::TestParamInfo<RulesCase>& info) { return std::to_string(info.index); });

struct ChoiceCase {
    const char* what;
    Groups groups;
    std::string name;
    int group;
};

class GroupFor : public testing::TestWithParam<ChoiceCase> {};

TEST_P(GroupFor, ChoosesTheGroupOfTheName) {
    const ChoiceCase& c = GetParam();
    EXPECT_EQ(XkbGroupChoice(c.groups).GroupFor(c.name), c.group) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, GroupFor,
    testing::Values(
        ChoiceCase{"us", {{"us", ""}, {"de", ""}}, "00000409", 0},
        ChoiceCase{"de", {{"us", ""}, {"de", ""}}, "00000407", 1},
        ChoiceCase{"cz", {{"us", ""}, {"cz", ""}}, "00000405", 1},
        ChoiceCase{"fr", {{"fr", ""}}, "0000040C", 0},
        ChoiceCase{"fr in lower-case digits", {{"us", ""}, {"fr", ""}}, "0000040c", 1},
        ChoiceCase{"gb", {{"us", ""}, {"de", ""}, {"gb", ""}}, "00000809", 2},
        ChoiceCase{"not configured", {{"us", ""}, {"de", ""}}, "0000040C", -1},
        ChoiceCase{"an identifier we have no layout for", {{"us", ""}, {"hu", ""}}, "0000040E", -1},
        ChoiceCase{"plain layout wins over a variant before it",
                   {{"de", "nodeadkeys"}, {"de", ""}},
                   "00000407",
                   1},
        ChoiceCase{"a variant when there is no plain layout",
                   {{"us", ""}, {"de", "nodeadkeys"}},
                   "00000407",
                   1},
        ChoiceCase{"the first of two equal groups", {{"de", ""}, {"de", ""}}, "00000407", 0},
        ChoiceCase{"an XKB name", {{"us", ""}, {"ru", ""}}, "ru", 1},
        ChoiceCase{"an XKB name with its variant",
                   {{"de", ""}, {"de", "nodeadkeys"}},
                   "de(nodeadkeys)",
                   1},
        ChoiceCase{"an XKB name without variant is not the variant",
                   {{"us", ""}, {"de", "nodeadkeys"}},
                   "de",
                   -1},
        ChoiceCase{"an XKB name of a known layout", {{"us", ""}, {"gb", ""}}, "gb", 1},
        ChoiceCase{"an empty name", {{"us", ""}, {"", ""}}, "", -1},
        ChoiceCase{"no groups", {}, "00000409", -1}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::to_string(info.index); });

struct NameCase {
    const char* what;
    Groups groups;
    int group;
    std::string name;
};

class NameOf : public testing::TestWithParam<NameCase> {};

TEST_P(NameOf, NamesTheGroupAndTheNameLeadsBack) {
    const NameCase& c = GetParam();
    const XkbGroupChoice choice(c.groups);
    EXPECT_EQ(choice.NameOf(c.group), c.name) << c.what;
    if (!c.name.empty()) {
        EXPECT_EQ(choice.GroupFor(c.name), c.group) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, NameOf,
    testing::Values(
        NameCase{"us", {{"us", ""}, {"de", ""}}, 0, "00000409"},
        NameCase{"de", {{"us", ""}, {"de", ""}}, 1, "00000407"},
        NameCase{"gb", {{"gb", ""}}, 0, "00000809"},
        NameCase{"a layout we have no identifier for", {{"us", ""}, {"ru", ""}}, 1, "ru"},
        NameCase{"the only German group, a variant", {{"de", "nodeadkeys"}}, 0, "00000407"},
        NameCase{"a variant beside the plain layout",
                 {{"de", ""}, {"de", "nodeadkeys"}},
                 1,
                 "de(nodeadkeys)"},
        NameCase{"the plain layout beside a variant", {{"de", "neo"}, {"de", ""}}, 1, "00000407"},
        NameCase{"a group the list does not reach", {{"us", ""}}, 1, ""},
        NameCase{"an unreadable group", {{"us", ""}}, -1, ""},
        NameCase{"a group listed without a name", {{"us", ""}, {"", ""}}, 1, ""}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::to_string(info.index); });

}  // namespace
