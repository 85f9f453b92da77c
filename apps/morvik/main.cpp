// Morvik, the typing tester.

#include <QApplication>
#include <QGuiApplication>

#include <iostream>
#include <optional>
#include <string>

#include "common/product_version.h"
#include "common/system_clock.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_settings_store.h"
#include "tester/command_line.h"
#include "tester/test_data.h"
#include "tester/ui/c_main_frame.h"
#include "tester/ui/qt_path_settings.h"
#include "tester/ui/report_painter.h"
#include "tester/ui/tester_services.h"

int main(int argc, char** argv) {
    // A report needs Qt's fonts and painting but no window and no display.
    ReportPdfWriter writePdf = [&argc, argv](const TestData& data, const std::string& path) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return ReportPainter::WritePdf(data, path);
    };
    if (std::optional<int> exitCode =
            MorvikCommandLineModes(writePdf).Run(argc, argv, std::cout, std::cerr)) {
        return *exitCode;
    }

    // QApplication takes its own options out of argc and argv.
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zuv SOFTWARE"));
    QApplication::setApplicationName(QString::fromLatin1(kMorvikName));
    QApplication::setApplicationVersion(QString::fromLatin1(
        kProductVersion.data(), static_cast<qsizetype>(kProductVersion.size())));
    QGuiApplication::setDesktopFileName(QStringLiteral("morvik"));

    QtSettingsStore settings(QString::fromLatin1(kMorvikName));
    PrepareProgram(kMorvikName, settings);
    settings.WriteString("", "version", "1.0");
    settings.WriteString("", "file types", "zuvtxt");

    // The services of the program, made once and handed to the window.
    QtPathSettings paths(settings.settings());
    SystemClock clock;
    TestData data;
    CMainFrame frame(TesterServices{settings, paths, clock, data});
    if (argc > 1) {
        frame.SetStartupFile(argv[1]);
    }
    // The window gives itself and its dialogs the program's icon once it is up.
    frame.show();
    return QApplication::exec();
}
