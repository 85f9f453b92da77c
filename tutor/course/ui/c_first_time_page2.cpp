#include "tutor/course/ui/c_first_time_page2.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/ui/qt_text.h"
#include "tutor/course/first_time_wizard_texts.h"

CFirstTimePage2::CFirstTimePage2(FirstTimeWizardModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("testPage"));
    using Texts = FirstTimeWizardTexts;
    auto* text = new QLabel(ToQString(Texts::kTestLessonText), this);
    text->setWordWrap(true);

    lessons_ = new QTreeWidget(this);
    lessons_->setObjectName(QStringLiteral("testLessons"));
    lessons_->setRootIsDecorated(false);
    lessons_->setUniformRowHeights(true);
    lessons_->setSelectionMode(QAbstractItemView::SingleSelection);
    lessons_->setAllColumnsShowFocus(true);
    lessons_->setHeaderLabels({ToQString(Texts::kCharactersColumn),
                               ToQString(Texts::kErrorRateColumn), ToQString(Texts::kSpeedColumn)});
    lessons_->header()->setStretchLastSection(false);
    lessons_->header()->resizeSection(0, Texts::kCharactersColumnWidth);
    lessons_->header()->resizeSection(1, Texts::kErrorRateColumnWidth);
    lessons_->header()->resizeSection(2, Texts::kSpeedColumnWidth);
    // The characters column takes the room the list has beyond the given widths, which would
    // otherwise stay empty while the characters are cut short.
    lessons_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lessons_->headerItem()->setToolTip(0, ToQString(Texts::kCharactersColumn));

    auto* rule = new QLabel(ToQString(Texts::kTestRuleText), this);
    rule->setWordWrap(true);
    auto* time = new QLabel(ToQString(Texts::kTestTimeText), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(lessons_, 1);
    layout->addWidget(rule);
    layout->addWidget(time);

    connect(lessons_, &QTreeWidget::itemSelectionChanged, this, &CFirstTimePage2::rowChosen);
}

void CFirstTimePage2::Refresh() {
    updating_ = true;
    lessons_->clear();
    for (const WizardTestRow& row : model_.testRows()) {
        auto* item = new QTreeWidgetItem(lessons_);
        item->setText(0, ToQString(row.characters));
        // The column is narrow for the characters of a late lesson.
        item->setToolTip(0, item->text(0));
        item->setText(1, ToQString(row.errorLimit));
        item->setText(2, ToQString(row.speedLimit));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (model_.selectedRow() >= 0 && model_.selectedRow() < lessons_->topLevelItemCount()) {
        lessons_->setCurrentItem(lessons_->topLevelItem(model_.selectedRow()));
    }
    updating_ = false;
}

void CFirstTimePage2::rowChosen() {
    if (updating_) {
        return;
    }
    const QList<QTreeWidgetItem*> selected = lessons_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    model_.SelectTestRow(lessons_->indexOfTopLevelItem(selected.first()));
    emit changed();
}
