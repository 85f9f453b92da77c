#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The locales behind the language and country lists of the test pages. The system's locales
/// come from the list of supported locales that Debian's "locales" package keeps; a language
/// is known to our files by its Windows locale identifier (1033 en-US, 1031 de-DE, 1029 cs-CZ),
/// from a table of ours. The windows give the names (in English, by Qt's locale data).
class LocaleTable {
  public:
    static constexpr const char* kSupportedFile = "/usr/share/i18n/SUPPORTED";

    /// A locale as language, territory and script of a name such as "sr_RS@latin".
    struct Locale {
        std::string language;
        std::string territory;
        /// "Latin" or "Cyrillic" for the script variants, else empty.
        std::string script;

        bool operator==(const Locale&) const = default;
    };

    struct Language {
        std::int32_t windowsId = 0;
        Locale locale;

        bool operator==(const Language&) const = default;
    };

    /// The locale names of a SUPPORTED file ("en_US.UTF-8 UTF-8" gives "en_US", "sr_RS@latin
    /// UTF-8" gives "sr_RS@latin"; "@euro" and the character set are dropped), each once, in
    /// file order. Comment and empty lines are skipped.
    static std::vector<std::string> ParseSupported(std::string_view contents);
    /// The locale names of the system; empty when the file is missing.
    static std::vector<std::string> ReadSupported(const std::string& path = kSupportedFile);

    /// The Windows identifier of a locale name ("de_DE" gives 1031); a script variant without
    /// an identifier of its own takes its language's.
    static std::optional<std::int32_t> WindowsId(std::string_view localeName);
    /// The locale of an identifier of the table.
    static std::optional<Locale> LocaleOf(std::int32_t windowsId);
    static Locale SplitName(std::string_view localeName);

    /// The languages of the given locale names that have an identifier, each identifier once.
    /// Without any locale names (no list on this system) every language of the table.
    static std::vector<Language> Languages(const std::vector<std::string>& localeNames);
    /// The territory codes ("US", "DE") of the given locale names, each once, sorted.
    static std::vector<std::string> Territories(const std::vector<std::string>& localeNames);
};
