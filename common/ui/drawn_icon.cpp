#include "common/ui/drawn_icon.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace {

class DrawnIconEngine final : public QIconEngine {
  public:
    explicit DrawnIconEngine(std::function<void(QPainter&, const QRectF&)> draw)
        : draw_(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        if (mode == QIcon::Normal) {
            DrawNormal(*painter, QRectF(rect));
            return;
        }
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : qreal(1);
        QPixmap picture = scaledPixmap(rect.size() * ratio, mode, state, ratio);
        painter->drawPixmap(rect, picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // Qt asks with the size in device pixels and the ratio of the screen.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/,
                         qreal scale) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            DrawNormal(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        if (mode != QIcon::Normal) {
            picture = StyledForMode(mode, picture);
        }
        picture.setDevicePixelRatio(scale);
        return picture;
    }

    // The sizes the desktop is offered (the window system takes its icon at these); any
    // other is drawn as well when asked for.
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            sizes.append(QSize(size, size));
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }

  private:
    void DrawNormal(QPainter& painter, const QRectF& rect) const {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        draw_(painter, rect);
        painter.restore();
    }

    // What Qt does for a pixmap icon without a picture of its own for the mode.
    static QPixmap StyledForMode(QIcon::Mode mode, const QPixmap& normal) {
        QStyle* style = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr
                            ? QApplication::style()
                            : nullptr;
        if (style == nullptr) {
            return normal;
        }
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        return style->generatedIconPixmap(mode, normal, &option);
    }

    std::function<void(QPainter&, const QRectF&)> draw_;
};

}  // namespace

QIcon DrawnIcon(std::function<void(QPainter&, const QRectF&)> draw) {
    return QIcon(new DrawnIconEngine(std::move(draw)));
}
