#pragma once

#include <QList>
#include <QObject>

class QRadioButton;

/// Tab into a group of radio buttons lands on the checked one, as keyboard users expect: Qt
/// would stop at whichever button comes first, where Space would change the choice. The
/// arrow keys still move within the group. Owned by the first button.
class RadioGroupFocus final : public QObject {
    Q_OBJECT

  public:
    static void Install(const QList<QRadioButton*>& group);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit RadioGroupFocus(const QList<QRadioButton*>& group);

    QList<QRadioButton*> group_;
};
