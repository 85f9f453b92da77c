#pragma once

#include <QDialog>

class QPushButton;

/// The Start dialog (140): a note to look at the original and a default button "&Start". It is
/// modeless and made once; closing it in any way (the button, Esc, the window's close) starts
/// the run, which it tells with ready().
class CStartDialog final : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kText =
        "Look at the original text.\nCheck the Settings menu, where you can change some other "
        "parameters.\nIf you are ready, close this dialogue and start copying.";

    explicit CStartDialog(QWidget* parent = nullptr);

    /// Shows the dialog centred over the given widget and gives it the focus.
    void ShowOver(QWidget* widget);
    QPushButton* startButton() const { return start_; }

  signals:
    void ready();

  private:
    QPushButton* start_ = nullptr;
};
