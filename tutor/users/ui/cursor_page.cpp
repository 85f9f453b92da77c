#include "tutor/users/ui/cursor_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "tutor/users/settings_dialog_model.h"
#include "tutor/users/ui/radio_group_focus.h"
#include "tutor/users/ui/settings_icons.h"

namespace {

constexpr int kIconSize = 32;
constexpr const char* kShapeNames[] = {"Rectangle", "Axe", "Pointer"};

}  // namespace

CursorPage::CursorPage(SettingsDialogModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    auto* group = new QGroupBox(tr("Cursor Shape"), this);
    auto* shapes = new QVBoxLayout(group);
    for (int shape = 0; shape < 3; ++shape) {
        auto* button = new QRadioButton(QString::fromLatin1(kShapeNames[shape]), group);
        button->setIcon(SettingsIcon(153 + shape));
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setChecked(model.settings().cursorShape == shape);
        connect(button, &QRadioButton::toggled, this, [this, shape](bool on) {
            if (on) {
                model_.setCursorShape(shape);
            }
        });
        shapes->addWidget(button);
        shapes_[static_cast<std::size_t>(shape)] = button;
    }

    RadioGroupFocus::Install({shapes_.begin(), shapes_.end()});

    blink_ = new QCheckBox(tr("Blinking Cursor"), this);
    blink_->setChecked(model.settings().blinkingCursor != 0);
    connect(blink_, &QCheckBox::toggled, this, [this](bool on) { model_.setBlinkingCursor(on); });
    preview_ = new QLabel(this);
    preview_->setFixedSize(kIconSize, kIconSize);

    auto* blinkRow = new QHBoxLayout;
    blinkRow->addWidget(blink_);
    blinkRow->addSpacing(16);
    blinkRow->addWidget(preview_);
    blinkRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(blinkRow);
    layout->addStretch(1);

    showPreview();
    // The preview blinks for as long as the page exists.
    timer_ = new QTimer(this);
    timer_->setInterval(SettingsDialogModel::kBlinkIntervalMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        model_.BlinkTick();
        showPreview();
    });
    timer_->start();
}

void CursorPage::showPreview() {
    preview_->setPixmap(SettingsIcon(model_.previewIcon())
                            .pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
}
