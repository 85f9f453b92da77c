#include "tutor/users/recent_folder.h"

#include <filesystem>
#include <system_error>

#include "common/settings_store.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

RecentFolder::RecentFolder(SettingsStore& settings, std::string section, std::string key)
    : settings_(settings), section_(std::move(section)), key_(std::move(key)) {}

std::string RecentFolder::Folder(const std::string& fallback) const {
    const std::string folder = Decode(settings_.ReadString(section_, key_, ""));
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) {
        return fallback;
    }
    return folder;
}

void RecentFolder::RememberFileFolder(const std::string& filePath) {
    const std::string folder = std::filesystem::path(filePath).parent_path().string();
    if (!folder.empty()) {
        settings_.WriteString(section_, key_, Encode(folder));
    }
}

std::string RecentFolder::Encode(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || c == '%') {
            text += '%';
            text += kHex[byte >> 4];
            text += kHex[byte & 0x0F];
        } else {
            text += c;
        }
    }
    return text;
}

std::string RecentFolder::Decode(const std::string& text) {
    std::string path;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            path += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            path += text[i];
        }
    }
    return path;
}
