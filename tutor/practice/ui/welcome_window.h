#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <functional>

class AppearancePictures;
class MessageSink;

/// The welcome window shown while the program starts: the welcome picture for about two
/// seconds. Its timer's first tick loads the standard appearance (a failure is told and
/// closes the window at once), the second closes it.
class WelcomeWindow final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kTimerMs = 1000;

    /// appearance and messages must outlive the window.
    WelcomeWindow(const QImage& picture, AppearancePictures& appearance, MessageSink& messages,
                  QWidget* parent = nullptr);

    int ticks() const { return ticks_; }
    /// Work of the start that can wait until the window is on the screen: it runs once, from
    /// the event loop, after the window's first paint, so that it never holds up the window;
    /// at the latest when the window closes (a window never painted still does it).
    void RunWhenShown(std::function<void()> work) { whenShown_ = std::move(work); }

  public slots:
    void done(int result) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Tick();
    void RunShownWork();

    QImage picture_;
    AppearancePictures& appearance_;
    MessageSink& messages_;
    QTimer timer_;
    int ticks_ = 0;
    std::function<void()> whenShown_;
    bool shownWorkQueued_ = false;
};
