#include "common/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "common/text_number.h"

namespace {

constexpr bool IsWindowsSingleBytePage(int number) {
    return number == 874 || (number >= 1250 && number <= 1258);
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when it is malformed
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char b0 = byte(i);
    std::size_t length;
    char32_t minimum;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        cp = b0 & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

struct ProgramPage {
    std::mutex mutex;
    std::shared_ptr<const CodePage> page;
    // Replaced pages stay alive: callers may still hold a reference from Program().
    std::vector<std::shared_ptr<const CodePage>> retired;
};

ProgramPage& GetProgramPage() {
    static ProgramPage state;
    return state;
}

}  // namespace

CodePage::CodePage(int number) : number_(number) {
    if (!IsWindowsSingleBytePage(number)) {
        throw std::invalid_argument("not a Windows single-byte code page: " + FormatInt(number));
    }
    std::string name = "CP" + FormatInt(number);
    iconv_t cd = iconv_open("UTF-32LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::invalid_argument("iconv cannot convert " + name);
    }
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[8] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        // An undefined byte gets a private-use code point of its own: unique, so it survives
        // a round trip, and never one of the page's real characters.
        char32_t cp = static_cast<char32_t>(0xF000 + b);
        if (result != static_cast<std::size_t>(-1) && outLeft == sizeof out - 4) {
            cp = static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) |
                                       (static_cast<std::uint32_t>(out[3]) << 24));
        }
        toUnicode_[b] = cp;
    }
    iconv_close(cd);
    for (int b = 0; b < 256; ++b) {
        fromUnicode_.emplace(toUnicode_[b], static_cast<unsigned char>(b));
    }
}

std::optional<int> CodePage::ParseName(std::string_view name) {
    std::string lower;
    for (char c : name) {
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    std::string_view digits = lower;
    for (std::string_view prefix : {"windows-", "cp"}) {
        if (digits.substr(0, prefix.size()) == prefix) {
            digits.remove_prefix(prefix.size());
            break;
        }
    }
    if (digits.empty() || digits.size() > 5) {
        return std::nullopt;
    }
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    int number = ParseLeadingInt32(digits);
    if (!IsWindowsSingleBytePage(number)) {
        return std::nullopt;
    }
    return number;
}

std::string CodePage::ToUtf8(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) {
        AppendUtf8(out, toUnicode_[static_cast<unsigned char>(c)]);
    }
    return out;
}

std::optional<unsigned char> CodePage::ByteOf(char32_t codePoint) const {
    auto it = fromUnicode_.find(codePoint);
    if (it == fromUnicode_.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string CodePage::FromUtf8(std::string_view utf8) const {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        std::size_t length = DecodeUtf8(utf8, i, cp);
        if (length == 0) {
            ++i;
            continue;
        }
        i += length;
        if (auto byte = ByteOf(cp)) {
            out += static_cast<char>(*byte);
        }
    }
    return out;
}

bool CodePage::IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        std::size_t length = DecodeUtf8(text, i, cp);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

bool CodePage::IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::string CodePage::DecodeTextFile(std::string_view contents) const {
    if (!IsAscii(contents) && IsValidUtf8(contents)) {
        std::string_view body = contents;
        if (body.substr(0, 3) == "\xEF\xBB\xBF") {
            body.remove_prefix(3);  // byte-order mark
        }
        return FromUtf8(body);
    }
    return std::string(contents);
}

const CodePage& CodePage::Program() {
    ProgramPage& state = GetProgramPage();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (!state.page) {
        state.page = std::make_shared<const CodePage>(1250);
    }
    // The program sets its page once at start, before any other thread exists; the page
    // object itself is never changed, only replaced.
    return *state.page;
}

bool CodePage::SetProgram(std::string_view name) {
    std::optional<int> number = ParseName(name);
    if (!number) {
        return false;
    }
    try {
        auto page = std::make_shared<const CodePage>(*number);
        ProgramPage& state = GetProgramPage();
        std::lock_guard<std::mutex> lock(state.mutex);
        if (state.page) {
            state.retired.push_back(state.page);
        }
        state.page = std::move(page);
        return true;
    } catch (const std::invalid_argument&) {
        return false;
    }
}
