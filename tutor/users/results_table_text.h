#pragma once

#include <string>
#include <string_view>
#include <vector>

class Diagram;

/// The results lists and figures as a person takes them elsewhere: sorted the way a reader
/// expects numbers to sort, and copied as tab-separated lines for a spreadsheet.
class ResultsTableText {
  public:
    /// The order of a list column: cells that read wholly as numbers ("9", "10", "0.125")
    /// compare by value, so "9" comes before "10", and come before all other cells, which
    /// compare by their bytes.
    static bool CellLess(std::string_view a, std::string_view b);

    /// Rows of cells, each cell followed by a tab but the last, each row by "\\n". A tab or
    /// line break inside a cell becomes a blank, so that it cannot split the table.
    static std::string TabSeparated(const std::vector<std::vector<std::string>>& rows);

    /// A diagram's points as two columns under its titles: horizontal, then vertical.
    static std::string DiagramPoints(const Diagram& diagram);
};
