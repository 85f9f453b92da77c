#include "tutor/practice/ui/end_of_lesson_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/qt_text.h"
#include "tutor/practice/end_of_lesson_actions.h"

EndOfLessonDialog::EndOfLessonDialog(const EndOfLessonDialogModel& model,
                                     EndOfLessonActions* actions, QWidget* parent)
    : QDialog(parent),
      line1_(new QLabel(ToQString(model.line1()), this)),
      line2_(new QLabel(ToQString(model.line2()), this)),
      results_(new QPushButton(tr(EndOfLessonDialogModel::kResultsButton), this)),
      next_(new QPushButton(tr(EndOfLessonDialogModel::kNextLessonButton), this)),
      repeat_(new QPushButton(ToQString(model.repeatCaption()), this)),
      exit_(new QPushButton(tr(EndOfLessonDialogModel::kExitButton), this)),
      save_(new QPushButton(tr(EndOfLessonDialogModel::kSaveResultsButton), this)) {
    setWindowTitle(tr(EndOfLessonDialogModel::kCaption));
    setObjectName(QStringLiteral("EndOfLessonDialog"));
    line1_->setObjectName(QStringLiteral("line1"));
    line2_->setObjectName(QStringLiteral("line2"));
    line1_->setTextFormat(Qt::PlainText);
    line2_->setTextFormat(Qt::PlainText);
    results_->setObjectName(QStringLiteral("results"));
    next_->setObjectName(QStringLiteral("nextLesson"));
    repeat_->setObjectName(QStringLiteral("repeat"));
    exit_->setObjectName(QStringLiteral("exit"));
    save_->setObjectName(QStringLiteral("saveResults"));

    next_->setVisible(model.nextLessonVisible());
    // Enter goes on with the next lesson where there is one, else repeats.
    (model.nextLessonVisible() ? next_ : repeat_)->setDefault(true);

    connect(next_, &QPushButton::clicked, this, [this] {
        choice_.nextLesson = true;
        accept();
    });
    connect(repeat_, &QPushButton::clicked, this, &QDialog::reject);
    connect(exit_, &QPushButton::clicked, this, [this] {
        choice_.exit = true;
        reject();
    });
    connect(results_, &QPushButton::clicked, this, [actions] {
        if (actions) {
            actions->ShowResults();
        }
    });
    connect(save_, &QPushButton::clicked, this, [actions] {
        if (actions) {
            actions->SaveResults();
        }
    });

    auto* buttons = new QGridLayout;
    buttons->addWidget(next_, 0, 0);
    buttons->addWidget(repeat_, 0, 1);
    buttons->addWidget(exit_, 0, 2);
    buttons->addWidget(results_, 1, 0);
    buttons->addWidget(save_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line1_);
    layout->addWidget(line2_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(480);
}
