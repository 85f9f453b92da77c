#include "tutor/course/ui/c_first_time_wizard.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "common/message_sink.h"
#include "common/ui/qt_text.h"
#include "tutor/course/first_time_wizard_texts.h"
#include "tutor/course/ui/c_first_time_page.h"
#include "tutor/course/ui/c_first_time_page0.h"
#include "tutor/course/ui/c_first_time_page1.h"
#include "tutor/course/ui/c_first_time_page2.h"

namespace {

const char* const kBackButton = "< &Back";
const char* const kNextButton = "&Next >";
const char* const kFinishButton = "&Finish";
const char* const kCancelButton = "Cancel";

// The first control of a page a person can tab to.
void FocusFirstField(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) != 0 &&
            w->isVisibleTo(page) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace

FirstTimeWizardOutcome CFirstTimeWizard::Run(QWidget* parent, FirstTimeWizardModel& model,
                                             MessageSink& messages, bool atTestPage) {
    CFirstTimeWizard wizard(model, messages, atTestPage, parent);
    wizard.exec();
    return wizard.outcome();
}

CFirstTimeWizard::CFirstTimeWizard(FirstTimeWizardModel& model, MessageSink& messages,
                                   bool atTestPage, QWidget* parent)
    : QDialog(parent), model_(model), messages_(messages) {
    setObjectName(QStringLiteral("CFirstTimeWizard"));
    setWindowTitle(ToQString(FirstTimeWizardTexts::kCaption));

    pages_ = new QStackedWidget(this);
    coursePage_ = new CFirstTimePage(model_, pages_);
    startPage_ = new CFirstTimePage0(model_, pages_);
    fingeringPage_ = new CFirstTimePage1(model_, pages_);
    testPage_ = new CFirstTimePage2(model_, pages_);
    for (QWidget* page :
         {static_cast<QWidget*>(coursePage_), static_cast<QWidget*>(startPage_),
          static_cast<QWidget*>(fingeringPage_), static_cast<QWidget*>(testPage_)}) {
        pages_->addWidget(page);
    }

    back_ = new QPushButton(ToQString(kBackButton), this);
    back_->setObjectName(QStringLiteral("back"));
    next_ = new QPushButton(ToQString(kNextButton), this);
    next_->setObjectName(QStringLiteral("next"));
    finish_ = new QPushButton(ToQString(kFinishButton), this);
    finish_->setObjectName(QStringLiteral("finish"));
    cancel_ = new QPushButton(ToQString(kCancelButton), this);
    cancel_->setObjectName(QStringLiteral("cancel"));

    // Next and Finish share one place; with neither offered the place stays empty.
    auto* forward = new QWidget(this);
    forward_ = new QStackedLayout(forward);
    forward_->setContentsMargins(0, 0, 0, 0);
    forward_->addWidget(next_);
    forward_->addWidget(finish_);
    forward->setMinimumWidth(qMax(next_->sizeHint().width(), finish_->sizeHint().width()));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(forward);
    buttons->addSpacing(8);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);
    resize(500, 360);

    connect(back_, &QPushButton::clicked, this, &CFirstTimeWizard::back);
    connect(next_, &QPushButton::clicked, this, &CFirstTimeWizard::next);
    connect(finish_, &QPushButton::clicked, this, &CFirstTimeWizard::accept);
    connect(cancel_, &QPushButton::clicked, this, &CFirstTimeWizard::reject);
    connect(startPage_, &CFirstTimePage0::changed, this, &CFirstTimeWizard::updateButtons);
    connect(fingeringPage_, &CFirstTimePage1::changed, this, &CFirstTimeWizard::updateButtons);
    connect(testPage_, &CFirstTimePage2::changed, this, &CFirstTimeWizard::updateButtons);

    model_.Show(atTestPage);
    showPage();
}

FirstTimeWizardOutcome CFirstTimeWizard::outcome() const {
    FirstTimeWizardOutcome outcome;
    outcome.finished = result() == QDialog::Accepted;
    outcome.chosenLesson = outcome.finished ? model_.ChosenLesson() : -1;
    outcome.courseChanged = model_.courseLeft();
    return outcome;
}

void CFirstTimeWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // The course files are read once the wizard is on the screen, so that a message about
        // them stands over it.
        if (model_.page() == FirstTimeWizardModel::Page::Course) {
            QMetaObject::invokeMethod(this, &CFirstTimeWizard::openCoursePage,
                                      Qt::QueuedConnection);
        }
    }
}

void CFirstTimeWizard::openCoursePage() {
    if (courseOpened_) {
        return;
    }
    courseOpened_ = true;
    const FirstTimeWizardModel::CourseStatus status = model_.OpenCoursePage();
    coursePage_->Refresh();
    updateButtons();
    if (status == FirstTimeWizardModel::CourseStatus::FilesMissing) {
        messages_.ShowMessage(std::string(FirstTimeWizardTexts::kMessageCaption),
                              std::string(FirstTimeWizardTexts::kOpenError),
                              MessageSink::Icon::Stop);
    } else if (status == FirstTimeWizardModel::CourseStatus::NoKeyboard) {
        messages_.ShowMessage(std::string(FirstTimeWizardTexts::kMessageCaption),
                              std::string(FirstTimeWizardTexts::kNoKeyboard),
                              MessageSink::Icon::Stop);
    }
}

void CFirstTimeWizard::showPage() {
    QWidget* page = coursePage_;
    switch (model_.page()) {
        case FirstTimeWizardModel::Page::Course:
            page = coursePage_;
            break;
        case FirstTimeWizardModel::Page::Start:
            startPage_->Refresh();
            page = startPage_;
            break;
        case FirstTimeWizardModel::Page::Fingering:
            fingeringPage_->Refresh();
            page = fingeringPage_;
            break;
        case FirstTimeWizardModel::Page::TestLesson:
            testPage_->Refresh();
            page = testPage_;
            break;
    }
    pages_->setCurrentWidget(page);
    updateButtons();
    if (model_.page() == FirstTimeWizardModel::Page::Course && shown_) {
        openCoursePage();
    }
    FocusFirstField(page);
}

void CFirstTimeWizard::updateButtons() {
    const FirstTimeWizardModel::Buttons buttons = model_.CurrentButtons();
    back_->setEnabled(buttons.back);
    finish_->setText(
        ToQString(buttons.finishStartsTest ? FirstTimeWizardTexts::kTestButton : kFinishButton));
    forward_->setCurrentWidget(buttons.finish ? finish_ : next_);
    next_->setVisible(buttons.next);
    finish_->setVisible(buttons.finish);
    // Return goes on the way the wizard offers.
    next_->setDefault(buttons.next);
    finish_->setDefault(buttons.finish);
}

void CFirstTimeWizard::next() {
    if (model_.Next()) {
        showPage();
    }
}

void CFirstTimeWizard::back() {
    if (model_.Back()) {
        showPage();
    }
}

void CFirstTimeWizard::accept() {
    if (!model_.CanFinish()) {
        return;
    }
    QDialog::accept();
}
