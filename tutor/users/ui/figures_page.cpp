#include "tutor/users/ui/figures_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include <string>

#include "common/ui/qt_text.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/results_table_text.h"

FiguresPage::FiguresPage(const ResultsDialogModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    QFormLayout* form = nullptr;
    std::string group;
    for (const ResultsDialogModel::FigureField& field : model.figureFields()) {
        if (!form || group != field.group) {
            group = field.group;
            auto* box = new QGroupBox(ToQString(group), this);
            form = new QFormLayout(box);
            layout->addWidget(box);
        }
        auto* edit = new QLineEdit(ToQString(field.value));
        edit->setReadOnly(true);
        // A click still selects a part to copy; Tab passes the fields and stops at the page.
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setMaximumWidth(140);
        edit->setAlignment(Qt::AlignRight);
        form->addRow(ToQString(field.label), edit);
        fields_.push_back(edit);
    }
    layout->addStretch(1);

    auto* copyAction = new QAction(tr("&Copy"), this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    connect(copyAction, &QAction::triggered, this, &FiguresPage::copy);
    addAction(copyAction);
    // The context menu offers what the keys do.
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString FiguresPage::CopyText() const {
    std::vector<std::vector<std::string>> rows;
    for (const ResultsDialogModel::FigureField& field : model_.figureFields()) {
        rows.push_back({field.group, field.label, field.value});
    }
    return ToQString(ResultsTableText::TabSeparated(rows));
}

void FiguresPage::copy() {
    QApplication::clipboard()->setText(CopyText());
}

void FiguresPage::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void FiguresPage::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void FiguresPage::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
