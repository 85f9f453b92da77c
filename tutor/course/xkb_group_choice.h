#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Which group of an X keyboard serves which keyboard type. An X server keeps up to four
/// layouts side by side as groups of one keymap; the root window property "_XKB_RULES_NAMES"
/// says which layout (and variant) each group holds. Switching a layout on X means locking its
/// group, so the tutor can only switch to a layout the user has configured.
class XkbGroupChoice {
  public:
    /// The groups an X keyboard can hold at most; layouts named beyond them are not reachable.
    static constexpr int kMaxGroups = 4;

    /// One group: its layout ("de") and variant ("nodeadkeys", often empty).
    struct Group {
        std::string layout;
        std::string variant;

        bool operator==(const Group&) const = default;
    };

    XkbGroupChoice() = default;
    explicit XkbGroupChoice(std::vector<Group> groups);

    /// From the value of "_XKB_RULES_NAMES": rules, model, layouts, variants and options, each
    /// ended by a zero byte; layouts and variants are lists separated by commas, the variants
    /// aligned with the layouts (a missing one is empty). A value that is not of this form
    /// gives no groups.
    static XkbGroupChoice FromRulesNames(std::string_view property);

    const std::vector<Group>& groups() const { return groups_; }

    /// The group to lock for a layout name, -1 when no group holds it. The name is a keyboard
    /// identifier the tutor knows (KnownLayout) or an XKB name as XkbName writes it. For an
    /// identifier the group with the plain layout wins over one with a variant; an XKB name
    /// must match layout and variant exactly.
    int GroupFor(std::string_view name) const;

    /// The name of a group, as the tutor remembers it: the keyboard identifier whose choice is
    /// this very group, else the group's XKB name; empty for a group the rules names do not
    /// list. GroupFor(NameOf(g)) == g for every listed group.
    std::string NameOf(int group) const;

    /// The XKB layout of a keyboard identifier the tutor knows ("us" for "00000409"; the
    /// hexadecimal digits in either case), empty for any other name.
    static std::string_view KnownLayout(std::string_view keyboardId);

    /// "layout" or "layout(variant)", the way XKB writes a layout with its variant.
    static std::string XkbName(const Group& group);

  private:
    std::vector<Group> groups_;
};
