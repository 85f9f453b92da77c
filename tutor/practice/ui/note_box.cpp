#include "tutor/practice/ui/note_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/product_version.h"
#include "common/ui/qt_message_sink.h"

NoteBox::NoteBox(const std::string& text, const QImage& picture, QWidget* parent)
    : QDialog(parent),
      picture_(picture),
      text_(new QLabel(QtMessageSink::DisplayText(text), this)),
      ok_(new QPushButton(tr("OK"), this)) {
    setWindowTitle(QString::fromLatin1(kKelvaneName));
    setObjectName(QStringLiteral("NoteBox"));
    text_->setObjectName(QStringLiteral("text"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setMinimumWidth(320);
    text_->setAlignment(Qt::AlignCenter);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 14);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
}

void NoteBox::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
    // The picture is a window full of lines of text; the note's own text stands on a light
    // plate over it, or the lines would strike it through.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 225));
    const QRect plate = text_->geometry().adjusted(-10, -6, 10, 6);
    painter.drawRoundedRect(QRectF(plate), 6, 6);
}
