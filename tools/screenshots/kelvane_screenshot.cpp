// kelvane_screenshot: the picture of Kelvane's real main window, made offscreen, for the
// software centre (the AppStream metadata names it):
//
//   kelvane_screenshot DATA_FOLDER OUT.png
//
// DATA_FOLDER is a program folder with the pictures (build/bin).

#include <QApplication>

#include <cstdio>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/product_version.h"
#include "tools/screenshots/screenshot_window.h"
#include "tutor/practice/ui/c_main_frame.h"
#include "tutor/practice/ui/kelvane_icon.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelvane_screenshot DATA_FOLDER OUT.png\n");
        return 2;
    }
    ScreenshotWindow::PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kKelvaneName));
    QApplication::setWindowIcon(KelvaneIcon());
    ScreenshotWindow::SetFixedLook();
    DataPaths::SetProgramFolder(argv[1]);

    // A first start: nothing remembered.
    MemorySettingsStore settings;
    CMainFrame frame(settings);
    return ScreenshotWindow::Save(frame, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
