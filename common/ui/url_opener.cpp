#include "common/ui/url_opener.h"

#include <QDesktopServices>

#include <utility>

namespace {

UrlOpener::Function& Replacement() {
    static UrlOpener::Function opener;
    return opener;
}

}  // namespace

bool UrlOpener::Open(const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) {
        return false;
    }
    if (Replacement()) {
        return Replacement()(url);
    }
    return QDesktopServices::openUrl(url);
}

void UrlOpener::Replace(Function opener) {
    Replacement() = std::move(opener);
}
