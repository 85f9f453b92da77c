#include "tutor/practice/ui/text_panel.h"

#include <QBackingStore>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QtTest>

#include <cmath>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/text_lines.h"
#include "tutor/course/hands_data.h"
#include "tutor/course/helping_keyboard_display.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/tests/test_jpeg_encoder.h"
#include "tutor/course/ui/appearance_pictures.h"
#include "tutor/practice/panel_shapes.h"
#include "tutor/practice/tests/practice_test_support.h"
#include "tutor/users/audio_output.h"

// The panel is checked on its painted pixels, at the screen scale the test runs under
// (QT_SCALE_FACTOR 1, 1.25 and 2). Positions are worked out in the panel's own pixels and
// looked up in the picture at the centre of each.

namespace {

const char kLineEnd = PracticeState::kLineEndMark;

class RecordingAudio final : public AudioOutput {
  public:
    void PlayWav(const std::string& path, bool wait) override {
        played.push_back(path);
        waited.push_back(wait);
    }
    void StopWav() override {}
    void Tone(int, int) override {}
    void Pause(int) override {}
    bool MidiOpen(int) override { return false; }
    void MidiReset() override {}
    void MidiShortMessage(std::uint32_t) override {}
    void MidiClose() override {}

    std::vector<std::string> played;
    std::vector<bool> waited;
};

std::vector<std::string> SourceLines(const std::string& relative) {
    return SplitTextLines(TempDir::ReadAll(std::string(KELVANE_SOURCE_DIR) + "/data/" + relative));
}

// A picture of blocks of 8 x 8 pixels, each of one colour, as a JPEG file.
void WriteBlocks(const TempDir& folder, const std::string& name, int blocksWide, int blocksHigh,
                 const std::function<QColor(int, int)>& colourOf) {
    TestJpegOptions options;
    options.width = 8 * blocksWide;
    options.height = 8 * blocksHigh;
    std::vector<std::uint8_t> samples;
    for (int y = 0; y < options.height; ++y) {
        for (int x = 0; x < options.width; ++x) {
            const QColor colour = colourOf(x / 8, y / 8);
            samples.push_back(static_cast<std::uint8_t>(colour.red()));
            samples.push_back(static_cast<std::uint8_t>(colour.green()));
            samples.push_back(static_cast<std::uint8_t>(colour.blue()));
        }
    }
    const std::vector<std::uint8_t> jpeg = EncodeTestJpeg(options, samples);
    folder.Write(name, std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()));
}

// Frame k of animation picture m is one 8 x 8 block of this colour.
QColor MovieColour(int movie, int frame) {
    return QColor(30 * movie, 20 + 16 * frame, 90);
}

void WriteAppearance(const TempDir& folder) {
    WriteBlocks(folder, "standard/HandsBG.jpg", 35, 5,
                [](int, int) { return QColor(200, 170, 140); });
    WriteBlocks(folder, "standard/StatBG.jpg", 20, 1, [](int, int) { return QColor(30, 40, 90); });
    WriteBlocks(folder, "standard/Background.jpg", 4, 4, [](int x, int y) {
        return (x + y) % 2 ? QColor(248, 244, 230) : QColor(238, 236, 226);
    });
    for (int movie = 0; movie < 8; ++movie) {
        WriteBlocks(folder, "standard/Movie" + std::to_string(movie + 1) + ".jpg", 12, 1,
                    [movie](int frame, int) { return MovieColour(movie, frame); });
    }
}

/// The panel with everything it needs: a course of test lines, the US keyboard and finger
/// outlines of the delivered data, pictures made here, and a session driving the panel as the
/// main window does.
class Rig {
  public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 800;
    static std::vector<std::string> Lines() {
        return {"00000409_a",
                "Panel",
                "fj:1:100:2.0:",
                "fjfj fjfj",
                "jf" + std::string(1, kLineEnd) + "fj",
                "fff jjj",
                "jjj fff"};
    }

