#pragma once

// A typed run for the tester's benchmarks: an original of words with line breaks and a typed
// copy of 10,000 characters with about one edit in twenty characters (wrong, doubled and
// swapped letters, skipped and extra words).

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace typed_run {

inline constexpr std::size_t kTypedLength = 10000;

inline const std::vector<std::string> kWords = {
    "the",   "quick", "brown",    "fox",    "jumps",  "over", "lazy",     "dog",   "typing",
    "speed", "text",  "keyboard", "finger", "letter", "word", "line",     "and",   "of",
    "to",    "in",    "a",        "is",     "was",    "for",  "practice", "every", "day"};

inline std::string Words(std::mt19937& random, std::size_t length) {
    std::string text;
    while (text.size() < length) {
        if (!text.empty()) {
            text += random() % 15 == 0 ? "\r\n" : " ";
        }
        text += kWords[random() % kWords.size()];
    }
    text.resize(length);
    return text;
}

// About one edit in twenty characters: wrong, doubled and swapped letters, skipped and
// extra words.
inline std::string WithErrors(std::mt19937& random, const std::string& original) {
    std::string typed;
    std::size_t i = 0;
    while (i < original.size() && typed.size() < kTypedLength) {
        const unsigned roll = random() % 100;
        if (roll >= 5) {
            typed += original[i++];
            continue;
        }
        switch (random() % 5) {
            case 0:
                typed += static_cast<char>('a' + random() % 26);
                ++i;
                break;
            case 1:
                typed += original[i];
                typed += original[i++];
                break;
            case 2:
                if (i + 1 < original.size()) {
                    typed += original[i + 1];
                    typed += original[i];
                    i += 2;
                }
                break;
            case 3:
                while (i < original.size() && original[i] != ' ') {
                    ++i;
                }
                break;
            default:
                typed += kWords[random() % kWords.size()] + " ";
                break;
        }
    }
    typed.resize(std::min(typed.size(), kTypedLength));
    return typed;
}

}  // namespace typed_run
