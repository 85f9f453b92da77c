#include "tester/ui/c_main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/ui/about_dialog.h"
#include "common/ui/qt_message_sink.h"
#include "common/ui/show_help.h"
#include "tester/ui/c_orig_text_view.h"
#include "tester/ui/c_result_text_view.h"
#include "tester/ui/c_status_view.h"
#include "tester/ui/c_user_text_view.h"
#include "tester/ui/morvik_icon.h"
#include "tester/ui/tester_command_icon.h"

namespace {

constexpr const char* kProductName = kMorvikName;

// Text each pane is sized for; the run panes and the time stay empty outside a run.
constexpr const char* kPaneTexts[] = {"", "CAPS", "NUM", "ARROWS", "ENTER", "ERASE", "---TIME---"};

// The typing font until the font settings are read: bold Arial at 21 pixels cell height.
QFont DefaultTextFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(18);
    font.setBold(true);
    return font;
}

}  // namespace

CMainFrame::CMainFrame(SettingsStore& settings, MessageSink* messages, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      ownMessages_(messages == nullptr ? std::make_unique<QtMessageSink>(this) : nullptr),
      messages_(messages == nullptr ? *ownMessages_ : *messages),
      placement_(settings, "mainframe", this, 50, 600, 50, 350) {
    setObjectName(QStringLiteral("MorvikMainFrame"));
    setWindowTitle(QString::fromLatin1(kProductName));
    setWindowIcon(MorvikIcon());
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildViews();
    placement_.ApplyToCreation();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, TesterCommand command,
                                const QString& statusTip) {
    QAction* action = menu->addAction(TesterCommandIcon(command), text);
    action->setData(static_cast<int>(command));
    action->setStatusTip(statusTip);
    // The menu text carries the key after a tab; the tool tip shows it in brackets.
    QString plain = QString(text).remove(QLatin1Char('&'));
    qsizetype tab = plain.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        action->setShortcut(QKeySequence(plain.mid(tab + 1)));
        plain = plain.left(tab) + QStringLiteral(" (") + plain.mid(tab + 1) + QLatin1Char(')');
    }
    action->setToolTip(plain);
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    actions_[command] = action;
    return action;
}

void CMainFrame::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddCommand(file, tr("Create a new Typing &Test"), TesterCommand::CreateTypingTest,
               tr("Make a test definition from a text file and its parameters"));
    AddCommand(file, tr("&Load Typing Test\tF4"), TesterCommand::LoadTypingTest,
               tr("Open a test definition and start it"));
    file->addSeparator();
    AddCommand(file, tr("Load &Results"), TesterCommand::LoadResults,
               tr("Open a results file saved earlier"));
    AddCommand(file, tr("&Save Results"), TesterCommand::SaveResults,
               tr("Save the whole test with its results"));
    AddCommand(file, tr("Save &User Text"), TesterCommand::SaveUserText,
               tr("Save the typed text as a text file"));
    file->addSeparator();
    AddCommand(file, tr("&Compare two text files"), TesterCommand::CompareTextFiles,
               tr("Assess a typed text file against its original"));
    file->addSeparator();
    AddCommand(file, tr("&Print Results"), TesterCommand::PrintResults,
               tr("Print the results and the assessed text"));
    file->addSeparator();
    AddCommand(file, tr("E&xit"), TesterCommand::Exit, tr("Close Morvik"));

    QMenu* practice = menuBar()->addMenu(tr("&Practice"));
    AddCommand(practice, tr("Start\tF2"), TesterCommand::Start,
               tr("Set the parameters and start a typing test"));
    AddCommand(practice, tr("Pause On\tF5"), TesterCommand::Pause, tr("Pause the running test"));
    practice->addSeparator();
    AddCommand(practice, tr("Show Results\tF6"), TesterCommand::ShowResults,
               tr("Show the results of the last test"));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    AddCommand(view, tr("&User Text"), TesterCommand::UserText,
               tr("Show the typed text in the lower window"));
    AddCommand(view, tr("T&ext after Assessment"), TesterCommand::TextAfterAssessment,
               tr("Show the typed text with its errors marked"));

    QMenu* replay = menuBar()->addMenu(tr("&Re-play"));
    AddCommand(replay, tr("&Play"), TesterCommand::ReplayPlay,
               tr("Play the recorded typing back at its own speed"));
    AddCommand(replay, tr("P&ause"), TesterCommand::ReplayPause, tr("Pause the re-play"));
    AddCommand(replay, tr("&Stop"), TesterCommand::ReplayStop, tr("Stop the re-play"));

    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    AddCommand(settings, tr("&Font"), TesterCommand::Font,
               tr("Choose the font of the original and typed text"));
    AddCommand(settings, tr("&Background Color"), TesterCommand::BackgroundColor,
               tr("Choose the background colour of the texts"));
    AddCommand(settings, tr("&Marking Color"), TesterCommand::MarkingColor,
               tr("Choose the colour that marks errors and the cursor position"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AddCommand(help, tr("&Help"), TesterCommand::Help, tr("Open the help of Morvik"));
    help->addSeparator();
    AddCommand(help, tr("&About Morvik..."), TesterCommand::About,
               tr("Program name, version and how to reach us"));
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(22, 22));
    const TesterCommand kNone = static_cast<TesterCommand>(0);
    for (TesterCommand command :
         {TesterCommand::Start, TesterCommand::ShowResults, kNone, TesterCommand::LoadResults,
          TesterCommand::SaveResults, TesterCommand::PrintResults, kNone, TesterCommand::Pause,
          kNone, TesterCommand::ReplayPlay, TesterCommand::ReplayPause, TesterCommand::ReplayStop,
          kNone, TesterCommand::Help}) {
        if (command == kNone) {
            toolBar_->addSeparator();
        } else {
            toolBar_->addAction(Action(command));
        }
    }
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    for (int i = 0; i < kPaneCount; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPane%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        panes_[static_cast<std::size_t>(i)] = label;
        if (i == 0) {
            label->setText(tr("Ready"));
            label->setFrameStyle(QFrame::NoFrame);
            bar->addWidget(label, 1);
            continue;
        }
        label->setAlignment(Qt::AlignCenter);
        int width = label->fontMetrics().horizontalAdvance(QString::fromLatin1(kPaneTexts[i]));
        label->setMinimumWidth(width + 14);
        bar->addPermanentWidget(label);
    }
    // The time pane stands out from the others.
    PaneLabel(Pane::Time)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ClearRunPanes();

    lockTimer_ = new QTimer(this);
    lockTimer_->setInterval(500);
    connect(lockTimer_, &QTimer::timeout, this, &CMainFrame::UpdateLockPanes);
    lockTimer_->start();
    UpdateLockPanes();
}

