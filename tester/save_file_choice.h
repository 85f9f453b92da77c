#pragma once

#include <optional>
#include <string>
#include <string_view>

class YesNoQuestion;

/// The file a save command writes. The save dialog asks before replacing the name the user
/// chose; the extension is appended after that (only when the name does not already end in it,
/// compared case-sensitively), so a name that only then names an existing file is asked about
/// here.
class SaveFileChoice {
  public:
    static constexpr const char* kReplaceQuestion =
        "%s already exists.\nDo you want to replace it?";

    /// The path to write, or nothing when the user would rather not replace the file.
    static std::optional<std::string> Confirm(const std::string& chosen, std::string_view extension,
                                              YesNoQuestion& questions);
};
