#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/testing/fake_clock.h"
#include "tutor/users/character_statistics.h"
#include "tutor/users/diagram.h"
#include "tutor/users/evaluation_grades.h"
#include "tutor/users/results_series.h"
#include "tutor/users/run_figures.h"
#include "tutor/users/stroke_log.h"

namespace {

/// count strokes of "a" with the given delay, the wrong ones typed as "x" at the indices given.
std::vector<StrokeRecord> Strokes(int count, int delayMs, std::vector<int> wrong = {}) {
    std::vector<StrokeRecord> records;
    for (int i = 0; i < count; ++i) {
        const bool isWrong = std::find(wrong.begin(), wrong.end(), i) != wrong.end();
        records.push_back({delayMs, 'a', isWrong ? 'x' : 'a'});
    }
    return records;
}

class RunFiguresTest : public testing::Test {
  protected:
    void Fill(const std::vector<StrokeRecord>& records, int speedLimit, double errorLimit,
              int characters) {
        log.Start(3, "petr", errorLimit, speedLimit, characters, "Fourth");
        for (const StrokeRecord& r : records) {
            log.Add(r.expected, r.typed, r.delayMs);
        }
    }
    FakeClock clock;
    StrokeLog log{clock};
};

TEST_F(RunFiguresTest, HundredStrokesInThirtySecondsAgainstOneHundredEighty) {
    Fill(Strokes(100, 300), 180, 2.0, 125);
    const RunFigures f = RunFigures::FromLog(log);
    EXPECT_EQ(f.strokes, 100);
    EXPECT_EQ(f.totalMs, 30000);
    EXPECT_NEAR(f.speedPerMinute(), 200.0, 1e-9);
    EXPECT_DOUBLE_EQ(f.speedLimitPerSecond, 3.0);
    EXPECT_DOUBLE_EQ(f.copiedPercent, 80.0);
    const EvaluationGrades g = EvaluationGrades::Of(f, log.records());
    EXPECT_EQ(g.speed, 44);
    EXPECT_EQ(g.completion, 80);
    EXPECT_EQ(g.rhythm, 0);  // every delay the same

    const ResultsSeries s = ResultsSeries::Build(log.records(), 180, 2.0);
    EXPECT_EQ(s.averageSpeed.limit(), 3000);
    EXPECT_EQ(s.averageSpeed.points().back(), (Diagram::Point{30000, 3333}));
    EXPECT_EQ(s.currentSpeed.points().back(), (Diagram::Point{30000, 3333}));
}

TEST_F(RunFiguresTest, ErrorsAndRatesCountWrongRecords) {
    Fill(Strokes(40, 250, {3, 9}), 120, 2.0, 40);
    const RunFigures f = RunFigures::FromLog(log);
    EXPECT_EQ(f.errors, 2);
    EXPECT_DOUBLE_EQ(f.errorRate, 5.0);
    EXPECT_EQ(EvaluationGrades::Of(f, log.records()).error, 99);  // 125 capped
    EXPECT_EQ(EvaluationGrades::Of(f, log.records()).completion, 100);
}

TEST_F(RunFiguresTest, EmptyLogHasZeroFiguresAndNoPoints) {
    Fill({}, 120, 2.0, 0);
    const RunFigures f = RunFigures::FromLog(log);
    EXPECT_EQ(f.strokes, 0);
    EXPECT_DOUBLE_EQ(f.speedPerSecond, 0.0);
    EXPECT_DOUBLE_EQ(f.errorRate, 0.0);
    EXPECT_DOUBLE_EQ(f.copiedPercent, 0.0);
    // No speed at all is as far from the limit as a speed can be.
    EXPECT_EQ(EvaluationGrades::Of(f, log.records()), (EvaluationGrades{99, 0, 0, 0}));
    const ResultsSeries s = ResultsSeries::Build(log.records(), 120, 2.0);
    EXPECT_TRUE(s.averageSpeed.points().empty());
    EXPECT_EQ(s.averageSpeed.maxY(), 2000);  // the limit alone
    const DiagramPlot plot = DiagramPlot::Compute(s.averageSpeed, 0, 0, 300, 200);
    EXPECT_TRUE(plot.polyline.empty());
}

struct GradeCase {
    double speedPerMinute;
    int speedLimit;
    int speedGrade;
    double errorRate;
    double errorLimit;
    int errorGrade;
};

class Grades : public testing::TestWithParam<GradeCase> {};

TEST_P(Grades, FollowTheDistanceFromTwiceTheLimit) {
    const GradeCase& c = GetParam();
    EXPECT_EQ(EvaluationGrades::SpeedGrade(c.speedPerMinute, c.speedLimit), c.speedGrade);
    EXPECT_EQ(EvaluationGrades::ErrorGrade(c.errorRate, c.errorLimit), c.errorGrade);
}

INSTANTIATE_TEST_SUITE_P(Table, Grades,
                         testing::Values(GradeCase{200, 180, 44, 5.0, 2.0, 99},
                                         GradeCase{0, 100, 99, 0.0, 2.0, 0},
                                         GradeCase{500, 100, 0, 1.0, 2.0, 25},
                                         GradeCase{150, 0, 0, 3.0, 0.0, 0},
                                         GradeCase{100, 100, 49, 3.99, 2.0, 99}));

TEST(RhythmGrade, IsTheDeviationOfTheDelaysInPerCentOfTheirMean) {
    // Delays 100 and 300: mean 200, deviation 100: 50 %.
    std::vector<StrokeRecord> records = {{100, 'a', 'a'}, {300, 'a', 'a'}};
    EXPECT_EQ(EvaluationGrades::RhythmGrade(records), 50);
    records = {{0, 'a', 'a'}, {0, 'b', 'b'}};
    EXPECT_EQ(EvaluationGrades::RhythmGrade(records), 0);
    records = {{10, 'a', 'a'}, {10, 'a', 'a'}, {10000, 'a', 'a'}};
    EXPECT_EQ(EvaluationGrades::RhythmGrade(records), 99);
}

TEST(CharacterStatisticsTest, CollectsStrokesWrongCharactersAndDelaysPerExpectedCharacter) {
    const std::vector<StrokeRecord> records = {{100, 'a', 'a'}, {300, 'b', 'v'}, {200, 'a', 's'},
                                               {500, ' ', 'x'}, {400, 'b', 'b'}, {300, 'a', ' '},
                                               {0, 'c', 'c'}};
    const CharacterStatistics stats = CharacterStatistics::FromRecords(records);
    ASSERT_EQ(stats.entries().size(), 4u);
    const CharacterEntry& a = stats.entries()[0];
    EXPECT_EQ(a.character, 'a');
    EXPECT_EQ(a.strokes, 3);
    EXPECT_EQ(a.wrong, 2);
    EXPECT_EQ(a.wrongTyped, "s ");
    EXPECT_EQ(a.WrongTypedText(), "s_");
    EXPECT_EQ(a.AverageDelayMs(), 200);
    EXPECT_NEAR(a.ErrorRate(), 66.666, 0.001);
    EXPECT_EQ(stats.entries()[1].AverageDelayMs(), 350);
    EXPECT_DOUBLE_EQ(stats.entries()[3].ErrorRate(), 0.0);
    // "c" was typed without delay: no row in the lists.
    EXPECT_EQ(stats.TypedEntries().size(), 3u);
    EXPECT_EQ(stats.WrongCharacterList(), "a, b, Space");
}

TEST(CharacterStatisticsTest, KeepsAtMostTwoHundredCharacters) {
    std::vector<StrokeRecord> records;
    for (int round = 0; round < 2; ++round) {
        for (int c = 0; c < 256; ++c) {
            records.push_back({100, static_cast<char>(c), static_cast<char>(c)});
        }
    }
    const CharacterStatistics stats = CharacterStatistics::FromRecords(records);
    ASSERT_EQ(stats.entries().size(), 200u);
    EXPECT_EQ(stats.entries()[199].character, static_cast<char>(199));
    EXPECT_EQ(stats.entries()[199].strokes, 2);
}

struct ClassCase {
    double value;
    int expected;
};

class ErrorClasses : public testing::TestWithParam<ClassCase> {};
TEST_P(ErrorClasses, InStepsOfTheLimit) {
    EXPECT_EQ(CharacterStatistics::ErrorClass(GetParam().value, 2.0), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(LimitTwo, ErrorClasses,
                         testing::Values(ClassCase{0.0, 0}, ClassCase{4.99, 0}, ClassCase{5.0, 1},
                                         ClassCase{9.99, 1}, ClassCase{10.0, 2},
                                         ClassCase{17.49, 2}, ClassCase{17.5, 3},
                                         ClassCase{24.99, 3}, ClassCase{25.0, 4},
                                         ClassCase{100.0, 4}));

class SpeedClasses : public testing::TestWithParam<ClassCase> {};
TEST_P(SpeedClasses, InStepsOfTheDelayAtTheLimit) {
    // 120 strokes per minute: 500 ms per stroke.
    EXPECT_EQ(CharacterStatistics::SpeedClass(static_cast<int>(GetParam().value), 120),
              GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(LimitHundredTwenty, SpeedClasses,
                         testing::Values(ClassCase{0, 0}, ClassCase{199, 0}, ClassCase{200, 1},
                                         ClassCase{399, 1}, ClassCase{400, 2}, ClassCase{599, 2},
                                         ClassCase{600, 3}, ClassCase{799, 3}, ClassCase{800, 4}));

TEST(CharacterStatisticsTest, SlowCharactersNeedElevenStrokesAndClassThree) {
    std::vector<StrokeRecord> records;
    for (int i = 0; i < 11; ++i) {
        records.push_back({700, 'k', 'k'});  // class 3 at 120 per minute
        records.push_back({900, ' ', ' '});  // class 4
        records.push_back({300, 'f', 'f'});  // fast
    }
    for (int i = 0; i < 10; ++i) {
        records.push_back({2000, 'q', 'q'});  // slow but too few strokes
    }
    const CharacterStatistics stats = CharacterStatistics::FromRecords(records);
    EXPECT_EQ(stats.SlowCharacterList(120), "k, Space");
}

TEST(ResultsSeriesTest, CurrentSpeedEqualsAverageForTheFirstFifteenStrokes) {
    std::vector<StrokeRecord> records;
    for (int i = 0; i < 10; ++i) {
        records.push_back({100 + 37 * i, 'a', 'a'});
    }
    const ResultsSeries s = ResultsSeries::Build(records, 120, 2.0);
    EXPECT_EQ(s.currentSpeed.points(), s.averageSpeed.points());
    EXPECT_EQ(s.currentSpeed.colour(), (Diagram::Colour{255, 100, 100}));
    EXPECT_EQ(s.averageSpeed.colour(), (Diagram::Colour{50, 50, 50}));
    EXPECT_EQ(s.errors.colour(), (Diagram::Colour{100, 100, 255}));
    EXPECT_EQ(s.errors.limitFlag(), Diagram::kQualifiedBelow);
    EXPECT_EQ(s.errors.limit(), 200);
    EXPECT_EQ(s.averageSpeed.verticalTitle(), "Average Typing Speed - >");
    EXPECT_EQ(s.currentSpeed.verticalTitle(), "Current Typing Speed ->");
    EXPECT_EQ(s.errors.verticalTitle(), "Average Error Rate - >");
}

TEST(ResultsSeriesTest, CurrentSpeedFollowsTheLastFifteenDelays) {
    // 15 strokes of 1000 ms, then 15 of 250 ms.
    std::vector<StrokeRecord> records(15, StrokeRecord{1000, 'a', 'a'});
    for (int i = 0; i < 15; ++i) {
        records.push_back({250, 'a', 'a'});
    }
    const ResultsSeries s = ResultsSeries::Build(records, 120, 2.0);
    ASSERT_EQ(s.currentSpeed.points().size(), 30u);
    // The 16th stroke: 14 delays of 1000 and one of 250 in the ring.
    EXPECT_EQ(s.currentSpeed.points()[15].y, 1052);
    EXPECT_EQ(s.currentSpeed.points()[29].y, 4000);
    EXPECT_EQ(s.averageSpeed.points()[29].y, 1600);  // 30 strokes in 18.75 s
}

TEST(ResultsSeriesTest, PointsAtElapsedTimeZeroAreSkipped) {
    std::vector<StrokeRecord> records = {
        {0, 'a', 'x'}, {0, 'a', 'a'}, {500, 'a', 'a'}, {500, 'a', 'x'}};
    const ResultsSeries s = ResultsSeries::Build(records, 120, 2.0);
    ASSERT_EQ(s.averageSpeed.points().size(), 2u);
    EXPECT_EQ(s.averageSpeed.points()[0], (Diagram::Point{500, 6000}));
    ASSERT_EQ(s.errors.points().size(), 2u);
    EXPECT_EQ(s.errors.points()[0], (Diagram::Point{500, 3333}));  // 1 of 3
    EXPECT_EQ(s.errors.points()[1], (Diagram::Point{1000, 5000}));
}

TEST(DiagramTest, RangesIncludeZeroAndTheLimit) {
    Diagram d;
    d.addPoint(10, 50);
    EXPECT_EQ(d.minX(), 0);
    EXPECT_EQ(d.minY(), 0);
    EXPECT_EQ(d.maxX(), 10);
    d.setLimit(80, Diagram::kQualifiedAbove);
    EXPECT_EQ(d.maxY(), 80);
    d.setLimit(20, Diagram::kQualifiedAbove);
    EXPECT_EQ(d.maxY(), 80);
    d.addPoint(-5, -3);
    EXPECT_EQ(d.minX(), -5);
    EXPECT_EQ(d.minY(), -3);
    d.setColour(1, 2, 3);
    d.setTitles("v", "h");
    d.reset();
    EXPECT_TRUE(d.points().empty());
    EXPECT_EQ(d.maxY(), 0);
    EXPECT_EQ(d.limit(), 0);
    EXPECT_EQ(d.colour(), (Diagram::Colour{100, 100, 100}));
    EXPECT_EQ(d.verticalTitle(), "");
}

struct MaxCase {
    int maxY;
    int limit;
    double adjusted;
};

class AdjustedMaximum : public testing::TestWithParam<MaxCase> {};
TEST_P(AdjustedMaximum, LeavesRoomAboveTheLimitAndKeepsItVisible) {
    EXPECT_DOUBLE_EQ(DiagramPlot::AdjustedMaxY(GetParam().maxY, GetParam().limit),
                     GetParam().adjusted);
}
INSTANTIATE_TEST_SUITE_P(Table, AdjustedMaximum,
                         testing::Values(MaxCase{1000, 950, 1045.0}, MaxCase{1000, 900, 1000.0},
                                         MaxCase{1000, 50, 500.0}, MaxCase{1000, 100, 1000.0},
                                         MaxCase{0, 0, 0.0}, MaxCase{3333, 3000, 3300.0},
                                         // Without a limit the curve keeps its own range.
                                         MaxCase{1000, 0, 1000.0}, MaxCase{1000, -5, 1000.0}));

TEST(DiagramPlotTest, ALimitOfZeroStillDrawsTheCurve) {
    Diagram d;
    d.setLimit(0, Diagram::kQualifiedAbove);
    d.addPoint(0, 0);
    d.addPoint(100, 400);
    const DiagramPlot plot = DiagramPlot::Compute(d, 0, 0, 330, 250);
    EXPECT_DOUBLE_EQ(plot.maxY, 400.0);
    EXPECT_EQ(plot.polyline, (std::vector<Diagram::Point>{{30, 220}, {310, 20}}));
    EXPECT_EQ(plot.limitY, plot.bottom) << "every value qualifies";
}

TEST(DiagramPlotTest, MapsPointsIntoThePlotAreaWithTheBandOnTheQualifyingSide) {
    Diagram d;
    d.setLimit(100, Diagram::kQualifiedAbove);
    d.addPoint(0, 0);
    d.addPoint(50, 200);
    d.addPoint(100, 400);
    // Client 0..330 x 0..250: plot 30..310 x 20..220.
    const DiagramPlot plot = DiagramPlot::Compute(d, 0, 0, 330, 250);
    EXPECT_EQ(plot.left, 30);
    EXPECT_EQ(plot.top, 20);
    EXPECT_EQ(plot.right, 310);
    EXPECT_EQ(plot.bottom, 220);
    EXPECT_DOUBLE_EQ(plot.maxY, 400.0);
    EXPECT_DOUBLE_EQ(plot.scaleX, 2.8);
    EXPECT_DOUBLE_EQ(plot.scaleY, 0.5);
    EXPECT_EQ(plot.limitY, 170);
    EXPECT_EQ(plot.bandTop, 20);
    EXPECT_EQ(plot.bandBottom, 170);
    EXPECT_EQ(plot.bandLeft, 33);
    EXPECT_EQ(plot.bandRight, 307);
    EXPECT_EQ(plot.polyline, (std::vector<Diagram::Point>{{30, 220}, {170, 120}, {310, 20}}));

    d.setLimit(100, Diagram::kQualifiedBelow);
    const DiagramPlot below = DiagramPlot::Compute(d, 0, 0, 330, 250);
    EXPECT_EQ(below.bandTop, 170);
    EXPECT_EQ(below.bandBottom, 220);
}

TEST(DiagramPlotTest, ZeroRangesKeepTheScaleAtTheExtentAndDrawNoPoints) {
    EXPECT_DOUBLE_EQ(DiagramPlot::Scale(280, 0.0), 280.0);
    EXPECT_DOUBLE_EQ(DiagramPlot::Scale(280, -4.0), 280.0);
    EXPECT_EQ(DiagramPlot::LimitLineY(20, 100.0, 100, 2.0), 40);
    EXPECT_EQ(DiagramPlot::LimitLineY(20, 100.0, 150, 2.0), 40);
    Diagram d;
    d.addPoint(0, 10);  // x range 0
    EXPECT_TRUE(DiagramPlot::Compute(d, 0, 0, 300, 200).polyline.empty());
}

TEST(DiagramPlotTest, ValuesAboveTheTopAreDrawnAtTheTop) {
    Diagram d;
    d.setLimit(50, Diagram::kQualifiedAbove);
    d.addPoint(10, 1000);  // the maximum becomes 10 x 50 = 500
    const DiagramPlot plot = DiagramPlot::Compute(d, 0, 0, 330, 250);
    EXPECT_DOUBLE_EQ(plot.maxY, 500.0);
    EXPECT_EQ(plot.polyline.back().y, plot.top);
}

TEST(DiagramPlotTest, ColumnExtremesKeepEachColumnsEndsAndExtremesInOrder) {
    using Points = std::vector<Diagram::Point>;
    EXPECT_EQ(DiagramPlot::ColumnExtremes({}), Points{});
    EXPECT_EQ(DiagramPlot::ColumnExtremes({{5, 5}}), (Points{{5, 5}}));
    // Column 1: first 10, highest 40 (third), lowest 2 (fourth), last 20; column 2 unchanged.
    EXPECT_EQ(DiagramPlot::ColumnExtremes(
                  {{1, 10}, {1, 30}, {1, 40}, {1, 2}, {1, 15}, {1, 20}, {2, 7}, {2, 7}, {3, 1}}),
              (Points{{1, 10}, {1, 40}, {1, 2}, {1, 20}, {2, 7}, {2, 7}, {3, 1}}));
    // A column visited again later is a run of its own.
    EXPECT_EQ(DiagramPlot::ColumnExtremes({{1, 1}, {2, 2}, {1, 3}}),
              (Points{{1, 1}, {2, 2}, {1, 3}}));
}

TEST(DiagramPlotTest, ColumnExtremesCoverWhatTheWholeLineCovers) {
    // A dense jittering series: in every column the reduced line spans the same heights and
    // it joins the next column from the same point.
    std::vector<Diagram::Point> line;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1103515245u + 12345u;
        line.push_back({i / 13, static_cast<int>((seed >> 16) % 400)});
    }
    const std::vector<Diagram::Point> reduced = DiagramPlot::ColumnExtremes(line);
    EXPECT_LE(reduced.size(), 4u * (line.back().x + 1));
    EXPECT_EQ(reduced.front(), line.front());
    EXPECT_EQ(reduced.back(), line.back());
    for (int x = 0; x <= line.back().x; ++x) {
        const auto span = [x](const std::vector<Diagram::Point>& points) {
            int low = 1 << 30;
            int high = -1;
            for (const Diagram::Point& p : points) {
                if (p.x == x) {
                    low = std::min(low, p.y);
                    high = std::max(high, p.y);
                }
            }
            return std::pair{low, high};
        };
        EXPECT_EQ(span(reduced), span(line)) << "column " << x;
    }
}

TEST(DiagramPlotTest, LegendNamesTheBandsAndShortensWhereNeeded) {
    EXPECT_EQ(DiagramPlot::UpperLegend(Diagram::kQualifiedAbove, false), "Qualified");
    EXPECT_EQ(DiagramPlot::LowerLegend(Diagram::kQualifiedAbove, false), "Not qualified");
    EXPECT_EQ(DiagramPlot::UpperLegend(Diagram::kQualifiedBelow, false), "Not qualified");
    EXPECT_EQ(DiagramPlot::LowerLegend(Diagram::kQualifiedBelow, true), "Yes");
    EXPECT_EQ(DiagramPlot::UpperLegend(Diagram::kQualifiedBelow, true), "No");
}

}  // namespace
