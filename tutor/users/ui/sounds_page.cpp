#include "tutor/users/ui/sounds_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "tutor/users/settings_dialog_model.h"
#include "tutor/users/ui/settings_icons.h"
#include "tutor/users/ui/sound_test_player.h"

namespace {

using SoundTab = SettingsDialogModel::SoundTab;

constexpr int kIconSize = 48;

template <std::size_t N>
QWidget* ListTab(const std::array<const char*, N>& entries, int icon, const QString& text,
                 QComboBox*& list, QPushButton*& testButton) {
    auto* page = new QWidget;
    auto* choose = new QLabel(QObject::tr("Choose the type of sound:"));
    list = new QComboBox;
    for (const char* entry : entries) {
        list->addItem(QString::fromLatin1(entry));
    }
    choose->setBuddy(list);
    auto* picture = new QLabel;
    picture->setFixedSize(kIconSize, kIconSize);
    picture->setPixmap(
        SettingsIcon(icon).pixmap(QSize(kIconSize, kIconSize), page->devicePixelRatioF()));
    auto* explanation = new QLabel(text);
    explanation->setWordWrap(true);
    testButton = new QPushButton(QObject::tr("&Test"));
    testButton->setAutoDefault(false);

    auto* layout = new QGridLayout(page);
    layout->addWidget(choose, 0, 0, 1, 2);
    layout->addWidget(list, 1, 0, 1, 2);
    layout->addWidget(picture, 2, 0, Qt::AlignTop);
    layout->addWidget(explanation, 2, 1);
    layout->addWidget(testButton, 3, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(4, 1);
    return page;
}

QWidget* SilenceTab(const std::vector<QPixmap>& pictures) {
    auto* page = new QWidget;
    auto* text = new QLabel(
        QObject::tr("You can switch the sound off if you don't want to disturb others."));
    text->setWordWrap(true);
    auto* row = new QHBoxLayout;
    for (const QPixmap& pixmap : pictures) {
        if (pixmap.isNull()) {
            continue;
        }
        auto* picture = new QLabel;
        picture->setPixmap(pixmap);
        picture->setFrameShape(QFrame::StyledPanel);
        picture->setFixedSize(picture->sizeHint());
        row->addWidget(picture);
    }
    row->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

}  // namespace

SoundsPage::SoundsPage(SettingsDialogModel& model, SoundTestPlayer& player,
                       const std::vector<QPixmap>& silencePictures, QWidget* parent)
    : QWidget(parent), model_(model), player_(player) {
    label_ = new QLabel(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(ListTab(SettingsDialogModel::kWavSounds, 158,
                          tr("Choose the sound that suits you best. The sound helps you notice "
                             "your typing errors."),
                          wavList_, wavTest_),
                  QString::fromLatin1(SettingsDialogModel::kSoundTabTitles[0]));
    tabs_->addTab(ListTab(SettingsDialogModel::kSpeakerSounds, 159,
                          tr("This option is only for those who do not have a sound card. The "
                             "sound helps you notice your typing errors."),
                          speakerList_, speakerTest_),
                  QString::fromLatin1(SettingsDialogModel::kSoundTabTitles[1]));
    tabs_->addTab(SilenceTab(silencePictures),
                  QString::fromLatin1(SettingsDialogModel::kSoundTabTitles[2]));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(tabs_, 1);

    connect(wavList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.ChooseSoundEntry(SoundTab::Wav, index); });
    connect(speakerList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.ChooseSoundEntry(SoundTab::Speaker, index); });
    connect(wavTest_, &QPushButton::clicked, this, &SoundsPage::test);
    connect(speakerTest_, &QPushButton::clicked, this, &SoundsPage::test);
    connect(&player_, &SoundTestPlayer::testEnded, this, &SoundsPage::testEnded);

    // Opening shows the tab of the stored sound type, which then holds to that tab's rule.
    tabs_->setCurrentIndex(static_cast<int>(model.soundTab()));
    showTab(tabs_->currentIndex());
    connect(tabs_, &QTabWidget::currentChanged, this, &SoundsPage::showTab);
}

void SoundsPage::showTab(int index) {
    const auto tab = static_cast<SoundTab>(index);
    model_.ShowSoundTab(tab);
    label_->setText(QString::fromLatin1(SettingsDialogModel::SoundLabel(tab)));
    QComboBox* list = tab == SoundTab::Wav       ? wavList_
                      : tab == SoundTab::Speaker ? speakerList_
                                                 : nullptr;
    if (list) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(model_.soundEntry());
    }
}

void SoundsPage::test() {
    if (!model_.StartSoundTest()) {
        return;
    }
    // A disabled button passes the focus on, maybe to a button that Return would press: the
    // list of the tab keeps it while the test plays, and gives it back afterwards.
    for (auto [button, list] :
         {std::pair{wavTest_, wavList_}, std::pair{speakerTest_, speakerList_}}) {
        if (button->hasFocus()) {
            list->setFocus();
            focusAfterTest_ = button;
        }
    }
    syncTestButtons();
    player_.PlayTest(model_.settings().soundType);
}

void SoundsPage::testEnded() {
    model_.SoundTestEnded();
    syncTestButtons();
    if (focusAfterTest_ && (wavList_->hasFocus() || speakerList_->hasFocus())) {
        focusAfterTest_->setFocus();
    }
    focusAfterTest_ = nullptr;
}

void SoundsPage::syncTestButtons() {
    wavTest_->setEnabled(model_.testButtonEnabled());
    speakerTest_->setEnabled(model_.testButtonEnabled());
}
