#pragma once

#include <QDialog>

class QLineEdit;

/// "New Keyboard Name" (dialog 139): the name of a new character-worth table.
class CNewKeyboardNameDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit CNewKeyboardNameDialog(QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }

  private:
    QLineEdit* name_ = nullptr;
};
