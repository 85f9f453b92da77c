#include "tutor/users/ui/results_list_view.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>

#include "common/ui/qt_text.h"
#include "tutor/users/results_table_text.h"
#include "tutor/users/ui/rating_icons.h"

namespace {

// The code-page text of a cell, kept beside the shown text for sorting and copying.
constexpr int kCellRole = Qt::UserRole + 1;

std::string CellOf(const QTreeWidgetItem& item, int column) {
    return item.data(column, kCellRole).toByteArray().toStdString();
}

class ResultsItem final : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return ResultsTableText::CellLess(CellOf(*this, column), CellOf(other, column));
    }
};

}  // namespace

ResultsListView::ResultsListView(const std::vector<Column>& columns, QWidget* parent)
    : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const Column& column : columns) {
        titles << QString::fromLatin1(column.title);
    }
    setHeaderLabels(titles);
    // The given widths, widened where the font would cut a title short.
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        header()->resizeSection(
            i, std::max(columns[static_cast<std::size_t>(i)].width, header()->sectionSizeHint(i)));
    }
    header()->setStretchLastSection(false);
    // A click on a header turns its sort indicator (upwards first, then the other way round);
    // the list follows the indicator. No column is sorted before the first click.
    header()->setSectionsClickable(true);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    header()->setSortIndicatorShown(true);
    connect(header(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) { sortItems(column, order); });

    auto* copyAction = new QAction(tr("&Copy"), this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    connect(copyAction, &QAction::triggered, this, &ResultsListView::copy);
    addAction(copyAction);
    // The context menu offers what the keys do.
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ResultsListView::AddRow(const std::vector<std::string>& cells, int image) {
    auto* item = new ResultsItem(this);
    for (int column = 0; column < static_cast<int>(cells.size()) && column < columnCount();
         ++column) {
        const std::string& cell = cells[static_cast<std::size_t>(column)];
        item->setText(column, ToQString(cell));
        item->setData(column, kCellRole, QByteArray::fromStdString(cell));
    }
    item->setIcon(0, RatingIcons::Icon(image));
    if (!currentItem()) {
        setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    }
}

QString ResultsListView::CopyText() const {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> titles;
    for (int column = 0; column < columnCount(); ++column) {
        titles.push_back(FromQString(headerItem()->text(column)));
    }
    rows.push_back(std::move(titles));
    for (int index = 0; index < topLevelItemCount(); ++index) {
        const QTreeWidgetItem* item = topLevelItem(index);
        std::vector<std::string> cells;
        for (int column = 0; column < columnCount(); ++column) {
            cells.push_back(CellOf(*item, column));
        }
        rows.push_back(std::move(cells));
    }
    return ToQString(ResultsTableText::TabSeparated(rows));
}

void ResultsListView::copy() {
    QApplication::clipboard()->setText(CopyText());
}
