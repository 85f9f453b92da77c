#include "tester/ui/c_characters_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/ui/qt_text.h"
#include "tester/characters_page_model.h"
#include "tester/ui/c_new_keyboard_name_dialog.h"

namespace {

// A set of characters wraps like a multi-line edit, but Enter belongs to the sheet's OK and
// Tab moves on: neither is a character of a set.
class CharacterSetEdit final : public QPlainTextEdit {
  public:
    explicit CharacterSetEdit(QWidget* parent) : QPlainTextEdit(parent) {
        setTabChangesFocus(true);
        setUndoRedoEnabled(false);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->ignore();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
};

}  // namespace

CCharactersPage::CCharactersPage(CharactersPageModel& model, QWidget* parent)
    : CParameterPage(model, parent), characters_(model) {
    types_ = new QComboBox(this);
    auto* typeLabel = new QLabel(tr("Select keyboard type:"), this);
    typeLabel->setBuddy(types_);
    add_ = new QPushButton(tr("&Add"), this);
    delete_ = new QPushButton(tr("&Delete"), this);
    auto* top = new QHBoxLayout;
    top->addWidget(typeLabel);
    top->addWidget(types_, 1);
    top->addWidget(add_);
    top->addWidget(delete_);

    const QString labels[4] = {tr("Characters worth 1 point"), tr("Characters worth 2 points"),
                               tr("Characters worth 3 points"), tr("Characters worth 4 points")};
    const int ids[4] = {CharactersPageModel::kChars1Field, CharactersPageModel::kChars2Field,
                        CharactersPageModel::kChars3Field, CharactersPageModel::kChars4Field};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* edit = new CharacterSetEdit(this);
        auto* label = new QLabel(labels[i], this);
        label->setBuddy(edit);
        grid->addWidget(label, (i / 2) * 2, i % 2);
        grid->addWidget(edit, (i / 2) * 2 + 1, i % 2);
        sets_[static_cast<std::size_t>(i)] = edit;
        RegisterField(ids[i], edit);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, i, edit] {
            if (!loading_) {
                characters_.SetChars(i, FromQString(edit->toPlainText()));
            }
        });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid, 1);

    // The read-only form shows the test's own table and nothing to change it with.
    types_->setEnabled(model.editable());
    add_->setVisible(model.editable());
    delete_->setVisible(model.editable());

    RegisterField(CharactersPageModel::kTypeField, types_);
    RegisterField(CharactersPageModel::kAddButton, add_);
    RegisterField(CharactersPageModel::kDeleteButton, delete_);
    connect(types_, &QComboBox::activated, this, &CCharactersPage::Selected);
    connect(add_, &QPushButton::clicked, this, &CCharactersPage::Add);
    connect(delete_, &QPushButton::clicked, this, &CCharactersPage::Delete);
}

void CCharactersPage::CopyIn() {
    loading_ = true;
    {
        QSignalBlocker blocker(types_);
        types_->clear();
        for (const KeyboardType& type : characters_.types()) {
            types_->addItem(ToQString(type.name));
        }
        types_->setCurrentIndex(characters_.selected());
    }
    for (std::size_t i = 0; i < sets_.size(); ++i) {
        sets_[i]->setPlainText(ToQString(characters_.sets()[i]));
        sets_[i]->setReadOnly(!characters_.CanEditSets());
    }
    delete_->setEnabled(characters_.CanDelete());
    loading_ = false;
}

void CCharactersPage::CopyOut() {
    // The edits report every change to the model as it happens.
}

void CCharactersPage::Selected(int index) {
    characters_.Select(index);
    CopyIn();
}

void CCharactersPage::Add() {
    CNewKeyboardNameDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    characters_.Add(FromQString(dialog.nameEdit()->text()));
    CopyIn();
    types_->setFocus();
}

void CCharactersPage::Delete() {
    characters_.DeleteSelected();
    CopyIn();
    types_->setFocus();
}
