#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QRawFont>
#include <QTimer>
#include <QWidget>

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tutor/practice/practice_text_panel.h"
#include "tutor/practice/text_panel_model.h"
#include "tutor/practice/ui/panel_font.h"

class AppearancePictures;
class AudioOutput;
class HelpingKeyboardDisplay;
class LessonCourse;

/// The practice panel that fills the main window: statistics strip, copy text, helping
/// keyboard and hands, or the idle picture while no lesson runs. It paints what its model
/// holds and repaints only the rectangles the model reports changed.
class TextPanel final : public QWidget, public PracticeTextPanel {
    Q_OBJECT

  public:
    /// How long a metronome beat shows its line.
    static constexpr int kMetronomeFlashMs = 30;

    struct Services {
        /// The copy text.
        const LessonCourse& course;
        /// Which keys and fingers blink; it also holds the keyboard and the finger outlines.
        HelpingKeyboardDisplay& display;
        /// The pictures of the user's appearance (LoadAppearance loads them).
        AppearancePictures& appearance;
        /// Decodes "wellcome2.jpg" (loaded with the program pictures at start); the panel keeps
        /// only its copy scaled to the panel's size.
        std::function<QImage()> idlePicture;
        /// Plays welcomeSound ("wellcome.wav") once, the first time the idle picture shows,
        /// without waiting for it; none plays when null.
        AudioOutput* audio = nullptr;
        std::string welcomeSound;
    };

    /// Every service must outlive the panel; the metronome must be stopped before the panel
    /// goes.
    explicit TextPanel(Services services, QWidget* parent = nullptr);

    // PracticeTextPanel
    void SetText(const PanelState& state) override;
    void Repaint() override;
    void DrawCursor(const PanelState& state, bool blinkingCursor, int cursorShape,
                    bool backspaceAwaited) override;
    void ShowProgress(std::int64_t activeSeconds, int speedPercent, int errorPercent) override;
    void NextMovieFrame() override;
    /// From any thread: the beat is posted to the panel's thread, which shows the line and
    /// takes it away 30 ms later. Never waits.
    void MetronomeTick() override;

    /// Lays the panel out for the parts shown, fits the font and scales the pictures; returns
    /// the panel height needed to show everything. maxNeededHeight is what the screen leaves
    /// for the panel (see AvailableHeight): the font shrinks further until the panel fits.
    /// The panel lays itself out again with the same parts whenever it is resized.
    int ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands,
                      int maxNeededHeight = INT_MAX);
    /// The height the current layout needs.
    int neededHeight() const { return model_.layout().neededHeight; }
    /// The height the screen leaves for the panel inside its top-level window: the screen's
    /// available height less the window's frame, menu and status bar.
    int AvailableHeight() const;
    /// The whole panel is painted anew, as by the main window's repaint: the blink counter
    /// and the animation start again and the keyboard and hands lose their highlight.
    void RepaintAll();
    /// Loads the pictures of appearance (or, failing that, "standard", after the JPG message)
    /// and shows them. False when no appearance could be loaded: the program must end.
    bool LoadAppearance(const std::string& appearance);

    const TextPanelModel& model() const { return model_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Relayout();
    void RebuildPictures();
    void BuildKeyboard(qreal ratio);
    void BuildFingers();
    void Flush();
    void Beat();
    void PlayWelcomeOnce();
    void PaintIdle(QPainter& painter);
    void PaintArea(QPainter& painter, const QRect& area);
    void PaintText(QPainter& painter, const QRect& area);
    void PaintStrip(QPainter& painter, const QRect& area);
    void PaintBar(QPainter& painter, const StatisticsStrip::Bar& bar);
    /// Text with each character in its cell of the copy text's font, from origin (the
    /// baseline at the first cell's left).
    void DrawInCells(QPainter& painter, QPoint origin, const std::string& text,
                     const QColor& color);
    void PaintInversions(QPainter& painter, const QRect& area);
    QPixmap Scaled(const QImage& image, QSize size, qreal ratio) const;
    /// The pictures and outlines only a lesson paints, made for the current layout.
    void BuildLessonPictures();
    void DropLessonPictures();

    Services s_;
    PanelFont fontMetrics_;
    TextPanelModel model_;
    bool showStatistics_ = false;
    bool showKeyboard_ = false;
    bool showHands_ = false;
    int maxNeededHeight_ = INT_MAX;
    QTimer metronomeTimer_;

    // Scaled once per layout.
    QFont textFont_;
    QRawFont rawFont_;
    std::array<quint32, 256> glyphs_{};
    int baselineOffset_ = 0;
    int appearanceGeneration_ = -1;
    bool lessonPicturesBuilt_ = false;
    QPixmap statisticsPixmap_;
    QPixmap backgroundTile_;
    QPixmap keyboardPixmap_;
    QPixmap handsPixmap_;
    std::array<std::array<QPixmap, TextPanelModel::kMovieFrames>, TextPanelModel::kMoviePictures>
        movieFrames_;
    std::vector<QPainterPath> keyPaths_;
    std::vector<QPainterPath> fingerPaths_;
};
