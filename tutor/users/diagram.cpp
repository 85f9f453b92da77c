#include "tutor/users/diagram.h"

#include <algorithm>
#include <cmath>

void Diagram::reset() {
    *this = Diagram();
}

void Diagram::setTitles(std::string vertical, std::string horizontal) {
    verticalTitle_ = std::move(vertical);
    horizontalTitle_ = std::move(horizontal);
}

void Diagram::setLimit(int value, int flag) {
    limit_ = value;
    limitFlag_ = flag;
    maxY_ = std::max(maxY_, value);
}

void Diagram::addPoint(int x, int y) {
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
    points_.push_back({x, y});
}

double DiagramPlot::AdjustedMaxY(int maxY, int limit) {
    double max = maxY;
    if (max != 0.0 && limit > 0.9 * max) {
        max = 1.1 * limit;
    }
    // Only a real limit pulls the top down to it: a diagram without one (limit 0) would lose
    // its whole curve to a range of 0.
    if (limit > 0 && limit < 0.1 * max) {
        max = 10.0 * limit;
    }
    return max;
}

double DiagramPlot::Scale(int extent, double range) {
    return range > 0.0 ? extent / range : static_cast<double>(extent);
}

int DiagramPlot::LimitLineY(int top, double maxY, int limit, double scaleY) {
    const double offset = (maxY - limit) * scaleY;
    if (!(offset > 0.0)) {
        return top + 20;
    }
    return top + static_cast<int>(std::min(offset, 1.0e9));
}

namespace {

int Truncate(double value) {
    return static_cast<int>(std::clamp(value, -1.0e9, 1.0e9));
}

}  // namespace

DiagramPlot DiagramPlot::Compute(const Diagram& diagram, int clientLeft, int clientTop,
                                 int clientRight, int clientBottom) {
    DiagramPlot plot;
    plot.left = clientLeft + 30;
    plot.top = clientTop + 20;
    plot.right = clientRight - 20;
    plot.bottom = clientBottom - 30;
    plot.maxY = AdjustedMaxY(diagram.maxY(), diagram.limit());
    const double rangeX = static_cast<double>(diagram.maxX()) - diagram.minX();
    const double rangeY = plot.maxY - diagram.minY();
    plot.scaleX = Scale(plot.right - plot.left, rangeX);
    plot.scaleY = Scale(plot.bottom - plot.top, rangeY);
    plot.limitY = LimitLineY(plot.top, plot.maxY, diagram.limit(), plot.scaleY);
    plot.bandLeft = plot.left + 3;
    plot.bandRight = plot.right - 3;
    if (diagram.limitFlag() == Diagram::kQualifiedBelow) {
        plot.bandTop = plot.limitY;
        plot.bandBottom = plot.bottom;
    } else {
        plot.bandTop = plot.top;
        plot.bandBottom = plot.limitY;
    }
    if (rangeX > 0.0 && rangeY > 0.0) {
        for (const Diagram::Point& p : diagram.points()) {
            const double y = std::min(static_cast<double>(p.y), plot.maxY);
            plot.polyline.push_back({plot.left + Truncate((p.x - diagram.minX()) * plot.scaleX),
                                     plot.top + Truncate((plot.maxY - y) * plot.scaleY)});
        }
    }
    return plot;
}

std::vector<Diagram::Point> DiagramPlot::ColumnExtremes(
    const std::vector<Diagram::Point>& polyline) {
    std::vector<Diagram::Point> reduced;
    std::size_t first = 0;
    while (first < polyline.size()) {
        const int x = polyline[first].x;
        std::size_t end = first;
        std::size_t lowest = first;
        std::size_t highest = first;
        while (end < polyline.size() && polyline[end].x == x) {
            if (polyline[end].y < polyline[lowest].y) {
                lowest = end;
            }
            if (polyline[end].y > polyline[highest].y) {
                highest = end;
            }
            ++end;
        }
        std::size_t keep[] = {first, lowest, highest, end - 1};
        std::sort(std::begin(keep), std::end(keep));
        for (std::size_t i = 0; i < std::size(keep); ++i) {
            if (i == 0 || keep[i] != keep[i - 1]) {
                reduced.push_back(polyline[keep[i]]);
            }
        }
        first = end;
    }
    return reduced;
}

std::string DiagramPlot::UpperLegend(int flag, bool shortForm) {
    if (flag == Diagram::kQualifiedBelow) {
        return shortForm ? "No" : "Not qualified";
    }
    return shortForm ? "Yes" : "Qualified";
}

std::string DiagramPlot::LowerLegend(int flag, bool shortForm) {
    return UpperLegend(
        flag == Diagram::kQualifiedBelow ? Diagram::kQualifiedAbove : Diagram::kQualifiedBelow,
        shortForm);
}
