#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

#include "tester/locale_table.h"

/// The language and country lists of the test pages, named in English by Qt's locale data.
struct LocaleNames {
    struct Language {
        std::int32_t windowsId;
        QString name;
    };

    /// "German (Germany)", "Serbian (Latin, Serbia)".
    static QString LanguageName(const LocaleTable::Locale& locale);
    /// The name of an identifier, its number when the table does not know it.
    static QString LanguageName(std::int32_t windowsId);
    /// The languages of the system's locales (LocaleTable), sorted by name.
    static std::vector<Language> Languages(const std::vector<std::string>& localeNames);
    /// The countries of the system's locales, sorted by name.
    static QStringList Countries(const std::vector<std::string>& localeNames);
};
