#include "common/ui/window_placement.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>

#include <utility>

namespace {

QRect ToQRect(const WindowPlacementStore::Rect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

bool LiesOnSomeScreen(const QRect& rect) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        return true;
    }
    for (const QScreen* screen : screens) {
        // A sliver is not enough to grab the window by its title bar.
        QRect visible = screen->availableGeometry().intersected(rect);
        if (visible.width() >= 40 && visible.height() >= 20) {
            return true;
        }
    }
    return false;
}

}  // namespace

WindowPlacement::WindowPlacement(SettingsStore& settings, std::string name, QWidget* window,
                                 int defaultX, int defaultWidth, int defaultY, int defaultHeight)
    : store_(settings, std::move(name), defaultX, defaultWidth, defaultY, defaultHeight),
      window_(window) {}

void WindowPlacement::Write(const QRect& rect, bool maximised) {
    store_.Write({rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()},
                 maximised);
}

QRect WindowPlacement::NormalGeometry() const {
    QRect rect = ToQRect(store_.NormalRect());
    QRect fallback = ToQRect(store_.DefaultRect());
    if (rect.width() <= 0) {
        rect.setWidth(fallback.width());
    }
    if (rect.height() <= 0) {
        rect.setHeight(fallback.height());
    }
    if (!LiesOnSomeScreen(rect)) {
        rect.moveTopLeft(fallback.topLeft());
    }
    return rect;
}

void WindowPlacement::Place() {
    QRect rect = NormalGeometry();
    window_->resize(rect.size());
    window_->move(rect.topLeft());
}

bool WindowPlacement::Restore() {
    if (!window_) {
        return false;
    }
    bool maximised = store_.Read().maximised;
    if (window_->isMaximized()) {
        window_->showNormal();
    }
    Place();
    if (maximised) {
        window_->showMaximized();
    } else {
        window_->show();
    }
    return true;
}

bool WindowPlacement::ApplyToCreation() {
    if (!window_) {
        return false;
    }
    Place();
    Qt::WindowStates state = window_->windowState();
    if (store_.Read().maximised) {
        window_->setWindowState(state | Qt::WindowMaximized);
    } else {
        window_->setWindowState(state & ~Qt::WindowMaximized);
    }
    return true;
}

bool WindowPlacement::Save() {
    if (!window_) {
        return false;
    }
    bool maximised = window_->isMaximized();
    Write(QRect(window_->pos(), window_->size()), maximised);
    return true;
}

void WindowPlacement::SaveColumns(std::string_view list, const std::vector<int>& widths) {
    store_.SaveColumns(list, widths);
}

std::vector<int> WindowPlacement::LoadColumns(std::string_view list) const {
    return store_.LoadColumns(list);
}

void WindowPlacement::SaveColumns(std::string_view list, const QHeaderView& header) {
    std::vector<int> widths;
    for (int column = 0; column < header.count(); ++column) {
        widths.push_back(header.sectionSize(column));
    }
    store_.SaveColumns(list, widths);
}

void WindowPlacement::LoadColumns(std::string_view list, QHeaderView& header) const {
    std::vector<int> widths = store_.LoadColumns(list);
    for (int column = 0; column < header.count() && column < static_cast<int>(widths.size());
         ++column) {
        header.resizeSection(column, widths[static_cast<std::size_t>(column)]);
    }
}
