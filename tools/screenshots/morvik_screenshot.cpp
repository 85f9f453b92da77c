// morvik_screenshot: the picture of Morvik's real main window, made offscreen, for the
// software centre (the AppStream metadata names it):
//
//   morvik_screenshot DATA_FOLDER OUT.png
//
// DATA_FOLDER is a program folder with the data (build/bin).

#include <QApplication>

#include <cstdio>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/product_version.h"
#include "common/system_clock.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"
#include "tester/ui/c_main_frame.h"
#include "tester/ui/morvik_icon.h"
#include "tester/ui/tester_services.h"
#include "tools/screenshots/screenshot_window.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: morvik_screenshot DATA_FOLDER OUT.png\n");
        return 2;
    }
    ScreenshotWindow::PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kMorvikName));
    QApplication::setWindowIcon(MorvikIcon());
    ScreenshotWindow::SetFixedLook();
    DataPaths::SetProgramFolder(argv[1]);

    // A first start: the welcome text in the original view.
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    SystemClock clock;
    TestData data;
    CMainFrame frame(TesterServices{settings, paths, clock, data});
    return ScreenshotWindow::Save(frame, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
