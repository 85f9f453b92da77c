#pragma once

#include <QTreeWidget>

#include <string>
#include <vector>

/// A list of the results dialog: one row per character with its grade picture in the first
/// column. A click on a column header sorts by that column (again: the other way round), the
/// numbers by their value. Ctrl+C and the context menu copy the list as it is shown, with its
/// titles, as tab-separated text.
class ResultsListView final : public QTreeWidget {
    Q_OBJECT

  public:
    struct Column {
        const char* title;
        int width;
    };

    ResultsListView(const std::vector<Column>& columns, QWidget* parent = nullptr);

    /// cells are code-page texts in column order; image is the grade picture (0-5).
    void AddRow(const std::vector<std::string>& cells, int image);
    /// The titles and rows in their present order.
    QString CopyText() const;

  protected:
  private:
    void copy();
};
