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
#include "tutor/course/hands_data.h"
#include "tutor/course/helping_keyboard_display.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/ui/appearance_pictures.h"
#include "tutor/practice/ui/c_main_frame.h"
#include "tutor/practice/ui/kelvane_icon.h"
#include "tutor/practice/ui/program_pictures.h"
#include "tutor/practice/ui/text_panel.h"
#include "tutor/practice/ui/tutor_message_boxes.h"

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

    // The window as it stands after a login, before a lesson is chosen: the practice panel
    // with its idle picture, for the US keyboard. A first start: nothing remembered.
    MemorySettingsStore settings;
    TutorMessageBoxes boxes;
    const std::string picturesFolder = DataPaths::DataPath("pictures", "");
    ProgramPictures pictures(picturesFolder);
    if (!pictures.Load()) {
        std::fprintf(stderr, "kelvane_screenshot: no program pictures in %s\n",
                     picturesFolder.c_str());
        return 1;
    }
    AppearancePictures appearance(picturesFolder, boxes);
    LessonCourse course;
    Keyboard keyboard;
    keyboard.LoadKeyboard("00000409");
    HandsData hands;
    hands.LoadHands();
    HelpingKeyboardDisplay display(keyboard, hands);
    auto* panel =
        new TextPanel(TextPanel::Services{course,
                                          display,
                                          appearance,
                                          [&pictures] { return pictures.idleScreen().Decode(); },
                                          nullptr,
                                          {}});
    panel->LoadAppearance("standard");
    CMainFrame frame(settings, boxes, panel, *panel);
    return ScreenshotWindow::Save(frame, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
