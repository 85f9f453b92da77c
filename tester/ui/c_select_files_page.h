#pragma once

#include "tester/ui/c_parameter_page.h"

class QLineEdit;
class QPushButton;
class SelectFilesPageModel;
class TesterFileDialogs;

/// The Select Files page (dialog 141) over its model: the two files of a comparison, typed or
/// chosen with "&Select File".
class CSelectFilesPage final : public CParameterPage {
    Q_OBJECT

  public:
    CSelectFilesPage(SelectFilesPageModel& model, TesterFileDialogs& dialogs,
                     QWidget* parent = nullptr);

    void CopyIn() override;
    void CopyOut() override;

  private:
    void SelectFile(QLineEdit* field);

    SelectFilesPageModel& files_;
    TesterFileDialogs& dialogs_;
    QLineEdit* original_ = nullptr;
    QLineEdit* alternative_ = nullptr;
};
