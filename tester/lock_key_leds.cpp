#include "tester/lock_key_leds.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "common/text_number.h"

namespace fs = std::filesystem;

LockKeyLeds::LockKeyLeds(std::string ledsFolder) : ledsFolder_(std::move(ledsFolder)) {}

std::optional<bool> LockKeyLeds::Read(std::string_view suffix) const {
    std::error_code ec;
    fs::directory_iterator it(ledsFolder_, ec);
    if (ec) {
        return std::nullopt;
    }
    std::optional<bool> state;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            break;
        }
        std::string name = it->path().filename().string();
        if (name.size() < suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        std::ifstream file(it->path() / "brightness");
        std::string value;
        if (!file || !std::getline(file, value)) {
            continue;
        }
        bool on = ParseLeadingInt32(value) > 0;
        state = state.value_or(false) || on;
    }
    return state;
}
