// Morvik, the typing tester.

#include <QApplication>

#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/command_line_modes.h"
#include "common/product_version.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_settings_store.h"
#include "tester/command_line.h"
#include "tester/ui/c_main_frame.h"
#include "tester/ui/morvik_icon.h"

namespace {

// Modes besides --help and --version: option, its arguments, one line for the usage, and
// the function that does the work without a window and returns the exit code.
std::vector<CommandLineModes::Mode> ProgramModes() {
    auto run = [](std::string option) {
        return [option](const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err) {
            std::vector<std::string> args{option};
            args.insert(args.end(), arguments.begin(), arguments.end());
            return RunMorvikCommandLine(args, out, err);
        };
    };
    const std::string options =
        "[--unit strokes|words] [--points-per-error N] [--duration SECONDS] [--json]";
    return {
        {"--compare", "ORIGINAL TYPED " + options,
         "assess a typed text file against its original and print the results", run("--compare")},
        {"--assess", "RESULTS.2mvk " + options,
         "assess a saved results file again and print the results", run("--assess")},
    };
}

}  // namespace

int main(int argc, char** argv) {
    CommandLineModes modes("morvik", "Morvik", std::string(kProductVersion),
                           "[TEST.mvkt | RESULTS.2mvk]");
    for (CommandLineModes::Mode& mode : ProgramModes()) {
        modes.Add(std::move(mode));
    }
    if (std::optional<int> exitCode = modes.Run(argc, argv, std::cout, std::cerr)) {
        return *exitCode;
    }

    // QApplication takes its own options out of argc and argv.
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zuv SOFTWARE"));
    QApplication::setApplicationName(QStringLiteral("Morvik"));
    QApplication::setApplicationVersion(QString::fromLatin1(
        kProductVersion.data(), static_cast<qsizetype>(kProductVersion.size())));
    QGuiApplication::setDesktopFileName(QStringLiteral("morvik"));
    QApplication::setWindowIcon(MorvikIcon());

    QtSettingsStore settings(QStringLiteral("Morvik"));
    PrepareProgram("Morvik", settings);
    settings.WriteString("", "version", "1.0");
    settings.WriteString("", "file types", "zuvtxt");

    CMainFrame frame(settings);
    if (argc > 1) {
        frame.SetStartupFile(argv[1]);
    }
    frame.show();
    return QApplication::exec();
}
