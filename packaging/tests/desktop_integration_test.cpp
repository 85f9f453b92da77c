// What the package tells the desktop: the menu entries, the file types and the software
// centre's metadata pass their validators, agree with each other, with the icons and with the
// screenshots, and a file is known as its program's by its name alone.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QMimeDatabase>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString kPackaging = QStringLiteral(KELVANE_PACKAGING_DIR "/");
const QString kIcons = QStringLiteral(KELVANE_ICON_DIR "/hicolor/");
const QString kScreenshots = QStringLiteral(KELVANE_SCREENSHOT_DIR "/");
const QStringList kPrograms = {QStringLiteral("kelvane"), QStringLiteral("morvik")};

QString MetainfoPath(const QString& program) {
    return kPackaging + QStringLiteral("org.example.kelvane.%1.metainfo.xml").arg(program);
}

// The keys of the [Desktop Entry] group.
QMap<QString, QString> DesktopEntry(const QString& path) {
    QMap<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return entry;
    }
    bool inGroup = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
        } else if (inGroup && line.contains(QLatin1Char('=')) && !line.startsWith('#')) {
            const qsizetype at = line.indexOf(QLatin1Char('='));
            entry.insert(line.left(at), line.mid(at + 1));
        }
    }
    return entry;
}

QSet<QString> ListValue(const QString& value) {
    QSet<QString> items;
    for (const QString& item : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        items.insert(item);
    }
    return items;
}

struct Metainfo {
    QString id;
    QString launchable;
    QSet<QString> binaries;
    QSet<QString> mediaTypes;
    QString screenshotUrl;
    QSize screenshotSize;
};

Metainfo ReadMetainfo(const QString& path) {
    Metainfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return info;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const QStringView name = xml.name();
        if (name == QLatin1String("id")) {
            info.id = xml.readElementText();
        } else if (name == QLatin1String("launchable")) {
            info.launchable = xml.readElementText();
        } else if (name == QLatin1String("binary")) {
            info.binaries.insert(xml.readElementText());
        } else if (name == QLatin1String("mediatype")) {
            info.mediaTypes.insert(xml.readElementText());
        } else if (name == QLatin1String("image") && info.screenshotUrl.isEmpty()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            info.screenshotSize = QSize(attributes.value(QLatin1String("width")).toInt(),
                                        attributes.value(QLatin1String("height")).toInt());
            info.screenshotUrl = xml.readElementText();
        }
    }
    return info;
}

// The types of the shared MIME info file with their glob patterns.
QMap<QString, QStringList> MimeTypes() {
    QMap<QString, QStringList> types;
    QFile file(kPackaging + QStringLiteral("kelvane-mime.xml"));
    if (!file.open(QIODevice::ReadOnly)) {
        return types;
    }
    QXmlStreamReader xml(&file);
    QString current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("mime-type")) {
            current = xml.attributes().value(QLatin1String("type")).toString();
            types.insert(current, {});
        } else if (xml.name() == QLatin1String("glob")) {
            types[current] << xml.attributes().value(QLatin1String("pattern")).toString();
        }
    }
    return types;
}

