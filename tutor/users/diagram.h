#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// The data of one results diagram: a series of points with its colour and titles, and a limit
/// that splits the plot into a qualified and a not-qualified band. Both axes always include 0.
class Diagram {
  public:
    struct Colour {
        int red = 100;
        int green = 100;
        int blue = 100;
        bool operator==(const Colour&) const = default;
    };
    struct Point {
        int x = 0;
        int y = 0;
        bool operator==(const Point&) const = default;
    };
    /// Values at or above the limit qualify.
    static constexpr int kQualifiedAbove = 0;
    /// Values at or below the limit qualify.
    static constexpr int kQualifiedBelow = 1;

    void reset();
    void setColour(int red, int green, int blue) { colour_ = {red, green, blue}; }
    void setTitles(std::string vertical, std::string horizontal);
    /// Raises the highest y to the limit when the limit is larger.
    void setLimit(int value, int flag);
    void addPoint(int x, int y);

    const Colour& colour() const { return colour_; }
    const std::string& verticalTitle() const { return verticalTitle_; }
    const std::string& horizontalTitle() const { return horizontalTitle_; }
    int limit() const { return limit_; }
    int limitFlag() const { return limitFlag_; }
    int minX() const { return minX_; }
    int maxX() const { return maxX_; }
    int minY() const { return minY_; }
    int maxY() const { return maxY_; }
    const std::vector<Point>& points() const { return points_; }

  private:
    Colour colour_;
    std::string verticalTitle_;
    std::string horizontalTitle_;
    int limit_ = 0;
    int limitFlag_ = kQualifiedAbove;
    int minX_ = 0;
    int maxX_ = 0;
    int minY_ = 0;
    int maxY_ = 0;
    std::vector<Point> points_;
};

/// Where a diagram's parts go in a client rectangle: the plot area, the y range adjusted to
/// the limit, the scales, the limit line, the qualifying band and the polyline.
struct DiagramPlot {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    double maxY = 0.0;
    double scaleX = 0.0;
    double scaleY = 0.0;
    int limitY = 0;
    /// The band filled as qualified, from 3 pixels inside the plot's left to its right.
    int bandLeft = 0;
    int bandRight = 0;
    int bandTop = 0;
    int bandBottom = 0;
    /// Empty unless both ranges are above 0.
    std::vector<Diagram::Point> polyline;

    /// The plot of diagram in the client rectangle (left, top, right, bottom).
    static DiagramPlot Compute(const Diagram& diagram, int clientLeft, int clientTop,
                               int clientRight, int clientBottom);

    /// The highest y drawn: lifted above a limit near the top, lowered when a limit above 0
    /// would hug the bottom. Unchanged for a diagram without values.
    static double AdjustedMaxY(int maxY, int limit);
    /// Pixels per unit; a range that is not above 0 gives the extent itself.
    static double Scale(int extent, double range);
    /// The height of the limit line; 20 pixels below the top when the limit is at or above
    /// the highest y.
    static int LimitLineY(int top, double maxY, int limit, double scaleY);

    /// The polyline reduced for drawing: of each run of points in one pixel column only the
    /// first, the highest, the lowest and the last remain, in their order. The reduced line
    /// covers the same pixels, since within a column the line only runs up and down between
    /// its extremes; a long run at a high density keeps four points per column.
    static std::vector<Diagram::Point> ColumnExtremes(const std::vector<Diagram::Point>& polyline);

    /// The legend texts above and below the limit line; the short forms where the long ones
    /// do not fit.
    static std::string UpperLegend(int flag, bool shortForm);
    static std::string LowerLegend(int flag, bool shortForm);
};
