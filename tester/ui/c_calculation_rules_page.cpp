#include "tester/ui/c_calculation_rules_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "tester/calculation_rules_page_model.h"

CCalculationRulesPage::CCalculationRulesPage(CalculationRulesPageModel& model, QWidget* parent)
    : CParameterPage(model, parent), rules_(model) {
    points_ = new QComboBox(this);
    points_->setEditable(true);
    points_->setInsertPolicy(QComboBox::NoInsert);
    points_->lineEdit()->setMaxLength(CalculationRulesPageModel::kMaxLength);
    for (int choice : CalculationRulesPageModel::kChoices) {
        points_->addItem(QString::number(choice));
    }
    points_->setEnabled(model.editable());
    auto* label = new QLabel(tr("Number of points lost with each error:"), this);
    label->setBuddy(points_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(points_);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
    RegisterField(CalculationRulesPageModel::kPointsField, points_);
}

void CCalculationRulesPage::CopyIn() {
    points_->setEditText(QString::fromStdString(rules_.pointsPerError));
}

void CCalculationRulesPage::CopyOut() {
    rules_.pointsPerError = points_->currentText().toStdString();
}