// Runs a program to its end; its exit code and everything it printed.
int Run(const QString& program, const QStringList& arguments, QString& output) {
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        output = program + QStringLiteral(" is not installed (scripts/setup.sh installs it)");
        return -1;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        output = program + QStringLiteral(" did not finish");
        return -1;
    }
    output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir mimeData_;

  private slots:
    void initTestCase() {
        // Our file types beside the system's, as after the package's installation; the MIME
        // database reads them at its first use.
        QVERIFY(mimeData_.isValid());
        QVERIFY(QDir().mkpath(mimeData_.filePath(QStringLiteral("mime/packages"))));
        QVERIFY(QFile::copy(kPackaging + QStringLiteral("kelvane-mime.xml"),
                            mimeData_.filePath(QStringLiteral("mime/packages/kelvane.xml"))));
        QString output;
        QCOMPARE(Run(QStringLiteral("update-mime-database"),
                     {mimeData_.filePath(QStringLiteral("mime"))}, output),
                 0);
        qputenv("XDG_DATA_DIRS", (mimeData_.path() + QStringLiteral(":/usr/share")).toUtf8());
    }

    void ValidatorsAcceptTheFiles_data() {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        for (const QString& program : kPrograms) {
            QTest::newRow(qPrintable(program + QStringLiteral(".desktop")))
                << QStringLiteral("desktop-file-validate")
                << QStringList{kPackaging + program + QStringLiteral(".desktop")};
            QTest::newRow(qPrintable(program + QStringLiteral(" metainfo")))
                << QStringLiteral("appstreamcli")
                << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                               QStringLiteral("--pedantic"), MetainfoPath(program)};
        }
    }
    void ValidatorsAcceptTheFiles() {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        QString output;
        const int exitCode = Run(validator, arguments, output);
        QVERIFY2(exitCode == 0, qPrintable(output));
        // Hints, warnings and pedantic remarks are fixed too, not only errors.
        if (validator == QLatin1String("desktop-file-validate")) {
            QVERIFY2(output.trimmed().isEmpty(), qPrintable(output));
        } else {
            QVERIFY2(output.contains(QLatin1String("Validation was successful.")),
                     qPrintable(output));
        }
    }

    void EntryStartsItsProgramWithTheFileAndShowsItsIcon_data() {
        QTest::addColumn<QString>("program");
        for (const QString& program : kPrograms) {
            QTest::newRow(qPrintable(program)) << program;
        }
    }
    void EntryStartsItsProgramWithTheFileAndShowsItsIcon() {
        QFETCH(QString, program);
        const QMap<QString, QString> entry =
            DesktopEntry(kPackaging + program + QStringLiteral(".desktop"));
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        // A double-clicked file arrives as the program's one argument.
        QCOMPARE(entry.value(QStringLiteral("Exec")), program + QStringLiteral(" %f"));
        QCOMPARE(entry.value(QStringLiteral("Icon")), program);
        QVERIFY(ListValue(entry.value(QStringLiteral("Categories")))
                    .contains(QStringLiteral("Education")));
        for (const QString& key :
             {QStringLiteral("Name"), QStringLiteral("GenericName"), QStringLiteral("Comment")}) {
            QVERIFY2(!entry.value(key).isEmpty(), qPrintable(key));
        }
        for (const QString& size :
             {QStringLiteral("16x16"), QStringLiteral("32x32"), QStringLiteral("48x48"),
              QStringLiteral("64x64"), QStringLiteral("128x128"), QStringLiteral("256x256")}) {
            const QString icon = kIcons + size + QStringLiteral("/apps/") + program + ".png";
            QVERIFY2(QFile::exists(icon), qPrintable(icon));
        }
        QVERIFY(QFile::exists(kIcons + QStringLiteral("scalable/apps/") + program + ".svg"));

        const Metainfo info = ReadMetainfo(MetainfoPath(program));
        QCOMPARE(info.id, QStringLiteral("org.example.kelvane.") + program);
        QCOMPARE(info.launchable, program + QStringLiteral(".desktop"));
        QCOMPARE(info.binaries, QSet<QString>{program});
        QCOMPARE(info.mediaTypes, ListValue(entry.value(QStringLiteral("MimeType"))));
    }

    void EveryFileTypeBelongsToOneProgram() {
        const QMap<QString, QStringList> types = MimeTypes();
        QCOMPARE(types.size(), 3);
        QSet<QString> claimed;
        for (const QString& program : kPrograms) {
            const QSet<QString> own =
                ListValue(DesktopEntry(kPackaging + program + QStringLiteral(".desktop"))
                              .value(QStringLiteral("MimeType")));
            QVERIFY2(!own.isEmpty(), qPrintable(program));
            QVERIFY2(!claimed.intersects(own), qPrintable(program));
            claimed.unite(own);
        }
        const QStringList keys = types.keys();
        QCOMPARE(claimed, QSet<QString>(keys.begin(), keys.end()));
    }

    void FileNameGivesItsProgramsType_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("type");
        QTest::newRow("results of the tutor") << "lesson 3.stat"
                                              << "application/x-kelvane-results";
        QTest::newRow("capital extension") << "RUN.STAT"
                                           << "application/x-kelvane-results";
        QTest::newRow("test definition") << "exam.mvkt"
                                         << "application/x-morvik-test";
        QTest::newRow("test results") << "pupil.2mvk"
                                      << "application/x-morvik-results";
        QTest::newRow("results with a dot in the name") << "anna.monday.2mvk"
                                                        << "application/x-morvik-results";
        QTest::newRow("someone else's text") << "notes.txt"
                                             << "text/plain";
    }
    void FileNameGivesItsProgramsType() {
        QFETCH(QString, fileName);
        QFETCH(QString, type);
        QMimeDatabase database;
        QCOMPARE(database.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension).name(), type);
    }

    void ScreenshotIsTheOneTheMetadataNames_data() {
        QTest::addColumn<QString>("program");
        for (const QString& program : kPrograms) {
            QTest::newRow(qPrintable(program)) << program;
        }
    }
    void ScreenshotIsTheOneTheMetadataNames() {
        QFETCH(QString, program);
        const Metainfo info = ReadMetainfo(MetainfoPath(program));
        QVERIFY(info.screenshotUrl.startsWith(QLatin1String("https://")));
        const QString name = info.screenshotUrl.section(QLatin1Char('/'), -1);
        const QImage image(kScreenshots + name);
        QVERIFY2(!image.isNull(), qPrintable(kScreenshots + name));
        QCOMPARE(image.size(), info.screenshotSize);
        // A window with its menu and contents, not an empty or unpainted surface.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4) {
                colours.insert(image.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() > 16, qPrintable(QString::number(colours.size())));
    }
};

QTEST_GUILESS_MAIN(DesktopIntegrationTest)
#include "desktop_integration_test.moc"
