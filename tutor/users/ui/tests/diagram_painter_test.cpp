#include "tutor/users/ui/diagram_painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include <cmath>
#include <vector>

#include "tutor/users/diagram.h"
#include "tutor/users/results_series.h"

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 300;

QFont TestFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

// A run of 60 strokes that speeds up, with an error every seventh stroke.
std::vector<StrokeRecord> KnownRun() {
    std::vector<StrokeRecord> records;
    for (int i = 0; i < 60; ++i) {
        const char expected = static_cast<char>('a' + i % 5);
        const char typed = i % 7 == 3 ? 'x' : expected;
        records.push_back({std::max(90, 420 - 6 * i), expected, typed});
    }
    return records;
}

QColor SeriesColour(const Diagram& diagram) {
    return QColor(diagram.colour().red, diagram.colour().green, diagram.colour().blue);
}

// The device pixel of a logical point.
QColor At(const QImage& image, double x, double y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

double SegmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    double t = length > 0 ? QPointF::dotProduct(p - a, ab) / length : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// Whether the series' pen may cover the logical pixel (x, y).
bool NearSeries(const DiagramPlot& plot, int x, int y) {
    const QPointF p(x + 0.5, y + 0.5);
    for (std::size_t i = 0; i < plot.polyline.size(); ++i) {
        const QPointF a(plot.polyline[i].x, plot.polyline[i].y);
        const QPointF b = i + 1 < plot.polyline.size()
                              ? QPointF(plot.polyline[i + 1].x, plot.polyline[i + 1].y)
                              : a;
        if (SegmentDistance(p, a, b) < 3.5) {
            return true;
        }
    }
    return false;
}

// Where the legend texts may be, as logical rectangles.
std::vector<QRect> LegendBoxes(const DiagramPlot& plot) {
    const QFontMetrics metrics(TestFont());
    const int width = metrics.horizontalAdvance(QStringLiteral("Not qualified")) + 2;
    return {QRect(plot.left + 10, 20, width, metrics.height() + 1),
            QRect(plot.left + 10, plot.limitY + 10, width, metrics.height() + 1)};
}

bool InLegend(const DiagramPlot& plot, int x, int y) {
    for (const QRect& box : LegendBoxes(plot)) {
        if (box.contains(x, y)) {
            return true;
        }
    }
    return false;
}

}  // namespace

class DiagramPainterTest : public QObject {
    Q_OBJECT

  private:
    static void addDiagramRows() {
        QTest::addColumn<int>("which");
        QTest::addColumn<qreal>("ratio");
        const char* names[] = {"average speed", "current speed", "errors"};
        for (int which = 0; which < 3; ++which) {
            for (qreal ratio : {1.0, 2.0}) {
                QTest::addRow("%s at %g", names[which], ratio) << which << ratio;
            }
        }
    }

    static const Diagram& Pick(const ResultsSeries& series, int which) {
        return which == 0 ? series.averageSpeed : which == 1 ? series.currentSpeed : series.errors;
    }

  private slots:
    void PicturesHaveTheDevicePixelsOfTheirRatio_data() { addDiagramRows(); }
    void PicturesHaveTheDevicePixelsOfTheirRatio() {
        QFETCH(int, which);
        QFETCH(qreal, ratio);
        const ResultsSeries series = ResultsSeries::Build(KnownRun(), 120, 2.0);
        const QImage image =
            DiagramPainter::Render(Pick(series, which), QSize(kWidth, kHeight), ratio, TestFont());
        QCOMPARE(image.size(), QSize(qRound(kWidth * ratio), qRound(kHeight * ratio)));
        QCOMPARE(image.devicePixelRatio(), ratio);
    }

