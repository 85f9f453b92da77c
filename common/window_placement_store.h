#pragma once

#include <string>
#include <string_view>
#include <vector>

class SettingsStore;

/// The remembered position, size and maximised state of one window and the column widths of
/// its lists, kept in the section "Window" of the program's settings store under keys that
/// start with the window's name. This half needs no window, so the key rules can be tested
/// alone; WindowPlacement puts it to work on a widget.
class WindowPlacementStore {
  public:
    /// A window rectangle in screen pixels; right and bottom are exclusive.
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;

        int Width() const { return right - left; }
        int Height() const { return bottom - top; }
        bool operator==(const Rect&) const = default;
    };

    struct Placement {
        int x = 0;
        int width = 0;
        int y = 0;
        int height = 0;
        bool maximised = false;

        bool operator==(const Placement&) const = default;
    };

    static constexpr std::string_view kSection = "Window";

    WindowPlacementStore(SettingsStore& settings, std::string name, int defaultX, int defaultWidth,
                         int defaultY, int defaultHeight);

    const std::string& name() const { return name_; }

    /// The stored values, each missing one replaced by its default (not maximised).
    Placement Read() const;
    /// A maximised window keeps its last normal rectangle: only "_max" is written then.
    void Write(const Rect& rect, bool maximised);

    Rect DefaultRect() const;
    /// The normal rectangle a window opens with: the stored one, or the default rectangle
    /// when the window was closed maximised (its normal keys may be stale by then).
    Rect NormalRect() const;

    void SaveColumns(std::string_view list, const std::vector<int>& widths);
    /// Widths of columns 0, 1, 2, ... up to the first missing key or negative value; the
    /// caller applies them to the first columns and leaves the others alone.
    std::vector<int> LoadColumns(std::string_view list) const;

  private:
    std::string Key(std::string_view suffix) const;
    std::string ColumnKey(std::string_view list, int column) const;

    SettingsStore& settings_;
    std::string name_;
    int defaultX_;
    int defaultWidth_;
    int defaultY_;
    int defaultHeight_;
};
