#include "tutor/users/results_table_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "common/text_number.h"
#include "tutor/users/diagram.h"

namespace {

// The value of a cell that is a number and nothing else.
std::optional<double> NumberOf(std::string_view cell) {
    if (cell.empty()) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = cell.data() + cell.size();
    const auto [stop, error] = std::from_chars(cell.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string CleanCell(std::string cell) {
    for (char& c : cell) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return cell;
}

}  // namespace

bool ResultsTableText::CellLess(std::string_view a, std::string_view b) {
    const std::optional<double> x = NumberOf(a);
    const std::optional<double> y = NumberOf(b);
    if (x && y) {
        return *x < *y;
    }
    // Numbers before texts keeps the order strict when a column mixes the two.
    if (x || y) {
        return x.has_value();
    }
    // Bytes as unsigned, so that the code page's letters above 127 come after ASCII.
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char left, char right) {
            return static_cast<unsigned char>(left) < static_cast<unsigned char>(right);
        });
}

std::string ResultsTableText::TabSeparated(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                text += '\t';
            }
            text += CleanCell(row[i]);
        }
        text += '\n';
    }
    return text;
}

std::string ResultsTableText::DiagramPoints(const Diagram& diagram) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(diagram.points().size() + 1);
    rows.push_back({diagram.horizontalTitle(), diagram.verticalTitle()});
    for (const Diagram::Point& point : diagram.points()) {
        rows.push_back({FormatInt(point.x), FormatInt(point.y)});
    }
    return TabSeparated(rows);
}
