#pragma once

#include <QPointer>
#include <QWidget>

#include "tester/yes_no_question.h"

/// Questions asked in a modal message box with Yes and No over the given window.
class QtYesNoQuestion final : public YesNoQuestion {
  public:
    explicit QtYesNoQuestion(QWidget* parent = nullptr) : parent_(parent) {}

    bool AskYesNo(const std::string& caption, const std::string& text) override;

  private:
    QPointer<QWidget> parent_;
};
