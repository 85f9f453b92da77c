#include "tester/ui/c_main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
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
#include "common/ui/qt_text.h"
#include "common/ui/show_help.h"
#include "tester/assessed_text.h"
#include "tester/locale_table.h"
#include "tester/replay_worker.h"
#include "tester/report_commands.h"
#include "tester/result_commands.h"
#include "tester/test_data.h"
#include "tester/test_definition_commands.h"
#include "tester/tester_sheets.h"
#include "tester/thread_sleeper.h"
#include "tester/typing_run.h"
#include "tester/ui/c_orig_text_view.h"
#include "tester/ui/c_parameter_sheet.h"
#include "tester/ui/c_result_text_view.h"
#include "tester/ui/c_start_dialog.h"
#include "tester/ui/c_status_view.h"
#include "tester/ui/c_user_text_view.h"
#include "tester/ui/display_font.h"
#include "tester/ui/morvik_icon.h"
#include "tester/ui/qt_report_output.h"
#include "tester/ui/qt_yes_no_question.h"
#include "tester/ui/tester_command_icon.h"
#include "tester/ui/tester_file_dialogs.h"
#include "tester/ui/tester_pages.h"
#include "tester/ui/text_font_dialog.h"

namespace {

constexpr const char* kProductName = kMorvikName;

// Text each pane is sized for; the run panes and the time stay empty outside a run.
constexpr const char* kPaneTexts[] = {"", "CAPS", "NUM", "ARROWS", "ENTER", "ERASE", "---TIME---"};

// "&1 /path/file.mvkt": the number as the mnemonic, the path's own ampersands shown.
QString RecentFileText(int index, const std::string& path) {
    QString shown = PathToQString(path);
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

CMainFrame::CMainFrame(const TesterServices& services, QWidget* parent)
    : QMainWindow(parent),
      settings_(services.settings),
      paths_(services.paths),
      clock_(services.clock),
      data_(services.data),
      ownMessages_(services.messages == nullptr ? std::make_unique<QtMessageSink>(this) : nullptr),
      messages_(services.messages == nullptr ? *ownMessages_ : *services.messages),
      ownQuestions_(services.questions == nullptr ? std::make_unique<QtYesNoQuestion>(this)
                                                  : nullptr),
      questions_(services.questions == nullptr ? *ownQuestions_ : *services.questions),
      ownFileDialogs_(services.fileDialogs == nullptr ? std::make_unique<TesterFileDialogs>()
                                                      : nullptr),
      fileDialogs_(services.fileDialogs == nullptr ? *ownFileDialogs_ : *services.fileDialogs),
      ownSleeper_(services.sleeper == nullptr ? std::make_unique<ThreadSleeper>() : nullptr),
      sleeper_(services.sleeper == nullptr ? *ownSleeper_ : *services.sleeper),
      recentFiles_(services.paths),
      display_(DisplaySettings::Read(services.settings)),
      placement_(services.settings, "mainframe", this, 50, 600, 50, 350) {
    setObjectName(QStringLiteral("MorvikMainFrame"));
    setWindowTitle(QString::fromLatin1(kProductName));

    const PageContext context{data_, settings_, paths_, messages_, questions_};
    TypingRunHost& host = *this;
    run_ = std::make_unique<TypingRun>(context, host, clock_);
    definitions_ = std::make_unique<TestDefinitionCommands>(context, *run_, host, clock_);
    results_ = std::make_unique<ResultCommands>(context, host);
    reportOutput_ = std::make_unique<QtReportOutput>(this);
    reports_ = std::make_unique<ReportCommands>(data_, host, *reportOutput_, messages_, questions_);
    ReplayTarget& target = *this;
    replay_ = std::make_unique<ReplayWorker>(data_, target, sleeper_);

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildViews();

    runTimer_ = new QTimer(this);
    runTimer_->setInterval(kRunTimerMs);
    connect(runTimer_, &QTimer::timeout, this, &CMainFrame::OnRunTimer);

    startDialog_ = new CStartDialog(this);
    connect(startDialog_, &CStartDialog::ready, this, [this] { run_->OnStartDialogClosed(); });

    ApplyDisplay();
    UpdateCommands();
    placement_.ApplyToCreation();
}

CMainFrame::~CMainFrame() {
    // The re-play's worker ends before the views it types into go.
    replay_->Stop();
    replay_->Join();
    // The views go with the window; nothing may reach them from the run afterwards.
    userTextView_->SetRun(nullptr);
}

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

void CMainFrame::SetCommandText(TesterCommand command, const std::string& text) {
    QAction* action = Action(command);
    const QString shown = QString::fromStdString(text);
    if (action->text() == shown) {
        return;
    }
    action->setText(shown);
    QString plain = QString(shown).remove(QLatin1Char('&'));
    const qsizetype tab = plain.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        plain = plain.left(tab) + QStringLiteral(" (") + plain.mid(tab + 1) + QLatin1Char(')');
    }
    action->setToolTip(plain);
}

void CMainFrame::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    fileMenu_ = file;
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
    AddCommand(file, tr("Print Pre&view"), TesterCommand::PrintPreview,
               tr("Show the printed results on the screen"));
    AddCommand(file, tr("Print to P&DF..."), TesterCommand::PrintToPdf,
               tr("Write the printed results to a PDF file"));
    // The recent files come in between, with a separator of their own.
    file->addSeparator();
    exitSeparator_ = file->addSeparator();
    AddCommand(file, tr("E&xit"), TesterCommand::Exit, tr("Close Morvik"));

