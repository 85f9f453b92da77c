#pragma once

/// The practice panel's layout as the main window computes it: the text font fitted to the
/// panel and the bands for the statistics, the copy text, the helping keyboard and the hands.
class PanelLayout {
  public:
    virtual ~PanelLayout() = default;
    /// Lays the panel out for what it shows; returns the panel height it needs.
    virtual int ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands) = 0;
};
