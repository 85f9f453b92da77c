#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <QUrl>

/// A line of text that opens a web page, or a new mail when the text is a mail address,
/// with a left click. Blue until the link has been opened, then purple.
class HyperLink : public QLabel {
    Q_OBJECT

  public:
    static inline const QColor kUnvisitedColor{0x32, 0x1C, 0xFF};
    static inline const QColor kVisitedColor{0x80, 0x00, 0x80};

    /// The text is shown and is also the target.
    explicit HyperLink(const QString& text = QString(), QWidget* parent = nullptr);

    /// An address with "@" becomes "mailto:" + address; anything else is kept as it is.
    static QString TargetFor(const QString& text);

    /// An empty target makes the link open its own text.
    void setTarget(const QString& target);
    QString target() const { return target_; }
    QColor color() const { return color_; }

    /// What a click opens: the target, else the text; empty when there is neither.
    QString EffectiveTarget() const;

  signals:
    void opened(const QUrl& url);
    void openFailed(const QUrl& url);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void Open();
    void ApplyColor();

    QString target_;
    QColor color_ = kUnvisitedColor;
};
