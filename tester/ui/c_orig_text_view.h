#pragma once

#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <string_view>

#include "tester/key_filter.h"
#include "tester/line_follower.h"
#include "tester/original_scroller.h"

class QTimer;

/// The original text that the typist copies, read-only and scrollable. PgUp and PgDn (also
/// asked for by the typing view) move it by a third of its height, or during a run smoothly by
/// two thirds; during a run with automatic scrolling it follows the typist's line. It also
/// shows the busy indicator while an assessment works. All of this runs on timers of the
/// user-interface thread.
class COrigTextView final : public QPlainTextEdit {
    Q_OBJECT

  public:
    static constexpr int kLeftMargin = 25;
    static constexpr int kFollowMs = 200;
    static constexpr int kBusyStepMs = 500;
    static constexpr const char* kBusyLine1 = "Wait, please.";
    static constexpr const char* kBusyLine2 = "The program is analyzing the data.";

    explicit COrigTextView(QWidget* parent = nullptr);

    /// Code-page text whose lines end with CR LF.
    void SetText(std::string_view codePageText);
    /// The shown text as code-page bytes with CR LF line ends.
    std::string Text() const;
    void SetColors(const QColor& text, const QColor& background, const QColor& marking);

    /// Scrolls for PgUp (Up) or PgDn (Down): by a third of the view at once, or with smooth
    /// a movement of two thirds, a line every OriginalScroller::kStepMs.
    void RequestScroll(ScrollRequest direction, bool smooth);
    bool IsScrollingSmoothly() const;
    void StopSmoothScrolling();

    /// Looks every kFollowMs where the typist is (typedText gives the typing view's text) and
    /// brings that line into sight, until StopFollowing.
    void StartFollowing(std::function<std::string()> typedText);
    void StopFollowing();
    bool IsFollowing() const;
    /// One look of the follower (the timer calls it).
    void FollowTypist();
    /// Brings the line of a position of the text (in CR LF bytes) into sight.
    void ShowPosition(std::size_t codePagePosition);

    /// The busy indicator: two lines over the text whose small triangles change colour every
    /// kBusyStepMs. Shown at once when switched on.
    void SetBusy(bool busy);
    bool IsBusy() const { return busy_; }
    int busyPhase() const { return busyPhase_; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    OriginalScroller::Range ScrollRange() const;
    void ScrollStep();

    std::string text_;
    OriginalScroller scroller_;
    QTimer* scrollTimer_ = nullptr;
    LineFollower follower_;
    std::function<std::string()> typedText_;
    QTimer* followTimer_ = nullptr;
    bool busy_ = false;
    int busyPhase_ = 0;
    QTimer* busyTimer_ = nullptr;
    QColor markingColor_;
};
