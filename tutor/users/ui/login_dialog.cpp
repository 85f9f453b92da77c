#include "tutor/users/ui/login_dialog.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/data_paths.h"
#include "common/ui/code_page_validator.h"
#include "common/ui/qt_text.h"
#include "tutor/course/ui/jpeg_image.h"
#include "tutor/users/user_profile.h"

namespace {

// The picture is drawn at twice its size in pixels: sharp on a screen of double density,
// smoothly reduced on others.
constexpr qreal kPictureScale = 2.0;
constexpr int kPictureSize = 150;

QLineEdit* MakeEdit(QWidget* parent, const char* objectName, bool password) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(objectName));
    edit->setMaxLength(static_cast<int>(LoginDialogModel::kMaxInputLength));
    if (password) {
        edit->setEchoMode(QLineEdit::Password);
    }
    CodePageValidator::Apply(edit);
    return edit;
}

// A focus that leaves because the user moved it, not because a message box or the closing
// dialog took it.
bool UserMovedFocus(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            return true;
        default:
            return false;
    }
}

}  // namespace

LoginOutcome LoginDialog::Run(QWidget* parent, LoginDialogModel& model, MessageSink& messages) {
    LoginDialog dialog(model, messages, parent);
    dialog.exec();
    return dialog.outcome();
}

