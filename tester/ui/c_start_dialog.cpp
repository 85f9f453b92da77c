#include "tester/ui/c_start_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CStartDialog::CStartDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CStartDialog"));
    setWindowTitle(tr("Start"));
    setModal(false);
    auto* text = new QLabel(QString::fromLatin1(kText), this);
    text->setWordWrap(false);
    start_ = new QPushButton(tr("&Start"), this);
    start_->setDefault(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(start_, QDialogButtonBox::AcceptRole);
    connect(start_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // Accepted, rejected with Esc or closed by the window manager: the typist is ready.
    connect(this, &QDialog::finished, this, &CStartDialog::ready);
}

void CStartDialog::ShowOver(QWidget* widget) {
    adjustSize();
    if (widget != nullptr) {
        const QPoint centre = widget->mapToGlobal(widget->rect().center());
        move(centre - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
    start_->setFocus();
}