    QMenu* practice = menuBar()->addMenu(tr("&Practice"));
    AddCommand(practice, tr("Start\tF2"), TesterCommand::Start,
               tr("Set the parameters and start a typing test"));
    AddCommand(practice, tr("Pause On\tF5"), TesterCommand::Pause, tr("Pause the running test"));
    Action(TesterCommand::Pause)->setCheckable(true);
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

    RebuildRecentFiles();
}

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    const std::vector<std::string>& files = recentFiles_.files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto* action = new QAction(RecentFileText(static_cast<int>(i), files[i]), fileMenu_);
        const std::string path = files[i];
        connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
        fileMenu_->insertAction(exitSeparator_, action);
        recentActions_.push_back(action);
    }
    exitSeparator_->setVisible(!files.empty());
    UpdateCommands();
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(22, 22));
    toolBar_->setFocusPolicy(Qt::NoFocus);
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
    userTextView_->SetRun(run_.get());
    connect(userTextView_, &CUserTextView::scrollRequested, this, [this](ScrollRequest direction) {
        origTextView_->RequestScroll(direction, data_.running != 0);
    });
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

    origTextView_->SetText(kWelcomeText);
}

void CMainFrame::ApplyDisplay() {
    const QFont font = DisplayFont::ToFont(display_.font);
    origTextView_->setFont(font);
    userTextView_->setFont(font);
    const QPalette desktop = QApplication::palette();
    const QColor text = DisplayFont::ToColor(display_.textColor, desktop.color(QPalette::Text));
    const QColor background =
        DisplayFont::ToColor(display_.backgroundColor, desktop.color(QPalette::Base));
    const QColor marking =
        DisplayFont::ToColor(display_.markingColor, desktop.color(QPalette::Text));
    origTextView_->SetColors(text, background, marking);
    userTextView_->SetColors(text, background);
    resultTextView_->setFont(font);
    resultTextView_->SetColors(text, background, marking);
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
    if (!iconGiven_) {
        iconGiven_ = true;
        // Once the window is up: the window system takes the icon at four sizes, and drawing
        // them (on threads of the raster engine) would hold up the first window.
        QTimer::singleShot(0, this, [this] { setWindowIcon(MorvikIcon()); });
    }
    if (!startupFileOpened_ && !startupFile_.empty()) {
        startupFileOpened_ = true;
        // Once the window is on the screen, so that the sheet it opens stands over it.
        QTimer::singleShot(0, this, [this] { OpenFile(startupFile_); });
    }
}

