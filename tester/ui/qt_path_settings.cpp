#include "tester/ui/qt_path_settings.h"

#include "common/ui/qt_text.h"

QString QtPathSettings::KeyPath(std::string_view section, std::string_view key) {
    // Section and key names are plain ASCII; the same path as QtSettingsStore gives them.
    QString name = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    if (section.empty()) {
        return name;
    }
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) +
           QLatin1Char('/') + name;
}

std::string QtPathSettings::ReadPath(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::string(defaultValue);
    }
    return PathFromQString(value.toString());
}

void QtPathSettings::WritePath(std::string_view section, std::string_view key,
                               std::string_view path) {
    settings_.setValue(KeyPath(section, key), PathToQString(std::string(path)));
}
