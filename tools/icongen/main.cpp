// icongen: writes the programs' icons for the desktop's icon theme, drawn by the same code
// as the windows' icons (PaintKelvaneIcon, PaintMorvikIcon):
//
//   icongen FOLDER
//
// gives FOLDER/hicolor/<n>x<n>/apps/{kelvane,morvik}.png for every size of kPngSizes and
// FOLDER/hicolor/scalable/apps/{kelvane,morvik}.svg. The same sources give the same bytes.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

#include "tester/ui/morvik_icon.h"
#include "tutor/practice/ui/kelvane_icon.h"

namespace {

constexpr int kPngSizes[] = {16, 32, 48, 64, 128, 256};
// The grid of the scalable icon; its viewers scale it to any size.
constexpr int kSvgSize = 256;

using IconPainter = std::function<void(QPainter&, qreal)>;

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WritePng(const QString& path, const IconPainter& paint, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, size);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") && WriteFile(path, bytes);
}

bool WriteSvg(const QString& path, const QString& title, const IconPainter& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(title);
    svg.setDescription(title + QStringLiteral(" program icon"));
    QPainter painter(&svg);
    paint(painter, kSvgSize);
    painter.end();
    return WriteFile(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen FOLDER\n");
        return 2;
    }
    // Fonts need the application object; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor/");

    struct Icon {
        QString name;
        QString title;
        IconPainter paint;
    };
    const Icon icons[] = {{QStringLiteral("kelvane"), QStringLiteral("Kelvane"), PaintKelvaneIcon},
                          {QStringLiteral("morvik"), QStringLiteral("Morvik"), PaintMorvikIcon}};
    bool ok = true;
    for (const Icon& icon : icons) {
        for (int size : kPngSizes) {
            const QString folder = QStringLiteral("%1x%1/apps/").arg(size);
            ok = WritePng(root + folder + icon.name + QStringLiteral(".png"), icon.paint, size) &&
                 ok;
        }
        ok = WriteSvg(root + QStringLiteral("scalable/apps/") + icon.name + QStringLiteral(".svg"),
                      icon.title, icon.paint) &&
             ok;
    }
    return ok ? 0 : 1;
}