QAction* CMainFrame::Action(TesterCommand command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::OnCommand(TesterCommand command) {
    switch (command) {
        case TesterCommand::Start:
            run_->Start();
            break;
        case TesterCommand::Pause:
            run_->Pause();
            break;
        case TesterCommand::CreateTypingTest:
            definitions_->CreateTypingTest();
            break;
        case TesterCommand::LoadTypingTest:
            definitions_->LoadTypingTest();
            break;
        case TesterCommand::SaveResults:
            if (std::optional<std::string> path = results_->SaveResults()) {
                FileUsed(*path);
            }
            break;
        case TesterCommand::LoadResults:
            if (std::optional<std::string> path = results_->LoadResults()) {
                FileUsed(*path);
            }
            break;
        case TesterCommand::SaveUserText:
            results_->SaveUserText();
            break;
        case TesterCommand::CompareTextFiles:
            results_->CompareTwoTextFiles();
            break;
        case TesterCommand::ShowResults:
            // The sheet itself leaves out the test's pages for the results of a comparison.
            if (run_->CanShowResults()) {
                ShowResults(ResultsSheet::FinalSummary);
            }
            break;
        case TesterCommand::PrintResults:
            reports_->PrintResults();
            break;
        case TesterCommand::PrintPreview:
            reports_->PrintPreview();
            break;
        case TesterCommand::PrintToPdf:
            reports_->PrintToPdf();
            break;
        case TesterCommand::ReplayPlay:
            replay_->Play();
            break;
        case TesterCommand::ReplayPause:
            replay_->Pause();
            break;
        case TesterCommand::ReplayStop:
            if (ReplayWorker::CanStop(data_)) {
                EndReplay();
                RefreshAssessedView();
                ShowResultTextView();
            }
            break;
        case TesterCommand::UserText:
            if (data_.resultsAvailable != 0) {
                EndReplay();
                ShowUserTextView();
                userTextView_->SetText(data_.typedText);
            }
            break;
        case TesterCommand::TextAfterAssessment:
            if (data_.resultsAvailable != 0) {
                EndReplay();
                RefreshAssessedView();
                ShowResultTextView();
            }
            break;
        case TesterCommand::Font:
            ChooseFont();
            break;
        case TesterCommand::BackgroundColor:
            ChooseColor(false);
            break;
        case TesterCommand::MarkingColor:
            ChooseColor(true);
            break;
        case TesterCommand::Exit:
            close();
            return;
        case TesterCommand::About:
            ShowAbout();
            return;
        case TesterCommand::Help:
            ShowHelp(this, kProductName, settings_, messages_);
            return;
    }
    UpdateCommands();
}

void CMainFrame::OpenFile(const std::string& path) {
    const auto endsWith = [&path](std::string_view extension) {
        return path.size() >= extension.size() &&
               path.compare(path.size() - extension.size(), extension.size(), extension) == 0;
    };
    if (endsWith(".mvkt")) {
        definitions_->LoadTypingTestFrom(path);
    } else if (endsWith(".2mvk")) {
        if (results_->CanLoadResults() && results_->LoadResultsFrom(path)) {
            FileUsed(path);
        }
    }
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    if (actions_.empty()) {
        return;
    }
    const auto enable = [this](TesterCommand command, bool enabled) {
        Action(command)->setEnabled(enabled);
    };
    enable(TesterCommand::Start, run_->CanStart());
    SetCommandText(TesterCommand::Start, run_->StartMenuText());
    enable(TesterCommand::Pause, run_->CanPause());
    SetCommandText(TesterCommand::Pause, run_->PauseMenuText());
    Action(TesterCommand::Pause)->setChecked(run_->PauseChecked());
    enable(TesterCommand::ShowResults, run_->CanShowResults());
    enable(TesterCommand::CreateTypingTest, definitions_->CanCreateTypingTest());
    enable(TesterCommand::LoadTypingTest, definitions_->CanLoadTypingTest());
    enable(TesterCommand::LoadResults, results_->CanLoadResults());
    enable(TesterCommand::SaveResults, results_->CanSaveResults());
    enable(TesterCommand::SaveUserText, results_->CanSaveUserText());
    enable(TesterCommand::CompareTextFiles, results_->CanCompareTwoTextFiles());
    enable(TesterCommand::PrintResults, reports_->CanPrint());
    enable(TesterCommand::PrintPreview, reports_->CanPrint());
    enable(TesterCommand::PrintToPdf, reports_->CanPrint());
    enable(TesterCommand::UserText, data_.resultsAvailable != 0);
    enable(TesterCommand::TextAfterAssessment, data_.resultsAvailable != 0);
    enable(TesterCommand::ReplayPlay, ReplayWorker::CanPlay(data_));
    enable(TesterCommand::ReplayPause, ReplayWorker::CanPause(data_));
    enable(TesterCommand::ReplayStop, ReplayWorker::CanStop(data_));
    const bool canOpen = definitions_->CanLoadTypingTest();
    for (QAction* action : recentActions_) {
        action->setEnabled(canOpen);
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

void CMainFrame::OnRunTimer() {
    run_->OnTimer();
}

bool CMainFrame::IsRunTimerActive() const {
    return runTimer_->isActive();
}

// The window as the run and the commands see it.

std::optional<std::string> CMainFrame::AskOpenFileName(const std::string& filter,
                                                       const std::string& initialName) {
    return fileDialogs_.AskOpenFileName(this, filter, initialName);
}

std::optional<std::string> CMainFrame::AskSaveFileName(const std::string& filter,
                                                       const std::string& initialName) {
    return fileDialogs_.AskSaveFileName(this, filter, initialName);
}

void CMainFrame::SetWindowTitle(const std::string& title) {
    // The title holds a path: UTF-8, not code-page text.
    setWindowTitle(PathToQString(title));
}

void CMainFrame::ShowAllowedKeys(bool arrows, bool enter, bool erase) {
    ShowRunPanes(arrows, enter, erase);
}

void CMainFrame::ShowOriginalText(const std::string& text) {
    origTextView_->SetText(text);
}

void CMainFrame::ShowTypedText(const std::string& text) {
    userTextView_->SetText(text);
}

void CMainFrame::SetBusy(bool busy) {
    origTextView_->SetBusy(busy);
}

void CMainFrame::ShowAssessedText(const std::string& /*typedText*/) {
    // The assessment is of the typed text the data holds.
    RefreshAssessedView();
    ShowResultTextView();
    UpdateCommands();
}

void CMainFrame::RefreshAssessedView() {
    resultTextView_->SetAssessedText(AssessedText::From(data_), data_.speedUnit);
}

void CMainFrame::ShowResults(ResultsSheet sheet) {
    UpdateCommands();
    const PageContext context{data_, settings_, paths_, messages_, questions_};
    std::unique_ptr<ParameterSheetModel> model = TesterSheets::Results(context, sheet);
    RunSheet(*model);
    // The Basic Results page may have changed the unit of the figures beside the lines.
    resultTextView_->SetUnit(data_.speedUnit);
    UpdateCommands();
}

void CMainFrame::EndReplay() {
    replay_->Stop();
}

void CMainFrame::BeginReplay() {
    lowerPane_->setCurrentWidget(userTextView_);
    userTextView_->SetText("");
    // The keys stay away from the typing view while the log types into it.
    origTextView_->setFocus();
}

void CMainFrame::PostToViewThread(std::function<void()> task) {
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void CMainFrame::ReplayEvent(const KeystrokeRecord& record) {
    userTextView_->ApplyMessage(record.message, record.wParam, record.lParam);
}

void CMainFrame::ReplayEnded() {
    UpdateCommands();
}

bool CMainFrame::RunSheet(ParameterSheetModel& sheet) {
    TesterPageContext context{fileDialogs_, LocaleTable::ReadSupported()};
    CParameterSheet dialog(
        sheet, [&context](ParameterPageModel& page) { return CreateTesterPage(page, context); },
        messages_, this);
    return dialog.exec() == QDialog::Accepted;
}

void CMainFrame::ShowTypingView() {
    ShowUserTextView();
}

void CMainFrame::ShowStartDialog() {
    startDialog_->ShowOver(userTextView_);
}

std::string CMainFrame::TypedText() {
    return userTextView_->Text();
}

void CMainFrame::StartRunTimer() {
    runTimer_->start();
}

void CMainFrame::StopRunTimer() {
    runTimer_->stop();
}

void CMainFrame::ShowElapsed(const std::string& time, int percent) {
    ShowElapsedTime(QString::fromStdString(time));
    statusView_->SetPercent(percent);
}

void CMainFrame::BeginRunView(bool follow) {
    // The keys belong to the typing view until the run ends: nothing else takes the focus.
    origTextView_->setFocusPolicy(Qt::NoFocus);
    resultTextView_->setFocusPolicy(Qt::NoFocus);
    activateWindow();
    ShowUserTextView();
    if (follow) {
        origTextView_->StartFollowing([this] { return userTextView_->Text(); });
    }
}

void CMainFrame::EndRunView() {
    origTextView_->StopFollowing();
    origTextView_->StopSmoothScrolling();
    origTextView_->setFocusPolicy(Qt::StrongFocus);
    resultTextView_->setFocusPolicy(Qt::StrongFocus);
}

void CMainFrame::FileUsed(const std::string& path) {
    recentFiles_.Add(path);
    RebuildRecentFiles();
}

void CMainFrame::ChooseFont() {
    const QColor current =
        DisplayFont::ToColor(display_.textColor, QApplication::palette().color(QPalette::Text));
    TextFontDialog dialog(DisplayFont::ToFont(display_.font), current, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    display_.font = DisplayFont::FromFont(dialog.font(), display_.font);
    display_.textColor = DisplayFont::FromColor(dialog.color());
    display_.WriteFont(settings_);
    ApplyDisplay();
}

void CMainFrame::ChooseColor(bool marking) {
    const QPalette desktop = QApplication::palette();
    std::optional<std::uint32_t>& stored =
        marking ? display_.markingColor : display_.backgroundColor;
    const QColor current =
        DisplayFont::ToColor(stored, desktop.color(marking ? QPalette::Text : QPalette::Base));
    QColorDialog dialog(current, this);
    dialog.setObjectName(marking ? QStringLiteral("MarkingColorDialog")
                                 : QStringLiteral("BackgroundColorDialog"));
    if (marking) {
        dialog.setWindowTitle(QString::fromLatin1(kMarkingColorTitle));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    stored = DisplayFont::FromColor(dialog.currentColor());
    if (marking) {
        display_.WriteMarkingColor(settings_);
    } else {
        display_.WriteBackgroundColor(settings_);
    }
    ApplyDisplay();
}

void CMainFrame::ShowAbout() {
    AboutDialog about(
        QString::fromLatin1(kProductName),
        QString::fromLatin1(kProductVersion.data(), static_cast<qsizetype>(kProductVersion.size())),
        tr("Typing tester"), windowIcon(), this);
    about.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!run_->ConfirmExit()) {
        event->ignore();
        return;
    }
    replay_->Stop();
    replay_->Join();
    runTimer_->stop();
    lockTimer_->stop();
    origTextView_->StopFollowing();
    origTextView_->StopSmoothScrolling();
    origTextView_->SetBusy(false);
    startDialog_->hide();
    placement_.Save();
    QMainWindow::closeEvent(event);
}