    void FrameSurroundsThePlotArea_data() { addDiagramRows(); }
    void FrameSurroundsThePlotArea() {
        QFETCH(int, which);
        QFETCH(qreal, ratio);
        const ResultsSeries series = ResultsSeries::Build(KnownRun(), 120, 2.0);
        const Diagram& diagram = Pick(series, which);
        const QImage image =
            DiagramPainter::Render(diagram, QSize(kWidth, kHeight), ratio, TestFont());
        const DiagramPlot plot = DiagramPlot::Compute(diagram, 0, 0, kWidth, kHeight);
        const int middleX = (plot.left + plot.right) / 2;
        const int middleY = (plot.top + plot.bottom) / 2;
        QCOMPARE(At(image, middleX, plot.top - 5), DiagramPainter::kFrame);
        QCOMPARE(At(image, middleX, plot.bottom + 5), DiagramPainter::kFrame);
        QCOMPARE(At(image, plot.left, middleY), DiagramPainter::kFrame);
        QCOMPARE(At(image, plot.right, middleY), DiagramPainter::kFrame);
        // Three pixels wide, and nothing of it two pixels off.
        QCOMPARE(At(image, middleX, plot.top - 4), DiagramPainter::kFrame);
        QCOMPARE(At(image, middleX, plot.top - 6), DiagramPainter::kFrame);
        QVERIFY(At(image, middleX, plot.top - 8) != DiagramPainter::kFrame);
        QCOMPARE(At(image, 2, 2), DiagramPainter::kBackground);
    }

    void BandEndsOnTheLimitLineOnItsQualifyingSide_data() { addDiagramRows(); }
    void BandEndsOnTheLimitLineOnItsQualifyingSide() {
        QFETCH(int, which);
        QFETCH(qreal, ratio);
        const ResultsSeries series = ResultsSeries::Build(KnownRun(), 120, 2.0);
        const Diagram& diagram = Pick(series, which);
        const QImage image =
            DiagramPainter::Render(diagram, QSize(kWidth, kHeight), ratio, TestFont());
        const DiagramPlot plot = DiagramPlot::Compute(diagram, 0, 0, kWidth, kHeight);
        QVERIFY(plot.limitY > plot.top && plot.limitY < plot.bottom);
        const bool below = diagram.limitFlag() == Diagram::kQualifiedBelow;
        QCOMPARE(below, which == 2);
        const int inside = below ? plot.limitY + 1 : plot.limitY - 1;
        const int outside = below ? plot.limitY - 1 : plot.limitY + 1;
        const int farInside = below ? plot.bottom - 1 : plot.top + 1;
        int checked = 0;
        for (int x = plot.bandLeft + 1; x < plot.bandRight; ++x) {
            if (NearSeries(plot, x, plot.limitY) || InLegend(plot, x, plot.limitY) ||
                InLegend(plot, x, outside) || InLegend(plot, x, farInside)) {
                continue;
            }
            ++checked;
            // The last device row of the limit line's row still belongs to the band.
            const QColor onLine = image.pixelColor(static_cast<int>(x * ratio),
                                                   static_cast<int>((plot.limitY + 1) * ratio) - 1);
            QCOMPARE(onLine, DiagramPainter::kBand);
            QCOMPARE(At(image, x, inside), DiagramPainter::kBand);
            QCOMPARE(At(image, x, outside), DiagramPainter::kBackground);
            if (!NearSeries(plot, x, farInside)) {
                QCOMPARE(At(image, x, farInside), DiagramPainter::kBand);
            }
        }
        QVERIFY2(checked > (plot.bandRight - plot.bandLeft) / 3, "the curve hides most of it");
        // Outside the band's ends the plot keeps the background.
        QCOMPARE(At(image, plot.left + 2, (plot.top + plot.bottom) / 2),
                 DiagramPainter::kBackground);
    }

    void EveryVertexInTheSeriesColour_data() { addDiagramRows(); }
    void EveryVertexInTheSeriesColour() {
        QFETCH(int, which);
        QFETCH(qreal, ratio);
        const ResultsSeries series = ResultsSeries::Build(KnownRun(), 120, 2.0);
        const Diagram& diagram = Pick(series, which);
        const QImage image =
            DiagramPainter::Render(diagram, QSize(kWidth, kHeight), ratio, TestFont());
        const DiagramPlot plot = DiagramPlot::Compute(diagram, 0, 0, kWidth, kHeight);
        QCOMPARE(plot.polyline.size(), diagram.points().size());
        QVERIFY(plot.polyline.size() >= 50);
        for (const Diagram::Point& vertex : plot.polyline) {
            QCOMPARE(At(image, vertex.x, vertex.y), SeriesColour(diagram));
        }
    }

