#include "tutor/users/ui/system_countries.h"

#include <QLocale>

#include "common/ui/code_page_validator.h"
#include "common/ui/qt_text.h"

std::vector<std::string> SystemCountryNames() {
    std::vector<std::string> names;
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        const QString name = QLocale::territoryToString(locale.territory());
        // A name the code page cannot hold whole would be stored mangled.
        if (CodePageValidator::Fits(name)) {
            names.push_back(FromQString(name));
        }
    }
    return names;
}
