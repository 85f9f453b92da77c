#pragma once

#include <QUrl>

#include <functional>

/// Hands web addresses, mail addresses and files to the desktop (QDesktopServices). Tests
/// put a recorder in its place so that no browser, mail program or viewer starts.
class UrlOpener {
  public:
    using Function = std::function<bool(const QUrl&)>;

    /// True when the desktop accepted the URL.
    static bool Open(const QUrl& url);

    /// Replaces the desktop for every later Open; an empty function restores it.
    static void Replace(Function opener);
};
