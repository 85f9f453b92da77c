#include "common/memory_settings_store.h"

#include "common/text_number.h"

int MemorySettingsStore::ReadInt(std::string_view section, std::string_view key,
                                 int defaultValue) const {
    auto it = values_.find(Key(section, key));
    return it == values_.end() ? defaultValue : ParseLeadingInt32(it->second);
}

std::string MemorySettingsStore::ReadString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) const {
    auto it = values_.find(Key(section, key));
    return it == values_.end() ? std::string(defaultValue) : it->second;
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    values_[Key(section, key)] = FormatInt(value);
}

void MemorySettingsStore::WriteString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    values_[Key(section, key)] = std::string(value);
}

bool MemorySettingsStore::Contains(std::string_view section, std::string_view key) const {
    return values_.count(Key(section, key)) != 0;
}

void MemorySettingsStore::Remove(std::string_view section, std::string_view key) {
    values_.erase(Key(section, key));
}
