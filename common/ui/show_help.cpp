#include "common/ui/show_help.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <string>

#include "common/code_page.h"
#include "common/data_paths.h"
#include "common/message_sink.h"
#include "common/ui/help_window.h"
#include "common/ui/qt_text.h"
#include "common/ui/url_opener.h"

namespace {

bool OpenIfPresent(const std::string& path) {
    QString file = PathToQString(path);
    if (!QFileInfo(file).isFile()) {
        return false;
    }
    return UrlOpener::Open(QUrl::fromLocalFile(file));
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

}  // namespace

HelpShown ShowHelp(QWidget* owner, std::string_view productName, SettingsStore& settings,
                   MessageSink& messages) {
    std::string name(productName);
    if (OpenIfPresent(DataPaths::DataPath("", name + ".chm"))) {
        return HelpShown::Chm;
    }
    if (OpenIfPresent(DataPaths::DataPath("", name + ".hlp"))) {
        return HelpShown::Hlp;
    }

    std::string index = DataPaths::DataPath("help", LowerAscii(name) + "/index.html");
    QString indexFile = PathToQString(index);
    if (QFileInfo(indexFile).isFile()) {
        // The window belongs to its owner and goes with it; the settings must live as long.
        static QPointer<HelpWindow> window;
        if (!window) {
            window = new HelpWindow(settings, ToQString(name), indexFile, owner);
        } else {
            window->browser()->home();
        }
        window->show();
        window->raise();
        window->activateWindow();
        return HelpShown::HtmlWindow;
    }

    std::string folder = CodePage::Program().FromUtf8(DataPaths::ProgramFolder());
    messages.ShowMessage(name,
                         "The help of " + name + " cannot be found in the folder " + folder +
                             ".\r\nThe installation might be incomplete.",
                         MessageSink::Icon::Warning);
    return HelpShown::Missing;
}
