#pragma once

#include <string>
#include <string_view>

/// The per-user settings store: program, then section, then value name. Every read names its
/// default. Texts are bytes of the program's code page. An empty section is the program's own
/// section. The programs use QtSettingsStore (QSettings under "zuv SOFTWARE"); tests and the
/// command-line modes use MemorySettingsStore.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual int ReadInt(std::string_view section, std::string_view key, int defaultValue) const = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    virtual bool Contains(std::string_view section, std::string_view key) const = 0;
    virtual void Remove(std::string_view section, std::string_view key) = 0;
};
