// The icon files the package gives the desktop: every size of the theme is there and is the
// drawing of the window's icon, the scalable icon shows the same picture without needing a
// font, and the generator gives the same bytes each time.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include "tester/ui/morvik_icon.h"
#include "tutor/practice/ui/kelvane_icon.h"

namespace {

const QString kIconRoot = QStringLiteral(KELVANE_ICON_DIR "/hicolor/");

QIcon ProgramIcon(const QString& name) {
    return name == QLatin1String("kelvane") ? KelvaneIcon() : MorvikIcon();
}

QImage Premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The mean difference per channel of two images of one size, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = Premultiplied(a);
    const QImage y = Premultiplied(b);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

// The icon files below root ("16x16/apps/kelvane.png", ...), sorted.
QStringList IconFiles(const QString& root) {
    QStringList files;
    for (const QString& sub : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString& file : QDir(root + sub + "/apps").entryList(QDir::Files)) {
            files << sub + "/apps/" + file;
        }
    }
    files.sort();
    return files;
}

QByteArray Digest(const QString& root, const QStringList& files) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& file : files) {
        QFile f(root + file);
        if (!f.open(QIODevice::ReadOnly)) {
            return {};
        }
        hash.addData(file.toUtf8());
        hash.addData(f.readAll());
    }
    return hash.result();
}

}  // namespace

class IconFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void EverySizeIsTheWindowIconsDrawing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        for (const QString& name : {QStringLiteral("kelvane"), QStringLiteral("morvik")}) {
            for (int size : {16, 32, 48, 64, 128, 256}) {
                const QString row = name + QLatin1Char(' ') + QString::number(size);
                QTest::newRow(qPrintable(row)) << name << size;
            }
        }
    }
    void EverySizeIsTheWindowIconsDrawing() {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QString path = kIconRoot + QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name);
        QImage file(path);
        QVERIFY2(!file.isNull(), qPrintable(path));
        QCOMPARE(file.size(), QSize(size, size));
        QVERIFY(file.hasAlphaChannel());
        // A shape on a clear ground, not a filled square.
        QCOMPARE(qAlpha(file.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(file.pixel(size / 2, size / 2)), 255);

        const QImage window = ProgramIcon(name).pixmap(QSize(size, size)).toImage();
        QCOMPARE(window.size(), QSize(size, size));
        QCOMPARE(Premultiplied(window), Premultiplied(file));
    }

    void ScalableIconShowsTheSamePictureWithoutAFont_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("kelvane") << QStringLiteral("kelvane");
        QTest::newRow("morvik") << QStringLiteral("morvik");
    }
    void ScalableIconShowsTheSamePictureWithoutAFont() {
        QFETCH(QString, name);
        const QString path = kIconRoot + QStringLiteral("scalable/apps/%1.svg").arg(name);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray svg = file.readAll();
        // Text would be drawn with whatever font the viewer has.
        QVERIFY(!svg.contains("<text"));

        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 256, 256));
        QImage rendered(256, 256, QImage::Format_ARGB32_Premultiplied);
        rendered.fill(Qt::transparent);
        QPainter painter(&rendered);
        renderer.render(&painter);
        painter.end();
        const QImage png(kIconRoot + QStringLiteral("256x256/apps/%1.png").arg(name));
        // Two renderers of one drawing differ only along the anti-aliased edges.
        const double difference = MeanDifference(rendered, png);
        qInfo("mean difference %.3f", difference);
        QVERIFY2(difference < 1.5, qPrintable(QString::number(difference)));
    }

    void GeneratorGivesTheSameBytesAgain() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess generator;
        generator.start(QStringLiteral(KELVANE_ICONGEN), {dir.path()});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 0);
        const QStringList files = IconFiles(kIconRoot);
        // Six sizes and the scalable icon of each program.
        QCOMPARE(files.size(), 14);
        QCOMPARE(IconFiles(dir.path() + "/hicolor/"), files);
        QCOMPARE(Digest(dir.path() + "/hicolor/", files), Digest(kIconRoot, files));
    }
};

QTEST_MAIN(IconFilesTest)
#include "icon_files_test.moc"
