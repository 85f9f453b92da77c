#pragma once

#include <map>
#include <string>
#include <utility>

#include "common/settings_store.h"

/// A settings store that lives in memory only: for tests and for command-line runs, which
/// must not change the user's settings.
class MemorySettingsStore final : public SettingsStore {
  public:
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool Contains(std::string_view section, std::string_view key) const override;
    void Remove(std::string_view section, std::string_view key) override;

  private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::string> values_;
};
