#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

/// The Font command's dialog: face, size, bold and italic, the effects (strikeout,
/// underline) and the text colour, with a sample. Qt's own font dialog has no colour.
class TextFontDialog final : public QDialog {
    Q_OBJECT

  public:
    TextFontDialog(const QFont& font, const QColor& color, QWidget* parent = nullptr);

    /// The chosen font, its size in pixels.
    QFont font() const;
    QColor color() const { return color_; }

    QFontComboBox* familyBox() const { return family_; }
    QSpinBox* sizeBox() const { return size_; }
    QCheckBox* boldBox() const { return bold_; }
    QCheckBox* italicBox() const { return italic_; }
    QCheckBox* strikeOutBox() const { return strikeOut_; }
    QCheckBox* underlineBox() const { return underline_; }
    QPushButton* colorButton() const { return colorButton_; }
    void setColor(const QColor& color);

  private:
    void ChooseColor();
    void UpdateSample();

    QFontComboBox* family_ = nullptr;
    QSpinBox* size_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QPushButton* colorButton_ = nullptr;
    QLabel* sample_ = nullptr;
    QColor color_;
};
