#include "tester/ui/c_description_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "common/ui/qt_text.h"
#include "tester/description_page_model.h"
#include "tester/ui/locale_names.h"

namespace {

QString ShownText(const std::string& text) {
    QString shown = ToQString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

}  // namespace

CDescriptionPage::CDescriptionPage(DescriptionPageModel& model,
                                   const std::vector<std::string>& localeNames, QWidget* parent)
    : CParameterPage(model, parent), description_(model) {
    const bool editable = model.editable();
    name_ = new QLineEdit(this);
    name_->setMaxLength(DescriptionPageModel::kMaxNameLength);
    name_->setReadOnly(!editable);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(!editable);
    text_->setTabChangesFocus(true);
    // The description keeps to its length (a line break counting two) as it is typed.
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = text_->toPlainText();
        int length = 0;
        qsizetype keep = 0;
        for (; keep < text.size(); ++keep) {
            length += text.at(keep) == QLatin1Char('\n') ? 2 : 1;
            if (length > DescriptionPageModel::kMaxDescriptionLength) {
                break;
            }
        }
        if (keep < text.size()) {
            QSignalBlocker blocker(text_);
            text_->setPlainText(text.left(keep));
            text_->moveCursor(QTextCursor::End);
        }
    });
    language_ = new QComboBox(this);
    for (const LocaleNames::Language& language : LocaleNames::Languages(localeNames)) {
        language_->addItem(language.name, language.windowsId);
    }
    language_->setEnabled(editable);

    auto* grid = new QGridLayout;
    auto* nameLabel = new QLabel(tr("Name of Test:"), this);
    nameLabel->setBuddy(name_);
    auto* textLabel = new QLabel(tr("Description:"), this);
    textLabel->setBuddy(text_);
    auto* languageLabel = new QLabel(tr("Language:"), this);
    languageLabel->setBuddy(language_);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(textLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(text_, 1, 1);
    grid->addWidget(languageLabel, 2, 0);
    grid->addWidget(language_, 2, 1);

    auto* levelBox =
        new QGroupBox(tr("Level of difficulty in respect to the characters used."), this);
    level_ = new QSlider(Qt::Horizontal, levelBox);
    level_->setRange(DescriptionPageModel::kMinLevel, DescriptionPageModel::kMaxLevel);
    level_->setSingleStep(1);
    level_->setPageStep(1);
    level_->setTickPosition(QSlider::TicksBelow);
    level_->setTickInterval(1);
    level_->setEnabled(editable);
    levelNumber_ = new QLineEdit(levelBox);
    levelNumber_->setReadOnly(true);
    levelNumber_->setFocusPolicy(Qt::NoFocus);
    levelNumber_->setMaximumWidth(
        levelNumber_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    connect(level_, &QSlider::valueChanged, levelNumber_,
            [this](int value) { levelNumber_->setText(QString::number(value)); });
    auto* levelGrid = new QGridLayout(levelBox);
    levelGrid->addWidget(level_, 0, 0, 1, 3);
    levelGrid->addWidget(levelNumber_, 0, 3);
    levelGrid->addWidget(new QLabel(tr("Beginner"), levelBox), 1, 0, Qt::AlignLeft);
    levelGrid->addWidget(new QLabel(tr("Standard"), levelBox), 1, 1, Qt::AlignHCenter);
    levelGrid->addWidget(new QLabel(tr("Proficiency"), levelBox), 1, 2, Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(levelBox);

    RegisterField(DescriptionPageModel::kNameField, name_);
    RegisterField(DescriptionPageModel::kDescriptionField, text_);
    RegisterField(DescriptionPageModel::kLanguageField, language_);
    RegisterField(DescriptionPageModel::kLevelSlider, level_);
    RegisterField(DescriptionPageModel::kLevelNumberField, levelNumber_);
}

void CDescriptionPage::CopyIn() {
    name_->setText(ToQString(description_.testName));
    text_->setPlainText(ShownText(description_.description));
    int index = language_->findData(description_.languageId);
    if (index < 0) {
        // A language this system does not list stays what it is.
        language_->addItem(LocaleNames::LanguageName(description_.languageId),
                           description_.languageId);
        index = language_->count() - 1;
    }
    language_->setCurrentIndex(index);
    level_->setValue(description_.level);
    levelNumber_->setText(QString::number(level_->value()));
}

void CDescriptionPage::CopyOut() {
    description_.testName = FromQString(name_->text());
    QString text = text_->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    description_.description = FromQString(text);
    if (language_->currentIndex() >= 0) {
        description_.languageId = language_->currentData().toInt();
    }
    description_.level = level_->value();
}
