#include "tutor/practice/ui/welcome_window.h"

#include <QPainter>

#include <utility>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "tutor/course/appearance_list.h"
#include "tutor/course/ui/appearance_pictures.h"

WelcomeWindow::WelcomeWindow(const QImage& picture, AppearancePictures& appearance,
                             MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen),
      picture_(picture),
      appearance_(appearance),
      messages_(messages) {
    setObjectName(QStringLiteral("WelcomeWindow"));
    setWindowTitle(QString::fromLatin1(kKelvaneName));
    // 267 x 215 dialog units of the dialog font.
    setFixedSize(400, 350);
    timer_.setInterval(kTimerMs);
    connect(&timer_, &QTimer::timeout, this, &WelcomeWindow::Tick);
}

void WelcomeWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    timer_.start();
}

void WelcomeWindow::Tick() {
    ++ticks_;
    if (ticks_ == 1) {
        if (!appearance_.Load(std::string(AppearanceList::kStandard))) {
            timer_.stop();
            messages_.ShowMessage(kKelvaneName, std::string(AppearanceList::kMissingPicturesText),
                                  MessageSink::Icon::Warning);
            accept();
        }
        return;
    }
    timer_.stop();
    accept();
}

void WelcomeWindow::done(int result) {
    RunShownWork();
    QDialog::done(result);
}

void WelcomeWindow::RunShownWork() {
    if (whenShown_) {
        std::exchange(whenShown_, nullptr)();
    }
}

void WelcomeWindow::paintEvent(QPaintEvent*) {
    if (whenShown_ && !shownWorkQueued_) {
        shownWorkQueued_ = true;
        QTimer::singleShot(0, this, &WelcomeWindow::RunShownWork);
    }
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawImage(rect(), picture_);
}