void CMainFrame::BuildViews() {
    statusView_ = new CStatusView;
    origTextView_ = new COrigTextView;
    userTextView_ = new CUserTextView;
    resultTextView_ = new CResultTextView;
    lowerPane_ = new QStackedWidget;
    lowerPane_->addWidget(userTextView_);
    lowerPane_->addWidget(resultTextView_);

    textSplitter_ = new QSplitter(Qt::Vertical);
    textSplitter_->setObjectName(QStringLiteral("TextSplitter"));
    textSplitter_->setChildrenCollapsible(false);
    textSplitter_->addWidget(origTextView_);
    textSplitter_->addWidget(lowerPane_);

    // The strip keeps its height: the outer split cannot be moved.
    outerSplitter_ = new QSplitter(Qt::Vertical);
    outerSplitter_->setObjectName(QStringLiteral("OuterSplitter"));
    outerSplitter_->setChildrenCollapsible(false);
    outerSplitter_->setHandleWidth(1);
    outerSplitter_->addWidget(statusView_);
    outerSplitter_->addWidget(textSplitter_);
    outerSplitter_->setStretchFactor(1, 1);
    outerSplitter_->handle(1)->setEnabled(false);
    setCentralWidget(outerSplitter_);

    QFont font = DefaultTextFont();
    origTextView_->setFont(font);
    userTextView_->setFont(font);
    origTextView_->SetText(kWelcomeText);
}

int CMainFrame::OriginalViewHeight(int windowHeight) {
    int half = windowHeight / 2;
    return half < 40 ? 10 : half - 30;
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!splitterPlaced_) {
        splitterPlaced_ = true;
        int upper = OriginalViewHeight(height());
        int total = textSplitter_->height() - textSplitter_->handleWidth();
        textSplitter_->setSizes({upper, qMax(1, total - upper)});
    }
}

QAction* CMainFrame::Action(TesterCommand command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::OnCommand(TesterCommand command) {
    switch (command) {
        case TesterCommand::Exit:
            close();
            return;
        case TesterCommand::About:
            ShowAbout();
            return;
        case TesterCommand::Help:
            ShowHelp(this, kProductName, settings_, messages_);
            return;
        default:
            messages_.ShowMessage(kProductName, "Not available yet",
                                  MessageSink::Icon::Information);
            return;
    }
}

void CMainFrame::ShowRunPanes(bool arrows, bool enter, bool erase) {
    PaneLabel(Pane::Arrows)->setText(arrows ? QStringLiteral("ARROWS") : QString());
    PaneLabel(Pane::Enter)->setText(enter ? QStringLiteral("ENTER") : QString());
    PaneLabel(Pane::Erase)->setText(erase ? QStringLiteral("ERASE") : QString());
}

void CMainFrame::ShowElapsedTime(const QString& time) {
    PaneLabel(Pane::Time)->setText(time);
}

void CMainFrame::ClearRunPanes() {
    ShowRunPanes(false, false, false);
    ShowElapsedTime(QString());
}

void CMainFrame::SetLockKeyLeds(LockKeyLeds leds) {
    lockKeyLeds_ = std::move(leds);
    UpdateLockPanes();
}

void CMainFrame::UpdateLockPanes() {
    PaneLabel(Pane::Caps)
        ->setText(lockKeyLeds_.CapsLock().value_or(false) ? QStringLiteral("CAPS") : QString());
    PaneLabel(Pane::Num)->setText(lockKeyLeds_.NumLock().value_or(false) ? QStringLiteral("NUM")
                                                                         : QString());
}

void CMainFrame::ShowUserTextView() {
    lowerPane_->setCurrentWidget(userTextView_);
    userTextView_->setFocus();
}

void CMainFrame::ShowResultTextView() {
    lowerPane_->setCurrentWidget(resultTextView_);
    origTextView_->setFocus();
}

bool CMainFrame::IsUserTextViewShown() const {
    return lowerPane_->currentWidget() == userTextView_;
}

void CMainFrame::ShowAbout() {
    AboutDialog about(
        QString::fromLatin1(kProductName),
        QString::fromLatin1(kProductVersion.data(), static_cast<qsizetype>(kProductVersion.size())),
        tr("Typing tester"), windowIcon(), this);
    about.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    placement_.Save();
    QMainWindow::closeEvent(event);
}
