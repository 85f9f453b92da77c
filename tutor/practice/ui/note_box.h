#pragma once

#include <QDialog>
#include <QImage>

#include <string>

class QLabel;
class QPushButton;

/// The tutor's small note window: a text over the small-window picture and OK. Enter,
/// Escape and the close box close it.
class NoteBox final : public QDialog {
    Q_OBJECT

  public:
    /// text is code-page bytes, its lines broken by CR LF; picture may be null.
    NoteBox(const std::string& text, const QImage& picture, QWidget* parent = nullptr);

    QLabel* textLabel() const { return text_; }
    QPushButton* okButton() const { return ok_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QLabel* text_;
    QPushButton* ok_;
};
