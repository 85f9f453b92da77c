#pragma once

#include <QSettings>

#include "tester/path_settings.h"

/// Paths in the program's settings file, kept as the UTF-8 they are.
class QtPathSettings final : public PathSettings {
  public:
    /// settings: the QSettings of the program's QtSettingsStore, which must outlive this.
    explicit QtPathSettings(QSettings& settings) : settings_(settings) {}

    std::string ReadPath(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const override;
    void WritePath(std::string_view section, std::string_view key, std::string_view path) override;

  private:
    static QString KeyPath(std::string_view section, std::string_view key);

    QSettings& settings_;
};
