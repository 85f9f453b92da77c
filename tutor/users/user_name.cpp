#include "tutor/users/user_name.h"

#include <locale.h>
#include <wctype.h>

#include <filesystem>
#include <system_error>

#include "common/code_page.h"

namespace fs = std::filesystem;

namespace {

// The classification must not depend on the locale the program happens to run in, only on
// Unicode: a UTF-8 locale of our own serves, whatever the process locale is.
locale_t UnicodeLocale() {
    static const locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8", "en_US.utf8"}) {
            locale_t l = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0));
            if (l != static_cast<locale_t>(0)) {
                return l;
            }
        }
        return static_cast<locale_t>(0);
    }();
    return locale;
}

// Without a UTF-8 locale: the Latin letters of the code pages (Basic Latin, Latin-1 and
// Latin Extended-A), which covers the Western and Central European pages.
bool FallbackIsLetter(char32_t cp) {
    return (cp >= U'a' && cp <= U'z') || (cp >= U'A' && cp <= U'Z') ||
           (cp >= 0xC0 && cp <= 0x17F && cp != 0xD7 && cp != 0xF7);
}

char32_t FallbackLower(char32_t cp) {
    if ((cp >= U'A' && cp <= U'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) {
        return cp + 0x20;
    }
    if (cp == 0x178) {
        return 0xFF;
    }
    // Latin Extended-A pairs upper and lower case as even/odd code points, except between
    // U+0139 and U+0148 and between U+0179 and U+017E, where the pairs start at odd ones.
    bool oddUpper = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    bool evenUpper = (cp >= 0x100 && cp <= 0x137 && cp != 0x130) || (cp >= 0x14A && cp <= 0x177);
    if ((oddUpper && cp % 2 == 1) || (evenUpper && cp % 2 == 0)) {
        return cp + 1;
    }
    return cp;
}

bool IsLetterOrDigit(char32_t cp) {
    if (cp >= U'0' && cp <= U'9') {
        return true;
    }
    if (locale_t l = UnicodeLocale(); l != static_cast<locale_t>(0)) {
        return iswalnum_l(static_cast<wint_t>(cp), l) != 0;
    }
    return FallbackIsLetter(cp);
}

char32_t Lower(char32_t cp) {
    if (locale_t l = UnicodeLocale(); l != static_cast<locale_t>(0)) {
        return static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), l));
    }
    return FallbackLower(cp);
}

char32_t FoldedAt(std::string_view text, std::size_t i) {
    return Lower(CodePage::Program().CodePoint(static_cast<unsigned char>(text[i])));
}

}  // namespace

bool UserName::IsNameCharacter(char c) {
    return c == ' ' ||
           IsLetterOrDigit(CodePage::Program().CodePoint(static_cast<unsigned char>(c)));
}

std::string UserName::Clean(std::string_view name) {
    std::string cleaned;
    for (char c : name) {
        if (IsNameCharacter(c)) {
            cleaned += c;
        }
    }
    return cleaned;
}

bool UserName::EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

std::string UserName::FoldCase(std::string_view name) {
    const CodePage& page = CodePage::Program();
    std::string folded(name);
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (std::optional<unsigned char> lower = page.ByteOf(FoldedAt(name, i))) {
            folded[i] = static_cast<char>(*lower);
        }
    }
    return folded;
}

bool UserName::StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (text[i] != prefix[i] && FoldedAt(text, i) != FoldedAt(prefix, i)) {
            return false;
        }
    }
    return true;
}

bool UserName::IsSafe(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos &&
           name.find("..") == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::string UserName::FileName(std::string_view name, std::string_view extension) {
    std::string text(name);
    text.append(extension);
    return CodePage::Program().ToUtf8(text);
}

std::string UserName::FromFileName(std::string_view fileName) {
    return CodePage::Program().FromUtf8(fileName);
}

std::optional<std::string> UserName::FindBase(const std::string& folder, std::string_view name,
                                              std::string_view extension) {
    std::error_code ec;
    const std::string exact = FileName(name, extension);
    if (fs::is_regular_file(fs::path(folder) / exact, ec)) {
        return folder + CodePage::Program().ToUtf8(name);
    }
    // Several files may differ only in letter case; the first in byte order is taken so the
    // choice does not depend on the order in which the folder lists them.
    std::optional<std::string> best;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string fileName = it->path().filename().string();
        // The extension is ours and always written the same way; only the name may differ.
        if (fileName.size() < extension.size() ||
            std::string_view(fileName).substr(fileName.size() - extension.size()) != extension ||
            !it->is_regular_file(ec)) {
            continue;
        }
        // A file name that is not the UTF-8 form of code-page text is none of our users'.
        if (CodePage::Program().ToUtf8(FromFileName(fileName)) != fileName) {
            continue;
        }
        std::string base = fileName.substr(0, fileName.size() - extension.size());
        if (EqualIgnoringCase(FromFileName(base), name) && (!best || base < *best)) {
            best = base;
        }
    }
    if (best) {
        return folder + *best;
    }
    return std::nullopt;
}

std::string UserName::BasePath(const std::string& folder, std::string_view name,
                               std::string_view extension) {
    if (auto found = FindBase(folder, name, extension)) {
        return *found;
    }
    return folder + CodePage::Program().ToUtf8(name);
}
