#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>

#include "common/message_sink.h"

/// Messages of the core shown as modal message boxes over the given window.
class QtMessageSink final : public MessageSink {
  public:
    explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}

    void ShowMessage(const std::string& caption, const std::string& text, Icon icon) override;

    static QMessageBox::Icon ToQtIcon(Icon icon);
    /// Code-page text with CR LF line breaks as Qt shows it.
    static QString DisplayText(const std::string& text);

  private:
    QPointer<QWidget> parent_;
};