LoginDialog::LoginDialog(LoginDialogModel& model, MessageSink& messages, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("LoginDialog"));
    setWindowTitle(ToQString(LoginDialogModel::kTitle));

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setFixedSize(kPictureSize, kPictureSize);
    picture_->setAlignment(Qt::AlignCenter);
    QImage image =
        LoadJpegImage(DataPaths::DataPath("pictures", LoginDialogModel::kPicture), messages);
    if (!image.isNull()) {
        QPixmap pixmap =
            QPixmap::fromImage(image.scaled(QSize(kPictureSize, kPictureSize) * kPictureScale,
                                            Qt::KeepAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(kPictureScale);
        picture_->setPixmap(pixmap);
    }

    auto* introduction = new QLabel(ToQString(LoginDialogModel::kIntroduction), this);
    introduction->setWordWrap(true);

    nameEdit_ = MakeEdit(this, "name", false);
    passwordEdit_ = MakeEdit(this, "password", true);
    repeatEdit_ = MakeEdit(this, "repeat", true);
    auto* nameLabel = new QLabel(ToQString(LoginDialogModel::kNameLabel), this);
    auto* passwordLabel = new QLabel(ToQString(LoginDialogModel::kPasswordLabel), this);
    repeatLabel_ = new QLabel(ToQString(LoginDialogModel::kRepeatLabel), this);
    repeatLabel_->setObjectName(QStringLiteral("repeatLabel"));
    nameLabel->setBuddy(nameEdit_);
    passwordLabel->setBuddy(passwordEdit_);
    repeatLabel_->setBuddy(repeatEdit_);

    users_ = new QListWidget(this);
    users_->setObjectName(QStringLiteral("users"));
    users_->setSelectionMode(QAbstractItemView::SingleSelection);

    diskette_ = new QPushButton(this);
    diskette_->setObjectName(QStringLiteral("diskette"));
    ok_ = new QPushButton(ToQString(LoginDialogModel::kOkButton), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    exit_ = new QPushButton(ToQString(LoginDialogModel::kExitButton), this);
    exit_->setObjectName(QStringLiteral("exit"));

    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(nameEdit_, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(passwordEdit_, 1, 1);
    fields->addWidget(repeatLabel_, 2, 0);
    fields->addWidget(repeatEdit_, 2, 1);
    // The labels keep their width when "Password again:" appears; the edits are as wide as
    // the ten characters they take.
    fields->setColumnMinimumWidth(0, repeatLabel_->sizeHint().width());
    const int editWidth = nameEdit_->fontMetrics().horizontalAdvance(QLatin1Char('W')) *
                              static_cast<int>(LoginDialogModel::kMaxInputLength) +
                          16;
    for (QLineEdit* edit : {nameEdit_, passwordEdit_, repeatEdit_}) {
        edit->setFixedWidth(editWidth);
    }
    fields->setColumnStretch(2, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(introduction);
    right->addSpacing(6);
    right->addLayout(fields);
    right->addWidget(users_, 1);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(picture_, 0, Qt::AlignTop);
    top->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(diskette_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(exit_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    // Reading order: the three fields, the list, then the buttons from left to right.
    setTabOrder(nameEdit_, passwordEdit_);
    setTabOrder(passwordEdit_, repeatEdit_);
    setTabOrder(repeatEdit_, users_);
    setTabOrder(users_, diskette_);
    setTabOrder(diskette_, ok_);
    setTabOrder(ok_, exit_);

    connect(nameEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setNameText(FromQString(text)); });
    connect(passwordEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setPasswordText(FromQString(text)); });
    connect(repeatEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setRepeatText(FromQString(text)); });
    connect(users_, &QListWidget::currentRowChanged, this, &LoginDialog::entrySelected);
    // A click on the entry already selected takes its name back too.
    connect(users_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { entrySelected(users_->row(item)); });
    connect(ok_, &QPushButton::clicked, this, &LoginDialog::okClicked);
    connect(exit_, &QPushButton::clicked, this, &LoginDialog::reject);
    connect(diskette_, &QPushButton::clicked, this, &LoginDialog::disketteClicked);
    nameEdit_->installEventFilter(this);

    model_.open();
    diskette_->setText(disketteButtonText());
    showModel();
    applyFocus();
}

LoginOutcome LoginDialog::outcome() const {
    return {model_.result() == LoginDialogModel::Result::Ok, model_.newUser()};
}

QString LoginDialog::disketteButtonText() const {
    QString text = ToQString(LoginDialogModel::kDisketteButton);
    // The folder stands where the old program named its drive, "(A:\)".
    const std::string folder = model_.disketteFolder();
    if (!folder.empty()) {
        text += QStringLiteral("  (") + PathToQString(folder) + QLatin1Char(')');
    }
    return text;
}

void LoginDialog::showModel() {
    updating_ = true;
    if (shownEntries_ != model_.entries()) {
        shownEntries_ = model_.entries();
        users_->clear();
        for (const std::string& entry : shownEntries_) {
            users_->addItem(ToQString(entry));
        }
    }
    if (model_.selectedIndex() >= 0) {
        users_->setCurrentRow(model_.selectedIndex());
        users_->scrollToItem(users_->currentItem());
    } else {
        users_->setCurrentRow(-1);
        users_->clearSelection();
    }
    auto show = [](QLineEdit* edit, const std::string& text) {
        if (FromQString(edit->text()) != text) {
            edit->setText(ToQString(text));
        }
    };
    show(nameEdit_, model_.nameText());
    show(passwordEdit_, model_.passwordText());
    show(repeatEdit_, model_.repeatText());
    repeatLabel_->setVisible(model_.repeatVisible());
    repeatEdit_->setVisible(model_.repeatVisible());
    nameEdit_->setEnabled(model_.nameEnabled());
    updating_ = false;
}

void LoginDialog::applyFocus() {
    QWidget* target = nameEdit_;
    switch (model_.focus()) {
        case LoginDialogModel::Focus::Name:
            target = nameEdit_;
            break;
        case LoginDialogModel::Focus::Password:
            target = passwordEdit_;
            break;
        case LoginDialogModel::Focus::Repeat:
            target = repeatEdit_;
            break;
        case LoginDialogModel::Focus::List:
            target = users_;
            break;
    }
    if (!target->isEnabled()) {
        return;
    }
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->selectAll();
    }
}

void LoginDialog::entrySelected(int row) {
    if (updating_ || busy_ || row < 0) {
        return;
    }
    model_.selectEntry(row);
    showModel();
    applyFocus();
}

void LoginDialog::okClicked() {
    if (busy_ || closing_) {
        return;
    }
    busy_ = true;
    model_.ok();
    busy_ = false;
    showModel();
    if (model_.result() == LoginDialogModel::Result::Ok) {
        closing_ = true;
        accept();
        return;
    }
    applyFocus();
}

void LoginDialog::reject() {
    if (busy_ || closing_) {
        return;
    }
    busy_ = true;
    model_.exit();
    busy_ = false;
    if (model_.result() == LoginDialogModel::Result::Cancel) {
        closing_ = true;
        QDialog::reject();
    }
}

void LoginDialog::disketteClicked() {
    if (busy_ || closing_) {
        return;
    }
    busy_ = true;
    model_.loadFromDiskette();
    busy_ = false;
    diskette_->setText(disketteButtonText());
    showModel();
}

bool LoginDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nameEdit_ && event->type() == QEvent::FocusOut && !closing_ &&
        UserMovedFocus(static_cast<QFocusEvent*>(event)->reason())) {
        // Later, not inside the focus change: a message box opened in the middle of a click
        // would leave the clicked button half pressed.
        QMetaObject::invokeMethod(this, &LoginDialog::nameLeft, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void LoginDialog::nameLeft() {
    // Heading for Exit is no reason to complain about the name.
    if (busy_ || closing_ || !isVisible() || focusWidget() == exit_) {
        return;
    }
    busy_ = true;
    model_.leaveNameEdit();
    busy_ = false;
    showModel();
}
