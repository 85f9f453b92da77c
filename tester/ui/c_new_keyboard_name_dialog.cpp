#include "tester/ui/c_new_keyboard_name_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CNewKeyboardNameDialog::CNewKeyboardNameDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CNewKeyboardNameDialog"));
    setWindowTitle(tr("New Keyboard Name"));
    auto* text = new QLabel(tr("Insert the name of the new keyboard.\nThe character values have "
                               "to be defined in the previous dialogue."),
                            this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("1026"));
    // The name becomes a file name: keep it to what one may hold.
    name_->setMaxLength(100);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(name_);
    layout->addWidget(buttons);
}
