#pragma once

#include <QPainter>
#include <QWidget>

#include <atomic>

#include "tutor/practice/practice_panel_setup.h"
#include "tutor/practice/practice_text_panel.h"

/// A practice panel for the window's tests: it keeps what the engine hands it, counts the
/// draws, needs a fixed height and has every appearance.
class TestTextPanel final : public QWidget, public PracticeTextPanel, public PracticePanelSetup {
  public:
    explicit TestTextPanel(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("TestTextPanel"));
        // It takes the focus while no run is active, so Tab could move there.
        setFocusPolicy(Qt::StrongFocus);
    }

    void SetText(const PanelState& newState) override { state = newState; }
    void Repaint() override { ++repaints; }
    void DrawCursor(const PanelState& newState, bool, int, bool) override {
        state = newState;
        ++cursorDraws;
    }
    void ShowProgress(std::int64_t, int, int) override {}
    void NextMovieFrame() override { ++movieFrames; }
    void MetronomeTick() override { ++metronomeTicks; }

    int ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands) override {
        ++layouts;
        return neededHeight + (showStatistics ? 0 : 0) + (showKeyboard ? 100 : 0) +
               (showHands ? 50 : 0);
    }
    bool LoadAppearance(const std::string& appearance) override {
        loaded = appearance;
        return true;
    }
    std::string loadedAppearance() const override { return loaded; }

    PanelState state;
    int repaints = 0;
    int cursorDraws = 0;
    int movieFrames = 0;
    int layouts = 0;
    int neededHeight = 300;
    std::string loaded;
    std::atomic<int> metronomeTicks{0};

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
    }
};