    explicit Rig(int handsGroups = 10) : fixture(false, Lines()) {
        WriteAppearance(pictures);
        KeyLayout layout;
        if (!layout.ParseLines(SourceLines("config/00000409.kdd.txt"), "/p/config/00000409.kdd")) {
            qFatal("the keyboard of the data did not load");
        }
        keyboard.SetLayout(std::move(layout));
        std::vector<std::string> handLines = SourceLines("config/hands.ddd.txt");
        if (handsGroups < 10) {
            int ends = 0;
            std::vector<std::string> kept;
            for (const std::string& line : handLines) {
                if (ends < handsGroups) {
                    kept.push_back(line);
                }
                ends += line == "END" ? 1 : 0;
            }
            handLines = kept;
        }
        hands.ParseLines(handLines);
        display = std::make_unique<HelpingKeyboardDisplay>(keyboard, hands);
        appearance = std::make_unique<AppearancePictures>(pictures.path(), messages);
        QImage idle(64, 40, QImage::Format_RGB32);
        idle.fill(QColor(0, 128, 128));
        panel = std::make_unique<TextPanel>(
            TextPanel::Services{fixture.course, *display, *appearance, [idle] { return idle; },
                                &audio, "/p/sounds/wellcome.wav"});
        if (!panel->LoadAppearance("standard")) {
            qFatal("the test pictures did not load");
        }
        session = std::make_unique<PracticeSession>(
            PracticeSession::Services{fixture.clock, fixture.course, fixture.log, fixture.profile,
                                      fixture.settings, *panel, fixture.host, fixture.host,
                                      fixture.host, fixture.host},
            "petr", false);
        fixture.host.Attach(*session);
        session->SetAcceptedCharacters(keyboard.AcceptedCharacters());
        panel->resize(kWidth, kHeight);
        panel->ComputeLayout(true, true, true);
    }

    void Show() {
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        Settle();
    }

    /// The lesson begins as the main window begins it: layout, repaint, focus.
    void Begin(int lesson = 0) {
        Show();
        QVERIFY(session->BeginLesson(lesson));
        panel->ComputeLayout(true, true, true);
        panel->RepaintAll();
        Settle();
    }

    void Type(const std::string& text) {
        fixture.host.Type(text, 150);
        Settle();
    }
    void Tick() {
        QVERIFY(fixture.host.Tick());
        Settle();
    }
    void Settle() { QCoreApplication::processEvents(); }

    /// The panel painted whole from its state.
    QImage Full() const { return panel->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    /// What the screen shows after the repaints so far.
    QImage OnScreen() const {
        // The window's backing store: on this platform an image at the screen's pixel ratio.
        QPaintDevice* device = panel->backingStore()->paintDevice();
        if (device == nullptr || device->devType() != QInternal::Image) {
            qFatal("the window has no image to look at");
        }
        const QImage& image = *static_cast<QImage*>(device);
        return image.copy(QRect(QPoint(0, 0), Full().size())).convertToFormat(QImage::Format_RGB32);
    }

    const TextPanelModel& model() const { return panel->model(); }
    const PanelLayout& layout() const { return panel->model().layout(); }
    qreal ratio() const { return panel->devicePixelRatioF(); }

    /// The device pixel at the centre of panel pixel (x, y).
    QPoint Device(int x, int y) const {
        return QPoint(static_cast<int>(std::floor((x + 0.5) * ratio())),
                      static_cast<int>(std::floor((y + 0.5) * ratio())));
    }
    QColor At(const QImage& image, int x, int y) const { return image.pixelColor(Device(x, y)); }
    /// The device pixels a panel rectangle covers, partly covered ones included.
    QRect DeviceRect(const PanelRect& rect) const {
        const int left = static_cast<int>(std::floor(rect.x * ratio()));
        const int top = static_cast<int>(std::floor(rect.y * ratio()));
        const int right = static_cast<int>(std::ceil(rect.right() * ratio()));
        const int bottom = static_cast<int>(std::ceil(rect.bottom() * ratio()));
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }

    PracticeFixture fixture;
    TempDir pictures;
    RecordingMessageSink messages;
    RecordingAudio audio;
    Keyboard keyboard;
    HandsData hands;
    std::unique_ptr<HelpingKeyboardDisplay> display;
    std::unique_ptr<AppearancePictures> appearance;
    std::unique_ptr<TextPanel> panel;
    std::unique_ptr<PracticeSession> session;
};

// The darkest pixel of an area, by the sum of its channels.
QColor Darkest(const QImage& image, const QRect& area) {
    QColor darkest(255, 255, 255);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < darkest.red() + darkest.green() + darkest.blue()) {
                darkest = c;
            }
        }
    }
    return darkest;
}

