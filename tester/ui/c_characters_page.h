#pragma once

#include <array>

#include "tester/ui/c_parameter_page.h"

class CharactersPageModel;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

/// The Characters page (dialog 136) over its model.
class CCharactersPage final : public CParameterPage {
    Q_OBJECT

  public:
    explicit CCharactersPage(CharactersPageModel& model, QWidget* parent = nullptr);

    void CopyIn() override;
    void CopyOut() override;

  private:
    void Selected(int index);
    void Add();
    void Delete();

    CharactersPageModel& characters_;
    QComboBox* types_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    std::array<QPlainTextEdit*, 4> sets_{};
    bool loading_ = false;
};
