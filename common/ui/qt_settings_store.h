#pragma once

#include <QSettings>

#include "common/settings_store.h"

/// The settings store of the programs: QSettings with the organisation "zuv SOFTWARE" and the
/// program's name, so the values live in ~/.config/zuv SOFTWARE/<program>.conf. An empty
/// section is the program's own section (QSettings' "General" group).
class QtSettingsStore final : public SettingsStore {
  public:
    /// applicationName: "Kelvane" or "Morvik".
    explicit QtSettingsStore(const QString& applicationName);

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool Contains(std::string_view section, std::string_view key) const override;
    void Remove(std::string_view section, std::string_view key) override;

    QSettings& settings() { return settings_; }

  private:
    static QString KeyPath(std::string_view section, std::string_view key);

    mutable QSettings settings_;
};
