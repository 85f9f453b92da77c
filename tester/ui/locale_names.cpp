#include "tester/ui/locale_names.h"

#include <QLocale>

#include <algorithm>

namespace {

QString Territory(const std::string& code) {
    const QLocale::Territory territory = QLocale::codeToTerritory(QString::fromStdString(code));
    return territory == QLocale::AnyTerritory ? QString::fromStdString(code)
                                              : QLocale::territoryToString(territory);
}

}  // namespace

QString LocaleNames::LanguageName(const LocaleTable::Locale& locale) {
    const QLocale::Language language =
        QLocale::codeToLanguage(QString::fromStdString(locale.language));
    QString name = language == QLocale::AnyLanguage ? QString::fromStdString(locale.language)
                                                    : QLocale::languageToString(language);
    QStringList details;
    if (!locale.script.empty()) {
        details << QString::fromStdString(locale.script);
    }
    if (!locale.territory.empty()) {
        details << Territory(locale.territory);
    }
    if (!details.isEmpty()) {
        name += QStringLiteral(" (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return name;
}

QString LocaleNames::LanguageName(std::int32_t windowsId) {
    if (std::optional<LocaleTable::Locale> locale = LocaleTable::LocaleOf(windowsId)) {
        return LanguageName(*locale);
    }
    return QString::number(windowsId);
}

std::vector<LocaleNames::Language> LocaleNames::Languages(
    const std::vector<std::string>& localeNames) {
    std::vector<Language> languages;
    for (const LocaleTable::Language& language : LocaleTable::Languages(localeNames)) {
        languages.push_back({language.windowsId, LanguageName(language.locale)});
    }
    std::sort(languages.begin(), languages.end(),
              [](const Language& a, const Language& b) { return a.name < b.name; });
    return languages;
}

QStringList LocaleNames::Countries(const std::vector<std::string>& localeNames) {
    QStringList countries;
    for (const std::string& code : LocaleTable::Territories(localeNames)) {
        countries << Territory(code);
    }
    countries.removeDuplicates();
    countries.sort();
    return countries;
}
