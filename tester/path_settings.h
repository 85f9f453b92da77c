#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

/// Settings that hold file paths. Paths are UTF-8 and must not pass through the code page that
/// the texts of SettingsStore do: a name with a character the code page lacks would come back
/// as another file. Same sections and keys as SettingsStore (an empty section is the
/// program's own).
class PathSettings {
  public:
    virtual ~PathSettings() = default;
    virtual std::string ReadPath(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const = 0;
    virtual void WritePath(std::string_view section, std::string_view key,
                           std::string_view path) = 0;
};

/// Paths kept in memory (tests).
class MemoryPathSettings final : public PathSettings {
  public:
    std::string ReadPath(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const override {
        auto it = values_.find({std::string(section), std::string(key)});
        return it == values_.end() ? std::string(defaultValue) : it->second;
    }
    void WritePath(std::string_view section, std::string_view key, std::string_view path) override {
        values_[{std::string(section), std::string(key)}] = std::string(path);
    }

  private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};
