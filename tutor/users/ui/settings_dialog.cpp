#include "tutor/users/ui/settings_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/message_sink.h"
#include "common/ui/qt_text.h"
#include "tutor/course/ui/jpeg_image.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/ui/cursor_page.h"
#include "tutor/users/ui/metronome_page.h"
#include "tutor/users/ui/radio_group_focus.h"
#include "tutor/users/ui/sound_test_player.h"
#include "tutor/users/ui/sounds_page.h"

namespace {

using Page = SettingsDialogModel::Page;

// The program told the user about missing pictures when it started; here a missing one is
// simply left out.
class QuietMessages final : public MessageSink {
  public:
    void ShowMessage(const std::string&, const std::string&, Icon) override {}
};

QImage LoadPicture(const std::string& path) {
    QuietMessages quiet;
    return LoadJpegImage(path, quiet);
}

// A picture of the given logical height, sharp at the screen's pixel ratio; crop (in the
// picture's pixels) chooses the part shown. A missing picture gives a null pixmap.
QPixmap Thumbnail(const QImage& image, int height, qreal ratio, QRect crop = {}) {
    if (image.isNull()) {
        return {};
    }
    const QImage part = crop.isNull() ? image : image.copy(crop);
    QPixmap pixmap =
        QPixmap::fromImage(part.scaledToHeight(qRound(height * ratio), Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QLabel* PictureLabel(const QPixmap& pixmap) {
    auto* label = new QLabel;
    label->setFrameShape(QFrame::StyledPanel);
    if (!pixmap.isNull()) {
        label->setPixmap(pixmap);
        label->setFixedSize(label->sizeHint());
    }
    return label;
}

QString PageTitle(Page page) {
    return QString::fromLatin1(SettingsDialogModel::kPageTitles[static_cast<int>(page)]);
}

}  // namespace

bool SettingsDialog::Edit(TutorSettings& settings, const Services& services, QWidget* parent) {
    SettingsDialog dialog(settings, services, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    settings.assign(dialog.edited());
    return true;
}

SettingsDialog::SettingsDialog(const TutorSettings& settings, const Services& services,
                               QWidget* parent)
    : QDialog(parent), model_(settings, services.appearanceNames) {
    setWindowTitle(QString::fromLatin1(SettingsDialogModel::kCaption));
    player_ = new SoundTestPlayer(services.sounds, this);

    // The silence tab shows the silence picture and three of the current appearance: the
    // hands, and the first frames of the speed and error animations.
    const qreal ratio = devicePixelRatioF();
    const std::string appearance = services.picturesFolder + settings.appearance + "/";
    const QImage hands = LoadPicture(appearance + "HandsBG.jpg");
    const QImage speed = LoadPicture(appearance + "Movie1.jpg");
    const QImage sky = LoadPicture(appearance + "Movie5.jpg");
    const int kThumbnail = 64;
    const std::vector<QPixmap> silencePictures = {
        Thumbnail(LoadPicture(services.picturesFolder + "Silent.jpg"), kThumbnail, ratio),
        Thumbnail(hands, kThumbnail, ratio,
                  QRect(hands.width() / 4, 0, hands.width() / 2, hands.height())),
        Thumbnail(speed, kThumbnail, ratio, QRect(0, 0, speed.height(), speed.height())),
        Thumbnail(sky, kThumbnail, ratio, QRect(0, 0, sky.height(), sky.height()))};

    tabs_ = new QTabWidget(this);
    // All six titles in view: the dialog is as wide as they need.
    tabs_->setUsesScrollButtons(false);
    cursor_ = new CursorPage(model_);
    tabs_->addTab(cursor_, PageTitle(Page::Cursor));
    sounds_ = new SoundsPage(model_, *player_, silencePictures);
    tabs_->addTab(sounds_, PageTitle(Page::Sounds));
    tabs_->addTab(editorPage(services.picturesFolder), PageTitle(Page::Editor));
    metronome_ = new MetronomePage(model_, *player_);
    tabs_->addTab(metronome_, PageTitle(Page::Metronome));
    tabs_->addTab(appearancePage(), PageTitle(Page::Appearance));
    tabs_->addTab(errorsPage(), PageTitle(Page::Errors));
    tabs_->setCurrentIndex(0);

    ok_ = new QPushButton(tr("&OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("&Cancel"), this);
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
}

SettingsDialog::~SettingsDialog() = default;

QWidget* SettingsDialog::editorPage(const std::string& picturesFolder) {
    auto* page = new QWidget;
    auto* group = new QGroupBox(tr("Main Window"), page);
    auto* boxes = new QVBoxLayout(group);
    const auto addBox = [&](const QString& text, bool checked,
                            void (SettingsDialogModel::*set)(bool)) {
        auto* box = new QCheckBox(text, group);
        box->setChecked(checked);
        if (set) {
            connect(box, &QCheckBox::toggled, this, [this, set](bool on) { (model_.*set)(on); });
        } else {
            box->setEnabled(false);
        }
        boxes->addWidget(box);
    };
    const TutorSettings& s = model_.settings();
    addBox(tr("Show Statistics"), s.showStatistics != 0, &SettingsDialogModel::setShowStatistics);
    // Shown as the practice window has it, but not something the user can switch.
    addBox(tr("Copied Text"), true, nullptr);
    addBox(tr("Show Helping Keyboard"), s.showKeyboard != 0, &SettingsDialogModel::setShowKeyboard);
    addBox(tr("Show Helping Hands"), s.showHands != 0, &SettingsDialogModel::setShowHands);
    boxes->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(group, 0, Qt::AlignTop);
    layout->addWidget(PictureLabel(Thumbnail(LoadPicture(picturesFolder + "SmallWindow.jpg"), 120,
                                             devicePixelRatioF())),
                      0, Qt::AlignTop);
    layout->addStretch(1);
    return page;
}

QWidget* SettingsDialog::appearancePage() {
    auto* page = new QWidget;
    auto* text = new QLabel(tr("Select the appearance of user interface."), page);
    auto* list = new QListWidget(page);
    for (const std::string& name : model_.appearanceNames()) {
        list->addItem(ToQString(name));
    }
    list->setCurrentRow(model_.appearanceIndex());
    text->setBuddy(list);
    connect(list, &QListWidget::currentRowChanged, this,
            [this](int row) { model_.ChooseAppearance(row); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addWidget(list, 1);
    return page;
}

QWidget* SettingsDialog::errorsPage() {
    static constexpr const char* kModes[] = {"Prevent two errors in a sequence of two characters",
                                             "Display a warning message after each error.",
                                             "No limitation", "Use Backspace after each error"};
    auto* page = new QWidget;
    auto* group = new QGroupBox(tr("Error Handling"), page);
    auto* buttons = new QVBoxLayout(group);
    QList<QRadioButton*> radios;
    for (int mode = 0; mode < 4; ++mode) {
        auto* button = new QRadioButton(QString::fromLatin1(kModes[mode]), group);
        button->setChecked(model_.settings().errorMode == mode);
        connect(button, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on) {
                model_.setErrorMode(mode);
            }
        });
        buttons->addWidget(button);
        radios << button;
    }
    RadioGroupFocus::Install(radios);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);
    return page;
}
