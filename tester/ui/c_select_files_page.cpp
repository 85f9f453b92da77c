#include "tester/ui/c_select_files_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <string>

#include "common/ui/qt_text.h"
#include "tester/select_files_page_model.h"
#include "tester/ui/tester_file_dialogs.h"

CSelectFilesPage::CSelectFilesPage(SelectFilesPageModel& model, TesterFileDialogs& dialogs,
                                   QWidget* parent)
    : CParameterPage(model, parent), files_(model), dialogs_(dialogs) {
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addFile = [&](const QString& text, int fieldId, int buttonId) {
        auto* field = new QLineEdit(this);
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 50);
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        auto* select = new QPushButton(tr("&Select File"), this);
        grid->addWidget(label, row++, 0, 1, 2);
        grid->addWidget(field, row, 0);
        grid->addWidget(select, row++, 1);
        connect(select, &QPushButton::clicked, this, [this, field] { SelectFile(field); });
        RegisterField(fieldId, field);
        RegisterField(buttonId, select);
        return field;
    };
    original_ = addFile(tr("File containing original text:"), SelectFilesPageModel::kOriginalField,
                        SelectFilesPageModel::kOriginalButton);
    grid->setRowMinimumHeight(row++, 8);
    alternative_ =
        addFile(tr("File containing alternative text:"), SelectFilesPageModel::kAlternativeField,
                SelectFilesPageModel::kAlternativeButton);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void CSelectFilesPage::CopyIn() {
    original_->setText(PathToQString(files_.originalPath));
    alternative_->setText(PathToQString(files_.alternativePath));
}

void CSelectFilesPage::CopyOut() {
    files_.originalPath = PathFromQString(original_->text());
    files_.alternativePath = PathFromQString(alternative_->text());
}

void CSelectFilesPage::SelectFile(QLineEdit* field) {
    const std::string current = PathFromQString(field->text());
    if (std::optional<std::string> path =
            dialogs_.AskOpenFileName(this, SelectFilesPageModel::kTextFileFilter,
                                     SelectFilesPageModel::SelectFileInitialName(current))) {
        field->setText(PathToQString(*path));
        field->setFocus(Qt::OtherFocusReason);
    }
}