    void WithoutStrokesOnlyFrameAndBandShow_data() { addDiagramRows(); }
    void WithoutStrokesOnlyFrameAndBandShow() {
        QFETCH(int, which);
        QFETCH(qreal, ratio);
        const ResultsSeries series = ResultsSeries::Build({}, 120, 2.0);
        const Diagram& diagram = Pick(series, which);
        const QImage image =
            DiagramPainter::Render(diagram, QSize(kWidth, kHeight), ratio, TestFont());
        const DiagramPlot plot = DiagramPlot::Compute(diagram, 0, 0, kWidth, kHeight);
        QVERIFY(plot.polyline.empty());
        int band = 0;
        for (int y = plot.top; y <= plot.bottom; ++y) {
            for (int x = plot.left + 2; x <= plot.right - 2; ++x) {
                if (InLegend(plot, x, y)) {
                    continue;
                }
                const QColor colour = At(image, x, y);
                QVERIFY2(
                    colour == DiagramPainter::kBand || colour == DiagramPainter::kBackground,
                    qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(colour.name())));
                band += colour == DiagramPainter::kBand;
            }
        }
        QVERIFY(band > 0);
    }

    void ALimitOfZeroStillShowsTheCurve_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
    }
    void ALimitOfZeroStillShowsTheCurve() {
        QFETCH(qreal, ratio);
        const ResultsSeries series = ResultsSeries::Build(KnownRun(), 0, 0.0);
        for (const Diagram* diagram : {&series.averageSpeed, &series.errors}) {
            QCOMPARE(diagram->limit(), 0);
            const QImage image =
                DiagramPainter::Render(*diagram, QSize(kWidth, kHeight), ratio, TestFont());
            const DiagramPlot plot = DiagramPlot::Compute(*diagram, 0, 0, kWidth, kHeight);
            QVERIFY(!plot.polyline.empty());
            for (const Diagram::Point& vertex : plot.polyline) {
                QCOMPARE(At(image, vertex.x, vertex.y), SeriesColour(*diagram));
            }
        }
    }

    void VerticalTitleReadsUpwardsBesideThePlot() {
        const ResultsSeries series = ResultsSeries::Build(KnownRun(), 120, 2.0);
        const QImage image =
            DiagramPainter::Render(series.errors, QSize(kWidth, kHeight), 1.0, TestFont());
        const QFontMetrics metrics(TestFont());
        const int length = metrics.horizontalAdvance(QStringLiteral("Average Error Rate - >"));
        // Ink only in the column right of x = 10, as high as the title is long, centred.
        QRect ink;
        for (int y = 0; y < kHeight - 35; ++y) {
            // The frame begins at x = 29.
            for (int x = 0; x < 28; ++x) {
                if (qGray(image.pixel(x, y)) < 120) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.left() >= 10 && ink.right() <= 10 + metrics.height(),
                 qPrintable(QStringLiteral("columns %1-%2").arg(ink.left()).arg(ink.right())));
        QVERIFY(ink.height() > length * 3 / 4 && ink.height() <= length + 1);
        QVERIFY(std::abs(ink.center().y() - kHeight / 2) <= 6);
    }

    void LegendShortensInANarrowDiagram_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("upper");
        QTest::newRow("wide") << kWidth << QStringLiteral("Qualified");
        QTest::newRow("narrow") << 150 << QStringLiteral("Yes");
    }
    void LegendShortensInANarrowDiagram() {
        QFETCH(int, width);
        QFETCH(QString, upper);
        const ResultsSeries series = ResultsSeries::Build({}, 120, 2.0);
        const QImage image =
            DiagramPainter::Render(series.averageSpeed, QSize(width, kHeight), 1.0, TestFont());
        const DiagramPlot plot = DiagramPlot::Compute(series.averageSpeed, 0, 0, width, kHeight);
        const QFontMetrics metrics(TestFont());
        // The last ink of the upper text, in its rows right of x = left + 10.
        int boxEnd = 0;
        for (int y = 20; y < 20 + metrics.height(); ++y) {
            for (int x = plot.left + 10; x < plot.right - 3; ++x) {
                if (qGray(image.pixel(x, y)) < 120) {
                    boxEnd = std::max(boxEnd, x);
                }
            }
        }
        // The last glyph's ink ends a few pixels before its advance.
        const int textEnd = plot.left + 10 + metrics.horizontalAdvance(upper);
        QVERIFY2(boxEnd <= textEnd && boxEnd >= textEnd - 5,
                 qPrintable(QStringLiteral("ink ends at %1, text from %2 wide %3")
                                .arg(boxEnd)
                                .arg(plot.left + 10)
                                .arg(metrics.horizontalAdvance(upper))));
    }
};

QTEST_MAIN(DiagramPainterTest)
#include "diagram_painter_test.moc"
