#pragma once

#include <QObject>
#include <QSet>

#include <functional>

/// Tells its owner the moment any modal window of the program opens or closes. It watches the show
/// and hide events of all windows, which a dialog's exec() sends before it starts and before it
/// returns, whereas the desktop's activation changes come later through the event loop.
class ModalWindowWatcher final : public QObject {
    Q_OBJECT

  public:
    /// opened and closed run once per modal window; installs itself on the application.
    ModalWindowWatcher(std::function<void()> opened, std::function<void()> closed,
                       QObject* parent = nullptr);
    ~ModalWindowWatcher() override;

    int openCount() const { return static_cast<int>(open_.size()); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Forget(QObject* window);

    std::function<void()> opened_;
    std::function<void()> closed_;
    QSet<QObject*> open_;
};
