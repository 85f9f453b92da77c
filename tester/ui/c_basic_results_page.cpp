#include "tester/ui/c_basic_results_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <initializer_list>

#include "tester/basic_results_page_model.h"

CBasicResultsPage::CBasicResultsPage(BasicResultsPageModel& model, QWidget* parent)
    : CParameterPage(model, parent), results_(model) {
    totalTime_ = AddField(BasicResultsPageModel::kTotalTimeField);
    grossStrokes_ = AddField(BasicResultsPageModel::kGrossStrokesField);
    netSpeed_ = AddField(BasicResultsPageModel::kNetSpeedField);
    errorRate_ = AddField(BasicResultsPageModel::kErrorRateField);
    errors_ = AddField(BasicResultsPageModel::kErrorsField);
    date_ = AddField(BasicResultsPageModel::kDateField);
    timeEnded_ = AddField(BasicResultsPageModel::kTimeEndedField);

    unit_ = new QComboBox(this);
    for (const char* name : BasicResultsPageModel::kUnitNames) {
        unit_->addItem(QString::fromLatin1(name));
    }
    RegisterField(BasicResultsPageModel::kUnitField, unit_);
    connect(unit_, &QComboBox::currentIndexChanged, this, [this](int unit) {
        if (results_.ChooseUnit(unit)) {
            CopyIn();
        }
    });

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& text, QLineEdit* field, QWidget* after) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (after != nullptr) {
            grid->addWidget(after, row, 2);
        }
        ++row;
    };
    addRow(tr("Total Time:"), totalTime_, nullptr);
    addRow(tr("Gross Strokes:"), grossStrokes_, nullptr);
    addRow(tr("Net Speed:"), netSpeed_, unit_);
    addRow(tr("Error Rate:"), errorRate_, new QLabel(QStringLiteral("%"), this));
    addRow(tr("Number of Errors:"), errors_, nullptr);
    addRow(tr("Date of Test:"), date_, nullptr);
    addRow(tr("Time Ended:"), timeEnded_, nullptr);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    // Tab goes down the page, to the unit list right after the net speed.
    QWidget* previous = nullptr;
    for (QWidget* next : std::initializer_list<QWidget*>{
             totalTime_, grossStrokes_, netSpeed_, unit_, errorRate_, errors_, date_, timeEnded_}) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

QLineEdit* CBasicResultsPage::AddField(int id) {
    auto* field = new QLineEdit(this);
    field->setReadOnly(true);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) +
                           16);
    RegisterField(id, field);
    return field;
}

void CBasicResultsPage::CopyIn() {
    const BasicResults& results = results_.results();
    {
        const QSignalBlocker blocker(unit_);
        unit_->setCurrentIndex(results_.unit());
    }
    totalTime_->setText(QString::fromStdString(results.totalTime));
    grossStrokes_->setText(QString::fromStdString(results_.grossStrokes()));
    netSpeed_->setText(QString::fromStdString(results_.netSpeed()));
    errorRate_->setText(QString::fromStdString(results.errorRate));
    errors_->setText(QString::fromStdString(results_.errors()));
    date_->setText(QString::fromStdString(results.dateOfTest));
    timeEnded_->setText(QString::fromStdString(results.timeEnded));
}