bool Near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int CountNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += Near(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
        }
    }
    return count;
}

QRgb Inverted(QRgb pixel) {
    return qRgb(255 - qRed(pixel), 255 - qGreen(pixel), 255 - qBlue(pixel));
}

bool SameIn(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

QString Where(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return QStringLiteral("sizes differ: %1x%2 and %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    }
    int count = 0;
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return QStringLiteral("%1 pixels differ within %2,%3 %4x%5")
        .arg(count)
        .arg(box.x())
        .arg(box.y())
        .arg(box.width())
        .arg(box.height());
}

/// Collects the regions the panel paints.
class PaintWatch final : public QObject {
  public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion painted;
};

qint64 Area(const QRegion& region) {
    qint64 area = 0;
    for (const QRect& rect : region) {
        area += qint64{rect.width()} * rect.height();
    }
    return area;
}

}  // namespace

class TextPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void textFontFitsItsRowAndIsFixedPitch() {
        PanelFont metrics;
        for (int height : {6, 12, 23, 31, 40}) {
            const QFont font = PanelFont::TextFont(height);
            QVERIFY(font.bold());
            const QFontMetrics fm(font);
            QVERIFY2(fm.height() <= height, qPrintable(QString::number(height)));
            // As large as fits: one pixel more would not.
            QFont larger = font;
            larger.setPixelSize(font.pixelSize() + 1);
            QVERIFY(QFontMetrics(larger).height() > height);
            QCOMPARE(metrics.MeasureA(height).width, fm.horizontalAdvance(QLatin1Char('A')));
            QCOMPARE(fm.horizontalAdvance(QLatin1Char('W')),
                     fm.horizontalAdvance(QLatin1Char('i')));
        }
        // The metric twin of "Courier New" when that face is not installed.
        const QString family = QFontInfo(PanelFont::TextFont(40)).family();
        QVERIFY2(family == "Courier New" || family == "Liberation Mono", qPrintable(family));
    }

    void typedTextIsGreyAndTheRestBlackInFixedCells() {
        Rig rig;
        rig.fixture.settings.cursorShape = 2;
        rig.Begin();
        rig.Type("fj");
        const QImage shot = rig.Full();
        for (int column = 0; column < 4; ++column) {
            const QRect cell = rig.DeviceRect(rig.layout().Cell(2, column));
            const QColor darkest = Darkest(shot, cell);
            const QColor want = column < 2 ? QColor(100, 100, 100) : QColor(0, 0, 0);
            QVERIFY2(Near(darkest, want, 12),
                     qPrintable(QStringLiteral("column %1: %2").arg(column).arg(darkest.name())));
        }
        // Each letter sits in its own cell: the gap between two words stays clear.
        const QRect blank = rig.DeviceRect(rig.layout().Cell(2, 4)).adjusted(2, 0, -2, 0);
        QVERIFY(Darkest(shot, blank).red() > 180);
    }

    void wrongStrokeLeavesARedMarkInRowThree() {
        Rig rig;
        rig.fixture.settings.cursorShape = 1;
        rig.Begin();
        const QColor red(200, 20, 20);
        QCOMPARE(CountNear(rig.Full(), rig.DeviceRect(rig.layout().Cell(3, 0)), red, 20), 0);
        rig.Type("d");
        const QImage shot = rig.Full();
        QVERIFY(CountNear(shot, rig.DeviceRect(rig.layout().Cell(3, 0)), red, 20) > 3);
        QCOMPARE(CountNear(shot, rig.DeviceRect(rig.layout().Cell(3, 1)), red, 20), 0);
        QCOMPARE(CountNear(shot, rig.DeviceRect(rig.layout().Cell(2, 0)), red, 20), 0);
    }

    void lineEndMarkIsAnArrowGreyOnceTyped() {
        Rig rig;
        rig.fixture.settings.cursorShape = 1;
        rig.Begin();
        rig.Type("fjfj fjfj");  // on to the line "jf" + mark + "fj"
        QCOMPARE(rig.model().state().lineIndex, 1);
        const PanelRect cell = rig.layout().Cell(2, 2);
        const std::vector<PanelRect> arrow = PanelShapes::ReturnArrow(cell);
        auto strokesIn = [&](const QImage& shot, const QColor& colour) {
            for (const PanelRect& stroke : arrow) {
                for (int x = stroke.x; x < stroke.right(); ++x) {
                    if (rig.At(shot, x, stroke.y) != colour) {
                        return false;
                    }
                }
            }
            return true;
        };
        QVERIFY(strokesIn(rig.Full(), QColor(0, 0, 0)));
        rig.Type("jf\r");
        QCOMPARE(rig.model().state().column, 3);
        QVERIFY(strokesIn(rig.Full(), QColor(100, 100, 100)));
        // No glyph for the mark: its cell is the arrow on the background.
        // (The pixels it shares with the next cell's cursor stay out.)
        const QRect topOfCell =
            rig.DeviceRect(PanelRect{cell.x, cell.y, cell.width, cell.height / 4})
                .adjusted(1, 1, -1, -1);
        QVERIFY(Darkest(rig.Full(), topOfCell).red() > 180);
    }

    void cursorShapeInvertsItsCellOnly_data() {
        QTest::addColumn<int>("shape");
        QTest::newRow("rectangle") << 0;
        QTest::newRow("axe") << 1;
        QTest::newRow("pointer") << 2;
    }
    void cursorShapeInvertsItsCellOnly() {
        QFETCH(int, shape);
        Rig rig;
        rig.fixture.settings.cursorShape = shape;
        rig.fixture.settings.blinkingCursor = 1;
        rig.Begin();
        rig.Type("fj");
        rig.Tick();  // the cursor blinks off at column 2
        QVERIFY(!rig.model().cursorVisible());
        const QImage off = rig.Full();
        rig.Tick();
        QVERIFY(rig.model().cursorVisible());
        const QImage on = rig.Full();
        const CursorShape cursor = CursorShapeOf(shape);
        const QRect cell = rig.DeviceRect(rig.model().CursorCell(2, cursor));
        const QRect text = rig.DeviceRect(rig.layout().TextBackground());
        int changed = 0;
        for (int y = text.top(); y <= text.bottom(); ++y) {
            for (int x = text.left(); x <= text.right(); ++x) {
                if (off.pixel(x, y) == on.pixel(x, y)) {
                    continue;
                }
                ++changed;
                QVERIFY2(cell.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                QCOMPARE(on.pixel(x, y), Inverted(off.pixel(x, y)));
            }
        }
        QVERIFY(changed > 0);
        for (const PanelRect& run :
             PanelShapes::Cursor(cursor, rig.layout().Cell(2, 2), rig.layout().Cell(3, 2))) {
            for (int x = run.x; x < run.right(); ++x) {
                const QPoint p = rig.Device(x, run.y);
                QCOMPARE(on.pixel(p), Inverted(off.pixel(p)));
            }
        }
        // The next tick hides it again: the text is as it was.
        rig.Tick();
        QVERIFY(SameIn(rig.Full(), off, text));
    }

    void barsAtExactlyTheLimitAreRedUpToTheMark() {
        Rig rig;
        rig.Begin();
        rig.panel->ShowProgress(0, 100, 100);
        const QColor red(200, 20, 20);
        const QColor grey(160, 160, 160);
        const StatisticsStrip::Figures figures = rig.model().Figures();
        for (const StatisticsStrip::Bar* bar : {&figures.speed, &figures.error}) {
            const int mark = bar->limitMark.front().x;
            const int top = bar->filled.y;
            QImage shot = rig.Full();
            QCOMPARE(rig.At(shot, mark - 1, top), red);
            QCOMPARE(rig.At(shot, bar->filled.x, top), red);
            QCOMPARE(rig.At(shot, mark, top), QColor(0, 0, 0));
            QCOMPARE(rig.At(shot, mark + 1, top), QColor(255, 255, 255));
            QCOMPARE(rig.At(shot, mark + 2, top), QColor(0, 0, 0));
            QCOMPARE(rig.At(shot, mark + 3, top), QColor(255, 255, 255));
            QCOMPARE(rig.At(shot, bar->frame.x, top), QColor(0, 0, 0));
        }
        // Faster than the limit turns the speed grey; an error rate below it is grey.
        rig.panel->ShowProgress(0, 101, 99);
        const QImage shot = rig.Full();
        const StatisticsStrip::Figures after = rig.model().Figures();
        QCOMPARE(rig.At(shot, after.speed.limitMark.front().x - 1, after.speed.filled.y), grey);
        QCOMPARE(rig.At(shot, after.error.filled.x, after.error.filled.y), grey);
        QCOMPARE(rig.At(shot, after.error.limitMark.front().x - 1, after.error.filled.y),
                 QColor(255, 255, 255));
    }

    // The bars are counted in character cells, and so are their labels: "  Typing Speed"
    // fills the speed bar to its last cell and "  Error Rate" leaves two cells free, however
    // the font's own advance rounds against the cell width.
    void barLabelsKeepToTheirCells_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("1280") << 1280;
        QTest::newRow("900") << 900;
        QTest::newRow("600") << 600;
    }

    void barLabelsKeepToTheirCells() {
        QFETCH(int, width);
        Rig rig;
        rig.panel->resize(width, Rig::kHeight);
        rig.panel->ComputeLayout(true, true, true);
        rig.Begin();
        const QImage shot = rig.Full();
        const int cell = rig.layout().charWidth;
        const StatisticsStrip::Figures figures = rig.model().Figures();
        auto inkInCell = [&](const StatisticsStrip::Bar& bar, int index) {
            const PanelRect inside{bar.frame.x + index * cell, bar.frame.y + 1, cell,
                                   bar.frame.height - 2};
            // The device pixels wholly inside the cell and the frame: on a scaled screen a
            // glyph's or the frame's edge may shade a pixel the cell shares.
            QRect area = rig.DeviceRect(inside).adjusted(1, 1, -1, -1);
            area.setRight(std::min(area.right(), rig.DeviceRect(bar.frame).right() - 2));
            return CountNear(shot, area, QColor(0, 0, 0), 90);
        };
        QCOMPARE(figures.speed.frame.width, 14 * cell);
        QVERIFY2(inkInCell(figures.speed, 13) > 0, "the d of Typing Speed is cut off");
        QVERIFY(inkInCell(figures.error, 11) > 0);
        QCOMPARE(inkInCell(figures.error, 12), 0);
        QCOMPARE(inkInCell(figures.error, 13), 0);
    }

    void sameNextKeyTwiceRestoresKeyboardAndHands() {
        Rig rig;
        rig.fixture.settings.blinkingCursor = 0;
        rig.Begin();
        const QImage plain = rig.Full();
        const QRect keyboard = rig.DeviceRect(rig.layout().keyboard);
        const QRect hands = rig.DeviceRect(rig.layout().hands);
        rig.Tick();
        const QImage lit = rig.Full();
        QVERIFY(!SameIn(lit, plain, keyboard));
        QVERIFY(!SameIn(lit, plain, hands));
        // "f" is typed with the left index finger: its key is inverted inside.
        const std::vector<int> keys = rig.model().InvertedKeys();
        QCOMPARE(keys.size(), std::size_t{1});
        const PanelRect key = rig.model().KeyAt(keys.front()).rect;
        const QPoint inside = rig.Device(key.x + key.width / 2, key.y + key.height - 3);
        QCOMPARE(lit.pixel(inside), Inverted(plain.pixel(inside)));
        rig.Tick();
        const QImage again = rig.Full();
        QVERIFY(SameIn(again, plain, keyboard));
        QVERIFY(SameIn(again, plain, hands));
    }

    void incompleteOutlinesShowTheErrorText() {
        Rig rig(9);
        rig.Begin();
        const QRect area = rig.DeviceRect(rig.model().HandsErrorArea());
        QVERIFY(Darkest(rig.Full(), area).red() > 60);
        rig.Tick();
        QVERIFY(Near(Darkest(rig.Full(), area), QColor(0, 0, 0), 10));
    }

    void animationShowsTheChosenFrame() {
        Rig rig;
        rig.Begin();
        rig.panel->ShowProgress(60, 120, 0);  // minute 1, 120 per cent: "Movie3.jpg"
        rig.panel->NextMovieFrame();
        rig.panel->NextMovieFrame();
        const PanelRect square = rig.layout().MovieSquare();
        const QColor shown =
            rig.At(rig.Full(), square.x + square.width / 2, square.y + square.height / 2);
        QVERIFY2(Near(shown, MovieColour(2, 1), 6), qPrintable(shown.name()));
    }

    void strokeRepaintsOnlyWhatChanged() {
        Rig rig;
        rig.fixture.settings.cursorShape = 0;
        rig.Begin();
        rig.Tick();
        PaintWatch watch(rig.panel.get());
        rig.Type("f");
        const QRegion painted = watch.painted;
        QVERIFY(!painted.isEmpty());
        QVERIFY(
            painted.contains(QRect(rig.layout().Cell(2, 1).x, rig.layout().Cell(2, 1).y, 2, 2)));
        // A few cells, two keys, two fingers and a bar: a small part of the panel.
        QVERIFY2(Area(painted) * 10 < qint64{Rig::kWidth} * Rig::kHeight,
                 qPrintable(QString::number(Area(painted))));
        QVERIFY(!painted.contains(
            QRect(rig.layout().Cell(2, 6).x + 1, rig.layout().Cell(2, 6).y + 1, 2, 2)));
    }

    void incrementalRepaintsShowWhatAFullPaintShows() {
        Rig rig;
        rig.fixture.settings.errorMode = 3;
        rig.fixture.settings.blinkingCursor = 1;
        rig.fixture.settings.cursorShape = 1;
        rig.session->SettingsChanged();
        rig.Begin();
        auto check = [&](const char* step) {
            rig.Settle();
            const QImage screen = rig.OnScreen();
            const QImage full = rig.Full();
            QVERIFY2(screen == full,
                     qPrintable(QStringLiteral("%1: %2").arg(step, Where(screen, full))));
        };
        check("begin");
        rig.Tick();
        check("tick");
        rig.Type("fj");
        check("two strokes");
        rig.Type("x");
        check("wrong stroke");
        rig.Type("\b");
        check("correction");
        rig.Tick();
        rig.Tick();
        check("ticks");
        rig.panel->MetronomeTick();
        QTRY_VERIFY(rig.model().metronomeOn());
        QTRY_VERIFY(!rig.model().metronomeOn());
        check("metronome off");
        rig.Type("fj fjfj");
        check("new line");
        rig.Type("jf\r");
        check("line-end mark");
        for (int shape : {0, 2}) {
            rig.fixture.settings.cursorShape = shape;
            rig.Tick();
            check("another shape");
            rig.Type("f");
            check("a stroke with another shape");
        }
        rig.panel->ShowProgress(75, 130, 40);
        rig.panel->NextMovieFrame();
        check("figures");
    }

    void paintingChangesNoState() {
        Rig rig;
        rig.fixture.settings.blinkingCursor = 1;
        rig.Begin();
        rig.Tick();
        rig.Type("f");
        rig.panel->NextMovieFrame();
        const auto state = [&] {
            const TextPanelModel& m = rig.model();
            return std::make_tuple(m.blinkCounter(), m.cursorVisible(), m.movieCounter(),
                                   m.shownMovieFrame().has_value(), m.InvertedKeys(),
                                   m.InvertedFingers(), rig.display->blinkPhase());
        };
        const auto before = state();
        const QImage first = rig.Full();
        rig.panel->repaint();
        rig.panel->update();
        rig.Settle();
        QCOMPARE(state(), before);
        QCOMPARE(rig.Full(), first);
    }

    void metronomeBeatFromAnotherThreadFlashesTheLine() {
        Rig rig;
        rig.Begin();
        const QImage before = rig.Full();
        QElapsedTimer call;
        call.start();
        std::thread worker([&] { rig.panel->MetronomeTick(); });
        worker.join();
        // Posted, not waited for.
        QVERIFY(call.elapsed() < 25);
        QTRY_VERIFY(rig.model().metronomeOn());
        QElapsedTimer shown;
        shown.start();
        const PanelRect line = rig.layout().MetronomeLine();
        const QImage flash = rig.Full();
        for (int y = line.y; y < line.bottom(); ++y) {
            const QPoint p = rig.Device(line.x + 40, y);
            QCOMPARE(flash.pixel(p), Inverted(before.pixel(p)));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!rig.model().metronomeOn(), 2000);
        QVERIFY(shown.elapsed() >= 20);
        QCOMPARE(rig.Full(), before);
    }

    void idlePictureGreetsOnceWithoutWaiting() {
        Rig rig;
        rig.Show();
        const QImage shot = rig.Full();
        QCOMPARE(rig.At(shot, Rig::kWidth / 2, Rig::kHeight / 2), QColor(0, 128, 128));
        QCOMPARE(rig.audio.played, (std::vector<std::string>{"/p/sounds/wellcome.wav"}));
        QCOMPARE(rig.audio.waited, (std::vector<bool>{false}));
        rig.panel->Repaint();
        rig.panel->hide();
        rig.panel->show();
        QCOMPARE(rig.audio.played.size(), std::size_t{1});
        // The picture is made for the size the panel has when it is painted.
        rig.panel->resize(Rig::kWidth + 120, Rig::kHeight + 60);
        const QImage larger = rig.Full();
        QCOMPARE(rig.At(larger, Rig::kWidth + 115, Rig::kHeight + 55), QColor(0, 128, 128));
        QCOMPARE(rig.At(larger, 2, 2), QColor(0, 128, 128));
    }

    void picturesFollowThePixelRatio() {
        Rig rig;
        rig.Begin();
        const QImage shot = rig.Full();
        QCOMPARE(shot.size(),
                 QSize(qRound(Rig::kWidth * rig.ratio()), qRound(Rig::kHeight * rig.ratio())));
        // The hands background and the animation stretch over their areas, to their edges.
        const PanelRect hands = rig.layout().hands;
        QVERIFY(
            Near(rig.At(shot, hands.right() - 1, hands.bottom() - 1), QColor(200, 170, 140), 8));
        QVERIFY(Near(rig.At(shot, hands.x, hands.y), QColor(200, 170, 140), 8));
    }
};

QTEST_MAIN(TextPanelTest)
#include "text_panel_test.moc"
