// Draws the tutor's pictures into the folder named on the command line:
//   picturegen --hands HANDS_SOURCE OUTPUT_FOLDER
// The program pictures go into the folder itself, each appearance into a subfolder.
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "common/text_lines.h"
#include "tools/picturegen/appearance_style.h"
#include "tools/picturegen/backdrop_painter.h"
#include "tools/picturegen/hands_painter.h"
#include "tools/picturegen/jpeg_writer.h"
#include "tools/picturegen/movie_painter.h"
#include "tools/picturegen/program_pictures.h"

namespace {

int Usage() {
    std::cerr << "usage: picturegen --hands HANDS_SOURCE OUTPUT_FOLDER\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no window; the offscreen platform still gives us the system's fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc != 4 || std::string(argv[1]) != "--hands") {
        return Usage();
    }
    const std::string handsSource = argv[2];
    const std::filesystem::path folder = argv[3];
    QGuiApplication app(argc, argv);

    // The outlines come from the text source of "hands.ddd", read as the tutor reads the file.
    std::ifstream source(handsSource, std::ios::binary);
    std::ostringstream text;
    text << source.rdbuf();
    HandsData hands;
    if (!source || !hands.ParseLines(SplitTextLines(text.str())) || !hands.IsComplete()) {
        std::cerr << "picturegen: " << handsSource << ": cannot read ten finger outlines"
                  << (hands.failedLine() > 0 ? " (line " + std::to_string(hands.failedLine()) + ")"
                                             : std::string())
                  << "\n";
        return 1;
    }

    std::vector<std::pair<std::filesystem::path, QImage>> pictures = {
        {"wellcome.jpg", ProgramPictures::Welcome()},
        {"wellcome2.jpg", ProgramPictures::IdleScreen()},
        {"SmallWindow.jpg", ProgramPictures::SmallWindow()},
        {"Silent.jpg", ProgramPictures::Silent()},
        {"Login.jpg", ProgramPictures::Login()},
    };
    for (const AppearanceStyle& style : {AppearanceStyle::Standard(), AppearanceStyle::Paper()}) {
        const std::filesystem::path sub = style.name.toStdString();
        pictures.emplace_back(sub / "HandsBG.jpg", HandsPainter::Paint(hands, style));
        pictures.emplace_back(sub / "StatBG.jpg", BackdropPainter::StatisticsStrip(style));
        pictures.emplace_back(sub / "Background.jpg", BackdropPainter::Background(style));
        for (int movie = 1; movie <= MoviePainter::kMovies; ++movie) {
            pictures.emplace_back(sub / ("Movie" + std::to_string(movie) + ".jpg"),
                                  MoviePainter::Paint(movie, style));
        }
    }

    for (const auto& [name, image] : pictures) {
        const std::filesystem::path path = folder / name;
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (!JpegWriter::Write(image, path.string())) {
            std::cerr << "picturegen: cannot write " << path.string() << "\n";
            return 1;
        }
    }
    return 0;
}
