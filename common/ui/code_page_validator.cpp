#include "common/ui/code_page_validator.h"

#include <QLineEdit>

#include "common/code_page.h"

namespace {

// The code page shows its undefined bytes as these private-use characters; they stand for no
// character a person can mean.
constexpr char32_t kUndefinedFirst = 0xF000;
constexpr char32_t kUndefinedLast = 0xF0FF;

}  // namespace

CodePageValidator::CodePageValidator(QObject* parent) : QValidator(parent) {}

bool CodePageValidator::Fits(const QString& text) {
    const CodePage& page = CodePage::Program();
    for (char32_t cp : text.toUcs4()) {
        if (cp >= kUndefinedFirst && cp <= kUndefinedLast) {
            return false;
        }
        if (!page.ByteOf(cp)) {
            return false;
        }
    }
    return true;
}

QValidator::State CodePageValidator::validate(QString& input, int& /*pos*/) const {
    return Fits(input) ? Acceptable : Invalid;
}

void CodePageValidator::Apply(QLineEdit* edit) {
    edit->setValidator(new CodePageValidator(edit));
}
