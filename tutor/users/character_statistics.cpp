#include "tutor/users/character_statistics.h"

#include <algorithm>

std::string CharacterEntry::WrongTypedText() const {
    std::string text = wrongTyped;
    std::replace(text.begin(), text.end(), ' ', '_');
    return text;
}

CharacterStatistics CharacterStatistics::FromRecords(const std::vector<StrokeRecord>& records) {
    CharacterStatistics stats;
    std::array<std::int16_t, 256> slot;
    slot.fill(-1);
    for (const StrokeRecord& record : records) {
        std::int16_t& index = slot[static_cast<unsigned char>(record.expected)];
        if (index < 0) {
            if (stats.entries_.size() >= kMaxCharacters) {
                continue;
            }
            index = static_cast<std::int16_t>(stats.entries_.size());
            stats.entries_.push_back(CharacterEntry{record.expected, 0, 0, 0, {}});
        }
        CharacterEntry& entry = stats.entries_[static_cast<std::size_t>(index)];
        ++entry.strokes;
        entry.summedDelayMs += record.delayMs;
        if (record.typed != record.expected) {
            ++entry.wrong;
            entry.wrongTyped.push_back(record.typed);
        }
    }
    return stats;
}

std::vector<CharacterEntry> CharacterStatistics::TypedEntries() const {
    std::vector<CharacterEntry> typed;
    for (const CharacterEntry& entry : entries_) {
        if (entry.AverageDelayMs() > 0) {
            typed.push_back(entry);
        }
    }
    return typed;
}

int CharacterStatistics::ErrorClass(double errorRate, double errorLimit) {
    if (errorRate == 0.0 || errorRate < 2.5 * errorLimit) {
        return 0;
    }
    if (errorRate < 5.0 * errorLimit) {
        return 1;
    }
    if (errorRate < 8.75 * errorLimit) {
        return 2;
    }
    if (errorRate < 12.5 * errorLimit) {
        return 3;
    }
    return 4;
}

int CharacterStatistics::DelayAtLimit(int speedLimit) {
    return speedLimit == 0 ? 0 : 60000 / speedLimit;
}

int CharacterStatistics::SpeedClass(int averageDelayMs, int speedLimit) {
    const double t = DelayAtLimit(speedLimit);
    const double d = averageDelayMs;
    if (d < 0.4 * t) {
        return 0;
    }
    if (d < 0.8 * t) {
        return 1;
    }
    if (d < 1.2 * t) {
        return 2;
    }
    if (d < 1.6 * t) {
        return 3;
    }
    return 4;
}

std::string CharacterStatistics::DisplayName(char character) {
    return character == ' ' ? std::string("Space") : std::string(1, character);
}

namespace {

std::string JoinNames(const std::vector<CharacterEntry>& entries) {
    std::string list;
    for (const CharacterEntry& entry : entries) {
        if (!list.empty()) {
            list += ", ";
        }
        list += CharacterStatistics::DisplayName(entry.character);
    }
    return list;
}

}  // namespace

std::string CharacterStatistics::WrongCharacterList() const {
    std::vector<CharacterEntry> wrong;
    for (const CharacterEntry& entry : entries_) {
        if (entry.wrong > 0) {
            wrong.push_back(entry);
        }
    }
    std::stable_sort(
        wrong.begin(), wrong.end(),
        [](const CharacterEntry& a, const CharacterEntry& b) { return a.wrong > b.wrong; });
    return JoinNames(wrong);
}

std::string CharacterStatistics::SlowCharacterList(int speedLimit) const {
    std::vector<CharacterEntry> slow;
    for (const CharacterEntry& entry : TypedEntries()) {
        if (entry.strokes >= kSlowMinimumStrokes &&
            SpeedClass(entry.AverageDelayMs(), speedLimit) >= 3) {
            slow.push_back(entry);
        }
    }
    return JoinNames(slow);
}
