#include "tester/ui/text_font_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TextFontDialog::TextFontDialog(const QFont& font, const QColor& color, QWidget* parent)
    : QDialog(parent), color_(color) {
    setObjectName(QStringLiteral("TextFontDialog"));
    setWindowTitle(tr("Font"));
    family_ = new QFontComboBox(this);
    family_->setCurrentFont(font);
    size_ = new QSpinBox(this);
    size_->setRange(6, 96);
    size_->setSuffix(tr(" px"));
    size_->setValue(font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize());
    bold_ = new QCheckBox(tr("&Bold"), this);
    bold_->setChecked(font.bold());
    italic_ = new QCheckBox(tr("&Italic"), this);
    italic_->setChecked(font.italic());

    auto* effects = new QGroupBox(tr("Effects"), this);
    strikeOut_ = new QCheckBox(tr("Stri&keout"), effects);
    strikeOut_->setChecked(font.strikeOut());
    underline_ = new QCheckBox(tr("&Underline"), effects);
    underline_->setChecked(font.underline());
    colorButton_ = new QPushButton(tr("&Color..."), effects);
    auto* effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(strikeOut_);
    effectsLayout->addWidget(underline_);
    effectsLayout->addWidget(colorButton_);

    sample_ = new QLabel(tr("AaBbYyZz \u00C1\u010D\u0159\u017E"), this);
    sample_->setMinimumHeight(64);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    sample_->setAutoFillBackground(true);

    auto* form = new QFormLayout;
    auto* familyLabel = new QLabel(tr("&Font:"), this);
    familyLabel->setBuddy(family_);
    auto* sizeLabel = new QLabel(tr("&Size:"), this);
    sizeLabel->setBuddy(size_);
    form->addRow(familyLabel, family_);
    form->addRow(sizeLabel, size_);
    auto* style = new QHBoxLayout;
    style->addWidget(bold_);
    style->addWidget(italic_);
    style->addStretch(1);
    form->addRow(style);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(effects);
    layout->addWidget(sample_);
    layout->addWidget(buttons);

    connect(family_, &QFontComboBox::currentFontChanged, this, &TextFontDialog::UpdateSample);
    connect(size_, &QSpinBox::valueChanged, this, &TextFontDialog::UpdateSample);
    for (QCheckBox* box : {bold_, italic_, strikeOut_, underline_}) {
        connect(box, &QCheckBox::toggled, this, &TextFontDialog::UpdateSample);
    }
    connect(colorButton_, &QPushButton::clicked, this, &TextFontDialog::ChooseColor);
    UpdateSample();
}

QFont TextFontDialog::font() const {
    QFont chosen = family_->currentFont();
    chosen.setPixelSize(size_->value());
    chosen.setBold(bold_->isChecked());
    chosen.setItalic(italic_->isChecked());
    chosen.setStrikeOut(strikeOut_->isChecked());
    chosen.setUnderline(underline_->isChecked());
    return chosen;
}

void TextFontDialog::setColor(const QColor& color) {
    color_ = color;
    UpdateSample();
}

void TextFontDialog::ChooseColor() {
    QColorDialog dialog(color_, this);
    if (dialog.exec() == QDialog::Accepted) {
        setColor(dialog.currentColor());
    }
}

void TextFontDialog::UpdateSample() {
    sample_->setFont(font());
    QPalette colors = sample_->palette();
    colors.setColor(QPalette::WindowText, color_);
    sample_->setPalette(colors);
}
