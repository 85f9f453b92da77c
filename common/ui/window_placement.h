#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

#include "common/window_placement_store.h"

class QHeaderView;
class SettingsStore;

/// Remembers where a window stood, how big it was and whether it was maximised, between
/// runs of the program. A member of the window it belongs to: ApplyToCreation (main windows)
/// or Restore (dialogs) when it opens, Save when it closes.
///
/// The position is the window's outer top-left corner (QWidget::pos) and the size is the
/// size of its contents without the window manager's frame: the frame is unknown until the
/// window is shown, and this way a window comes back exactly as it was left.
class WindowPlacement {
  public:
    WindowPlacement(SettingsStore& settings, std::string name, QWidget* window, int defaultX,
                    int defaultWidth, int defaultY, int defaultHeight);

    using Placement = WindowPlacementStore::Placement;

    Placement Read() const { return store_.Read(); }
    void Write(const QRect& rect, bool maximised);

    /// Places the window and shows it, maximised when it was closed so; false without a
    /// window.
    bool Restore();
    /// Stores the window's rectangle and state; false without a window.
    bool Save();
    /// Places the window before it is first shown; a window closed maximised is marked to
    /// show maximised. Nothing is shown.
    bool ApplyToCreation();

    void SaveColumns(std::string_view list, const std::vector<int>& widths);
    std::vector<int> LoadColumns(std::string_view list) const;
    /// The column widths of a list view's header, and back (only the stored columns).
    void SaveColumns(std::string_view list, const QHeaderView& header);
    void LoadColumns(std::string_view list, QHeaderView& header) const;

    void setWindow(QWidget* window) { window_ = window; }
    QWidget* window() const { return window_; }
    /// The normal rectangle the window gets from the stored values, pulled back to the
    /// default position when it would lie on no screen (a monitor that has gone away).
    QRect NormalGeometry() const;

  private:
    void Place();

    WindowPlacementStore store_;
    QPointer<QWidget> window_;
};
