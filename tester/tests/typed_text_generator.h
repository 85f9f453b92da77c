#pragma once

// Random texts and typed variants of them (wrong, doubled and transposed letters, omitted and
// extra words, a typist who stopped early) for the property tests of the assessment and of
// what is drawn from it.

#include <random>
#include <string>
#include <vector>

namespace testing_texts {

inline const std::vector<std::string> kWords = {
    "the", "quick", "brown", "fox",    "jumps",     "over",     "lazy",        "dog",
    "a",   "in",    "of",    "typing", "text",      "Morvik",   "keys",        "and",
    "to",  "speed", "error", "word",   "\xE8\x61s", "\x9Akola", "mo\x9En\xE9", "kd\xFD\x9E",
    "I",   "was",   "is",    "on",     "at",        "it"};

class TextGenerator {
  public:
    explicit TextGenerator(unsigned seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string Text(int words) {
        std::string text;
        for (int i = 0; i < words; ++i) {
            if (i > 0) {
                text += Below(12) == 0 ? "\r\n" : " ";
            }
            text += kWords[Below(static_cast<int>(kWords.size()))];
            if (Below(8) == 0) {
                text += Below(2) == 0 ? "," : ".";
            }
        }
        return text;
    }

    // Bytes of every value, NUL and line breaks included.
    std::string Noise(int length) {
        std::string text;
        for (int i = 0; i < length; ++i) {
            text += static_cast<char>(Below(256));
        }
        return text;
    }

    std::string Variant(const std::string& original) {
        std::string typed = original;
        const int edits = Below(8);
        for (int i = 0; i < edits && !typed.empty(); ++i) {
            const int at = Below(static_cast<int>(typed.size()));
            switch (Below(6)) {
                case 0:  // wrong letter
                    typed[at] = static_cast<char>('a' + Below(26));
                    break;
                case 1:  // doubled letter
                    typed.insert(typed.begin() + at, typed[at]);
                    break;
                case 2: {  // omitted word
                    const std::size_t end = typed.find(' ', at);
                    typed.erase(at, end == std::string::npos ? std::string::npos : end - at + 1);
                    break;
                }
                case 3:  // extra word
                    typed.insert(at, kWords[Below(static_cast<int>(kWords.size()))] + " ");
                    break;
                case 4:  // transposed letters
                    if (at + 1 < static_cast<int>(typed.size())) {
                        std::swap(typed[at], typed[at + 1]);
                    }
                    break;
                default:  // the typist stopped early
                    typed.resize(at);
                    break;
            }
        }
        return typed;
    }

  private:
    std::mt19937 random_;
};

}  // namespace testing_texts
