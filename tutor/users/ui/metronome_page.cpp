#include "tutor/users/ui/metronome_page.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "tutor/users/settings_dialog_model.h"
#include "tutor/users/ui/sound_test_player.h"

namespace {

using Model = SettingsDialogModel;

}  // namespace

MetronomePage::MetronomePage(SettingsDialogModel& model, SoundTestPlayer& player, QWidget* parent)
    : QWidget(parent), model_(model), player_(player) {
    line_ = new QCheckBox(tr("Use the metronome line"), this);
    line_->setChecked(model.metronomeLine());
    sound_ = new QCheckBox(tr("Use the metronome sound (midi)"), this);
    sound_->setChecked(model.metronomeSound());

    auto* choose = new QLabel(tr("Choose the metronome rate:"), this);
    rate_ = new QLineEdit(QString::number(model.settings().metronomeRate), this);
    rate_->setReadOnly(true);
    rate_->setFocusPolicy(Qt::NoFocus);
    rate_->setMaximumWidth(60);
    rate_->setAlignment(Qt::AlignRight);
    auto* unit = new QLabel(tr("Strokes per minute."), this);

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(Model::kRateMinimum, Model::kRateMaximum);
    slider_->setTickInterval(Model::kRateTick);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setSingleStep(1);
    slider_->setPageStep(Model::kRateTick);
    slider_->setValue(model.sliderPosition());
    choose->setBuddy(slider_);

    auto* test = new QLabel(tr("Test"), this);

    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(choose);
    rateRow->addWidget(rate_);
    rateRow->addWidget(unit);
    rateRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line_);
    layout->addWidget(sound_);
    layout->addLayout(rateRow);
    layout->addWidget(slider_);
    layout->addWidget(test);
    layout->addStretch(1);
    // The test line runs across the page below the controls.
    setMinimumSize(Model::kTestLineLongRight + 20, Model::kTestLineY + 30);

    beat_ = new QTimer(this);
    connect(beat_, &QTimer::timeout, this, &MetronomePage::beat);
    lineOff_ = new QTimer(this);
    lineOff_->setSingleShot(true);
    lineOff_->setInterval(Model::kTestLineShowMs);
    connect(lineOff_, &QTimer::timeout, this, &MetronomePage::hideLine);

    connect(line_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setMetronomeLine(on);
        restartTest();
    });
    connect(sound_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setMetronomeSound(on);
        restartTest();
    });
    // Connected after the slider took its place: a rate outside the slider's range stays as
    // it is until the user moves the slider.
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        model_.setMetronomeRate(value);
        rate_->setText(QString::number(value));
        restartTest();
    });
}

void MetronomePage::restartTest() {
    if (model_.MetronomeTestRuns(isVisible())) {
        beat_->start(model_.metronomeTestIntervalMs());
    } else {
        beat_->stop();
        hideLine();
    }
}

void MetronomePage::beat() {
    if (model_.metronomeSound()) {
        player_.PlayBeat(model_.settings());
    }
    // A line still shown from the beat before is taken away first.
    if (lineShown_) {
        update(lineRect());
    }
    lineShown_ = true;
    lineRight_ = model_.testLineRight();
    update(lineRect());
    lineOff_->start();
}

void MetronomePage::hideLine() {
    if (lineShown_) {
        lineShown_ = false;
        update(lineRect());
    }
}

QRect MetronomePage::lineRect() const {
    const int half = Model::kTestLineWidth / 2 + 1;
    const int right = std::max(lineRight_, Model::kTestLineLongRight);
    return QRect(QPoint(Model::kTestLineLeft - half, Model::kTestLineY - half),
                 QPoint(right + half, Model::kTestLineY + half));
}

void MetronomePage::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!lineShown_) {
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(QColor(Model::kTestLineGrey, Model::kTestLineGrey, Model::kTestLineGrey),
                        Model::kTestLineWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPoint(Model::kTestLineLeft, Model::kTestLineY),
                     QPoint(lineRight_, Model::kTestLineY));
}

void MetronomePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    restartTest();
}

void MetronomePage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    beat_->stop();
    lineOff_->stop();
    lineShown_ = false;
}
