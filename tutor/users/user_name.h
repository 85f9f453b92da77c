#pragma once

#include <optional>
#include <string>
#include <string_view>

/// The rules for user names: which characters a name may hold, how names compare (without
/// regard to letter case, for the letters of the program's code page too) and how a name
/// becomes a file name (its code-page bytes as UTF-8) and is found again on a file system that
/// tells letter cases apart.
class UserName {
  public:
    UserName() = delete;

    /// A letter or digit of the program's code page, or a space.
    static bool IsNameCharacter(char c);
    /// The name without every character that IsNameCharacter refuses.
    static std::string Clean(std::string_view name);

    static bool EqualIgnoringCase(std::string_view a, std::string_view b);
    /// The name in small letters (of the code page), so that names equal ignoring letter case
    /// give one text; a letter whose small form the page lacks stays as it is.
    static std::string FoldCase(std::string_view name);
    static bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

    /// A name that names a file inside its folder: not empty, no "/", no "..", no NUL.
    static bool IsSafe(std::string_view name);

    /// The file name of name + extension (both code-page text) in UTF-8.
    static std::string FileName(std::string_view name, std::string_view extension);
    /// The code-page text of a file name read from the file system.
    static std::string FromFileName(std::string_view fileName);

    /// The base path (folder + file name without the extension) of the regular file in
    /// folder that is name + extension ignoring letter case; an exact match is preferred.
    /// Nothing when no such file exists. folder ends with "/".
    static std::optional<std::string> FindBase(const std::string& folder, std::string_view name,
                                               std::string_view extension);
    /// The existing file's base path when there is one, else folder + the name as a file name.
    static std::string BasePath(const std::string& folder, std::string_view name,
                                std::string_view extension);
};
