#include "common/ui/qt_settings_store.h"

#include "common/ui/qt_text.h"

QtSettingsStore::QtSettingsStore(const QString& applicationName)
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zuv SOFTWARE"),
                applicationName) {}

QString QtSettingsStore::KeyPath(std::string_view section, std::string_view key) {
    QString name = ToQString(key);
    if (section.empty()) {
        return name;
    }
    return ToQString(section) + QLatin1Char('/') + name;
}

int QtSettingsStore::ReadInt(std::string_view section, std::string_view key,
                             int defaultValue) const {
    bool ok = false;
    int value = settings_.value(KeyPath(section, key), defaultValue).toInt(&ok);
    return ok ? value : defaultValue;
}

std::string QtSettingsStore::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const {
    QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::string(defaultValue);
    }
    return FromQString(value.toString());
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    settings_.setValue(KeyPath(section, key), value);
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value) {
    settings_.setValue(KeyPath(section, key), ToQString(value));
}

bool QtSettingsStore::Contains(std::string_view section, std::string_view key) const {
    return settings_.contains(KeyPath(section, key));
}

void QtSettingsStore::Remove(std::string_view section, std::string_view key) {
    settings_.remove(KeyPath(section, key));
}
