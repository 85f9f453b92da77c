#include "tutor/users/ui/lesson_chooser_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/ui/qt_text.h"

int LessonChooserDialog::Run(QWidget* parent, LessonChooserModel& model, SettingsStore& settings) {
    LessonChooserDialog dialog(model, settings, parent);
    dialog.exec();
    return dialog.chosenLesson();
}

LessonChooserDialog::LessonChooserDialog(LessonChooserModel& model, SettingsStore& settings,
                                         QWidget* parent)
    : ResizableDialog(parent),
      model_(model),
      placement_(settings, LessonChooserModel::kPlacementName, this, LessonChooserModel::kDefaultX,
                 LessonChooserModel::kDefaultWidth, LessonChooserModel::kDefaultY,
                 LessonChooserModel::kDefaultHeight) {
    setObjectName(QStringLiteral("LessonChooserDialog"));
    setWindowTitle(ToQString(LessonChooserModel::kCaption));
    for (int i = 0; i < RatingIcons::kCount; ++i) {
        icons_[static_cast<std::size_t>(i)] = RatingIcons::Icon(i);
    }

    auto* prompt = new QLabel(ToQString(LessonChooserModel::kPrompt), this);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lessons"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->setIconSize(QSize(RatingIcons::kSize, RatingIcons::kSize));
    list_->setColumnCount(LessonChooserModel::kColumnCount);
    QStringList titles;
    for (const char* title : LessonChooserModel::kColumnTitles) {
        titles << ToQString(title);
    }
    list_->setHeaderLabels(titles);
    // The given widths cut the longer titles short; the whole title shows under the pointer.
    for (int column = 0; column < LessonChooserModel::kColumnCount; ++column) {
        list_->headerItem()->setToolTip(column, titles[column]);
    }
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionsMovable(false);
    for (int column = 0; column < LessonChooserModel::kColumnCount; ++column) {
        list_->header()->resizeSection(
            column, LessonChooserModel::kColumnWidths[static_cast<std::size_t>(column)]);
    }
    placement_.LoadColumns(LessonChooserModel::kPlacementList, *list_->header());

    lesson_ = new QPushButton(ToQString(LessonChooserModel::kLessonButton), this);
    lesson_->setObjectName(QStringLiteral("lesson"));
    lesson_->setDefault(true);
    skip_ = new QPushButton(ToQString(LessonChooserModel::kSkipButton), this);
    skip_->setObjectName(QStringLiteral("skip"));
    cancel_ = new QPushButton(ToQString(LessonChooserModel::kCancelButton), this);
    cancel_->setObjectName(QStringLiteral("cancel"));

    // The list takes every pixel the dialog grows by; the buttons keep to the lower right.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(lesson_);
    buttons->addWidget(skip_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    setTabOrder(list_, lesson_);
    setTabOrder(lesson_, skip_);
    setTabOrder(skip_, cancel_);

    connect(list_, &QTreeWidget::currentItemChanged, this, &LessonChooserDialog::rowChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &LessonChooserDialog::accept);
    connect(lesson_, &QPushButton::clicked, this, &LessonChooserDialog::accept);
    connect(skip_, &QPushButton::clicked, this, &LessonChooserDialog::skipLesson);
    connect(cancel_, &QPushButton::clicked, this, &LessonChooserDialog::reject);

    model_.open();
    showRows();
    list_->setFocus();
    // Placed before it is first shown, so it appears where it was left.
    placement_.ApplyToCreation();
}

int LessonChooserDialog::chosenLesson() const {
    return result() == QDialog::Accepted ? model_.chosenLesson() : -1;
}

void LessonChooserDialog::showEvent(QShowEvent* event) {
    ResizableDialog::showEvent(event);
    // The smallest size is the one the dialog was made for, not the size it reopens with.
    setMinimumSize(QSize(LessonChooserModel::kDefaultWidth, LessonChooserModel::kDefaultHeight)
                       .boundedTo(size()));
}

void LessonChooserDialog::showRows() {
    updating_ = true;
    list_->clear();
    const auto& rows = model_.rows();
    for (const LessonChooserModel::Row& row : rows) {
        auto* item = new QTreeWidgetItem(list_);
        for (int column = 0; column < LessonChooserModel::kColumnCount; ++column) {
            item->setText(column, ToQString(row.texts[static_cast<std::size_t>(column)]));
        }
        for (int column : {0, 2, 3, 4, 5, 7, 8}) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
        if (row.image >= 0 && row.image < RatingIcons::kCount) {
            item->setIcon(0, icons_[static_cast<std::size_t>(row.image)]);
        }
    }
    if (model_.courseMissing() && list_->topLevelItemCount() == 1) {
        // A message, not a lesson: it cannot be chosen.
        QTreeWidgetItem* item = list_->topLevelItem(0);
        item->setFlags(Qt::ItemIsEnabled);
        item->setFirstColumnSpanned(true);
        item->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    }
    const int selected = model_.selectedRow();
    if (selected >= 0 && selected < list_->topLevelItemCount()) {
        QTreeWidgetItem* item = list_->topLevelItem(selected);
        list_->setCurrentItem(item);
        list_->scrollToItem(item);
    }
    updating_ = false;
}

void LessonChooserDialog::rowChanged() {
    if (updating_) {
        return;
    }
    QTreeWidgetItem* item = list_->currentItem();
    model_.select(item != nullptr ? list_->indexOfTopLevelItem(item) : -1);
}

void LessonChooserDialog::accept() {
    if (!model_.choose()) {
        return;
    }
    ResizableDialog::accept();
}

void LessonChooserDialog::skipLesson() {
    QMessageBox question(QMessageBox::Question, ToQString(LessonChooserModel::kQuestionCaption),
                         ToQString(LessonChooserModel::kSkipQuestion),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setTextFormat(Qt::PlainText);
    if (question.exec() == QMessageBox::Yes) {
        model_.skipLesson();
        showRows();
    }
    list_->setFocus();
}

void LessonChooserDialog::done(int result) {
    placement_.Save();
    placement_.SaveColumns(LessonChooserModel::kPlacementList, *list_->header());
    ResizableDialog::done(result);
}
