#include "tester/ui/c_parameter_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>
#include <string>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/ui/qt_text.h"
#include "tester/parameter_sheet_model.h"
#include "tester/ui/c_parameter_page.h"

namespace {

// Stands for a page the factory does not know, so tabs and models keep the same numbers.
class EmptyPage final : public CParameterPage {
  public:
    using CParameterPage::CParameterPage;
    void CopyIn() override {}
    void CopyOut() override {}
};

// The first control of a page that takes the focus by Tab.
void FocusFirstField(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w != nullptr && w != page;
         w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(page) &&
            (w->focusPolicy() & Qt::TabFocus) != 0) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace

CParameterSheet::CParameterSheet(ParameterSheetModel& model, const PageFactory& factory,
                                 MessageSink& messages, QWidget* parent)
    : QDialog(parent), model_(model), messages_(messages) {
    setObjectName(QStringLiteral("CParameterSheet"));
    setWindowTitle(ToQString(model.caption()));
    tabs_ = new QTabWidget(this);
    // Every tab stays in sight: the sheet is as wide as its tabs.
    tabs_->setUsesScrollButtons(false);
    for (int i = 0; i < model.pageCount(); ++i) {
        CParameterPage* page = factory(model.page(i));
        if (page == nullptr) {
            page = new EmptyPage(model.page(i));
        }
        page->CopyIn();
        pages_.push_back(page);
        tabs_->addTab(page, ToQString(model.page(i).Caption()));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &CParameterSheet::OnCurrentChanged);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CParameterSheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CParameterSheet::reject);

    // Ctrl+Tab and Ctrl+Shift+Tab move between the pages wherever the focus is: a list or an
    // edit with the focus would take the key for itself.
    const auto step = [this](int by) {
        const int count = tabs_->count();
        if (count > 1) {
            tabs_->setCurrentIndex((tabs_->currentIndex() + by + count) % count);
        }
    };
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [step] { step(1); });
    for (QKeyCombination keys :
         {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab,
          Qt::CTRL | Qt::Key_Backtab}) {
        auto* previous = new QShortcut(QKeySequence(keys), this);
        connect(previous, &QShortcut::activated, this, [step] { step(-1); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
}

void CParameterSheet::ShowProblem(int page, const std::string& message, int field) {
    if (page >= 0 && page < pageCount()) {
        {
            QSignalBlocker blocker(tabs_);
            tabs_->setCurrentIndex(page);
        }
        current_ = page;
    }
    messages_.ShowMessage(kMorvikName, message, MessageSink::Icon::Warning);
    if (page >= 0 && page < pageCount()) {
        if (QWidget* control = pages_[static_cast<std::size_t>(page)]->Field(field)) {
            control->setFocus(Qt::OtherFocusReason);
        }
    }
}

void CParameterSheet::OnCurrentChanged(int index) {
    if (switching_ || index == current_) {
        return;
    }
    const int left = current_;
    pages_[static_cast<std::size_t>(left)]->CopyOut();
    if (std::optional<PageProblem> problem = model_.LeavePage(left)) {
        switching_ = true;
        ShowProblem(left, problem->message, problem->field);
        switching_ = false;
        return;
    }
    current_ = index;
    FocusFirstField(pages_[static_cast<std::size_t>(index)]);
}

void CParameterSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        if (current_ >= 0 && current_ < pageCount()) {
            FocusFirstField(pages_[static_cast<std::size_t>(current_)]);
        }
    }
}

void CParameterSheet::accept() {
    for (CParameterPage* page : pages_) {
        page->CopyOut();
    }
    if (std::optional<ParameterSheetModel::Problem> problem = model_.Confirm(current_)) {
        ShowProblem(problem->page, problem->problem.message, problem->problem.field);
        return;
    }
    QDialog::accept();
}
