// Kelvane, the touch-typing tutor.

#include <QApplication>

#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/command_line_modes.h"
#include "common/data_paths.h"
#include "common/product_version.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_settings_store.h"
#include "tutor/course/data_check.h"
#include "tutor/practice/ui/c_main_frame.h"
#include "tutor/practice/ui/kelvane_icon.h"
#include "tutor/users/report_command.h"
#include "tutor/users/ui/linux_audio_output.h"

namespace {

// Modes besides --help and --version: option, its arguments, one line for the usage, and
// the function that does the work without a window and returns the exit code.
std::vector<CommandLineModes::Mode> ProgramModes() {
    std::vector<CommandLineModes::Mode> modes;
    modes.push_back(
        {"--check-data", "[FOLDER]",
         "check a data folder (default: the program's) and list every problem",
         [](const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
             if (arguments.size() > 1) {
                 err << "kelvane: --check-data takes at most one folder\n";
                 return 1;
             }
             DataPaths::InitForExecutable(DataPaths::ExecutablePath(), kKelvaneName);
             std::string folder = arguments.empty() ? DataPaths::ProgramFolder() : arguments[0];
             return RunCheckData(folder, out);
         }});
    modes.push_back(
        {"--report", "RUN.stat [--json]",
         "print the figures, grades, character statistics and evaluation of a run",
         [](const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
             DataPaths::InitForExecutable(DataPaths::ExecutablePath(), kKelvaneName);
             return RunReport(arguments, out, err);
         }});
    return modes;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLineModes modes("kelvane", kKelvaneName, std::string(kProductVersion));
    for (CommandLineModes::Mode& mode : ProgramModes()) {
        modes.Add(std::move(mode));
    }
    if (std::optional<int> exitCode = modes.Run(argc, argv, std::cout, std::cerr)) {
        return *exitCode;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zuv SOFTWARE"));
    QApplication::setApplicationName(QString::fromLatin1(kKelvaneName));
    QApplication::setApplicationVersion(QString::fromLatin1(
        kProductVersion.data(), static_cast<qsizetype>(kProductVersion.size())));
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvane"));
    QApplication::setWindowIcon(KelvaneIcon());

    QtSettingsStore settings(QString::fromLatin1(kKelvaneName));
    PrepareProgram(kKelvaneName, settings);

    // The one sound output of the program: its stream opens now on a thread of its own, so the
    // first stroke is heard at once; without a sound device everything stays silent. It lives
    // until the end of main, longer than every window and worker that plays through it, and
    // ends the waits of a playing sound before they close, so closing never waits for one.
    LinuxAudioOutput audio;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&audio] { audio.Shutdown(); });

    CMainFrame frame(settings);
    frame.show();
    return QApplication::exec();
}
