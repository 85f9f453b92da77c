#include "tutor/users/ui/drawn_icon.h"

#include <QIconEngine>
#include <QPixmap>

#include <utility>

namespace {

class DrawnIconEngine final : public QIconEngine {
  public:
    explicit DrawnIconEngine(std::function<void(QPainter&, const QRectF&)> draw)
        : draw_(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (mode == QIcon::Disabled) {
            painter->setOpacity(painter->opacity() * 0.4);
        }
        draw_(*painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // Drawn at the device pixels of the screen and marked with its ratio, so that the
        // lines stay sharp.
        QPixmap result = pixmap((QSizeF(size) * scale).toSize(), mode, state);
        result.setDevicePixelRatio(scale);
        return result;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }

  private:
    std::function<void(QPainter&, const QRectF&)> draw_;
};

}  // namespace

QIcon DrawnIcon(std::function<void(QPainter&, const QRectF&)> draw) {
    return QIcon(new DrawnIconEngine(std::move(draw)));
}
