#pragma once

#include <QDialog>

#include "tutor/course/own_text_limits_dialog.h"

class MessageSink;
class QLineEdit;

/// The dialog "Enter the Limit" asked before an own text is read: speed, error and time
/// limits in plain edits, checked on OK by OwnTextLimits, whose message for the first wrong
/// entry is shown before the focus goes to that entry.
class QtOwnTextLimitsDialog final : public QDialog, public OwnTextLimitsDialog {
    Q_OBJECT

  public:
    /// messages shows why an entry is refused; it must outlive the dialog.
    explicit QtOwnTextLimitsDialog(MessageSink& messages, QWidget* parent = nullptr);

    bool Run(OwnTextLimits& limits) override;

  public slots:
    void accept() override;

  private:
    QLineEdit* Edit(OwnTextLimits::Field field) const;

    MessageSink& messages_;
    OwnTextLimits* limits_ = nullptr;
    QLineEdit* speed_;
    QLineEdit* error_;
    QLineEdit* minutes_;
};
