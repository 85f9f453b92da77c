#include "tutor/practice/ui/c_main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <QWindow>

#include <string>
#include <vector>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/ui/about_dialog.h"
#include "common/ui/qt_text.h"
#include "common/ui/show_help.h"
#include "tutor/practice/main_frame_commands.h"
#include "tutor/practice/main_frame_focus.h"
#include "tutor/practice/practice_session.h"
#include "tutor/practice/practice_texts.h"
#include "tutor/practice/ui/kelvane_icon.h"
#include "tutor/practice/ui/modal_window_watcher.h"

namespace {

constexpr const char* kProductName = kKelvaneName;

/// The local files of a drag, as UTF-8 paths; empty when it carries none.
std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(PathFromQString(url.toLocalFile()));
        }
    }
    return paths;
}

}  // namespace

CMainFrame::CMainFrame(SettingsStore& settings, MessageSink& messages, QWidget* panelWidget,
                       PracticeTextPanel& textPanel, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      messages_(messages),
      panelWidget_(panelWidget),
      textPanel_(textPanel),
      placement_(settings, "mainframe", this, 50, 600, 50, 350) {
    setObjectName(QStringLiteral("KelvaneMainFrame"));
    setWindowTitle(QString::fromLatin1(kProductName));
    setWindowIcon(KelvaneIcon());
    setMinimumSize(kMinimumWidth, kResetMinimumHeight);
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys and other composed characters arrive as committed text.
    setAttribute(Qt::WA_InputMethodEnabled);
    setAcceptDrops(true);
    BuildMenu();
    setCentralWidget(panelWidget_);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    practiceTimer_.setInterval(kPracticeTimerMs);
    connect(&practiceTimer_, &QTimer::timeout, this, [this] {
        if (session_) {
            session_->OnTimer(kPracticeTimerId);
        }
    });
    placement_.ApplyToCreation();
    // Installed after the menu bar, so a lone Alt is seen here before it reaches the bar.
    QApplication::instance()->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    QApplication::instance()->removeEventFilter(this);
    Detach();
}

void CMainFrame::Attach(PracticeSession& session, MainFrameCommands& commands) {
    session_ = &session;
    commands_ = &commands;
    focus_ = std::make_unique<MainFrameFocus>(session);
    modalWatcher_ = std::make_unique<ModalWindowWatcher>([this] { focus_->ModalOpened(); },
                                                         [this] { focus_->ModalClosed(); });
}

void CMainFrame::Detach() {
    modalWatcher_.reset();
    focus_.reset();
    practiceTimer_.stop();
    session_ = nullptr;
    commands_ = nullptr;
}

QAction* CMainFrame::Register(QAction* action, TutorCommand command) {
    action->setData(static_cast<int>(command));
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    actions_[command] = action;
    return action;
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, TutorCommand command) {
    return Register(menu->addAction(text), command);
}

QAction* CMainFrame::AddBarCommand(const QString& text, TutorCommand command) {
    return Register(menuBar()->addAction(text), command);
}

void CMainFrame::BuildMenu() {
    QMenu* program = menuBar()->addMenu(tr("&Program"));
    AddCommand(program, tr("Log in a New Use&r"), TutorCommand::LogInNewUser);
    AddCommand(program, tr("Change &User Details"), TutorCommand::ChangeUserDetails);
    program->addSeparator();
    AddCommand(program, tr("&Save Results"), TutorCommand::SaveResults);
    AddCommand(program, tr("&Load Results"), TutorCommand::LoadResults);
    program->addSeparator();
    AddCommand(program, tr("Save User Info on a &Diskette"), TutorCommand::SaveUserInfoOnDiskette);
    program->addSeparator();
    AddCommand(program, tr("E&xit"), TutorCommand::Exit);

    QMenu* practice = menuBar()->addMenu(tr("Pr&actice"));
    AddCommand(practice, tr("&Choose a Lesson"), TutorCommand::ChooseLesson);
    AddCommand(practice, tr("Choose a &Text File"), TutorCommand::ChooseTextFile);

    AddBarCommand(tr("&Settings"), TutorCommand::Settings);
    AddBarCommand(tr("&Results"), TutorCommand::Results);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AddCommand(help, tr("&Lesson Description"), TutorCommand::LessonDescription);
    AddCommand(help, tr("&Help"), TutorCommand::Help);
    help->addSeparator();
    AddCommand(help, tr("&About..."), TutorCommand::About);

    // Put in front of the bar only during the initial test.
    endOfTest_ = new QAction(tr(PracticeTexts::kEndOfTestMenu), this);
    Register(endOfTest_, TutorCommand::EndOfTest);
}

QAction* CMainFrame::Action(TutorCommand command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::OnCommand(TutorCommand command) {
    if (commands_ && !commands_->IsEnabled(command)) {
        return;
    }
    switch (command) {
        case TutorCommand::About:
            ShowAbout();
            return;
        case TutorCommand::Help:
            ShowHelp(this, kProductName, settings_, messages_);
            return;
        case TutorCommand::Exit:
            if (!commands_) {
                close();
                return;
            }
            break;
        default:
            break;
    }
    if (commands_) {
        commands_->Run(command);
    }
}

void CMainFrame::ShowAbout() {
    AboutDialog about(
        QString::fromLatin1(kProductName),
        QString::fromLatin1(kProductVersion.data(), static_cast<qsizetype>(kProductVersion.size())),
        tr("Touch-typing tutor"), windowIcon(), this);
    about.exec();
}

bool CMainFrame::RunActive() const {
    return session_ && session_->state().runActive;
}

bool CMainFrame::mainHasFocus() const {
    return focus_ && focus_->mainHasFocus();
}

void CMainFrame::ShowStatusText(const std::string& text) {
    statusBar()->showMessage(ToQString(text));
}

// --- PracticeWindow ---

void CMainFrame::SetPracticeTimer() {
    practiceTimer_.start();
}

void CMainFrame::KillPracticeTimer() {
    practiceTimer_.stop();
}

void CMainFrame::TakeFocus() {
    if (!focus_) {
        return;
    }
    if (!focus_->modalOpen()) {
        setFocus(Qt::OtherFocusReason);
        // Also right after a modal window closed, when the engine already counts the window
        // active: the desktop may not have given the activation back yet.
        if (!isActiveWindow()) {
            activateWindow();
        }
    }
    focus_->Take();
}

void CMainFrame::FocusToTextPanel() {
    if (!focus_) {
        return;
    }
    if (!focus_->modalOpen()) {
        panelWidget_->setFocus(Qt::OtherFocusReason);
    }
    focus_->ToPanel();
}

void CMainFrame::RepaintWindow() {
    repaint();
}

void CMainFrame::ApplyLayout() {
    if (commands_ && !layingOut_) {
        layingOut_ = true;
        commands_->ApplyLayout();
        layingOut_ = false;
    }
}

void CMainFrame::EnterInitialTestMenu() {
    for (QAction* action : menuBar()->actions()) {
        action->setEnabled(false);
    }
    const QList<QAction*> bar = menuBar()->actions();
    menuBar()->insertAction(bar.isEmpty() ? nullptr : bar.front(), endOfTest_);
    endOfTest_->setEnabled(true);
    menuBar()->update();
}

void CMainFrame::LeaveInitialTestMenu() {
    menuBar()->removeAction(endOfTest_);
    for (QAction* action : menuBar()->actions()) {
        action->setEnabled(true);
    }
    menuBar()->update();
}

// --- MainFrameWindow ---

void CMainFrame::SetNeededPanelHeight(int panelHeight) {
    if (layout()) {
        layout()->activate();
    }
    // What the window holds besides the panel: the menu and the status bar.
    const int around = isVisible()
                           ? height() - panelWidget_->height()
                           : menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const int minimum = std::max(kResetMinimumHeight, panelHeight + around);
    setMinimumHeight(minimum);
    if (height() < minimum) {
        resize(width(), minimum);
    }
}

void CMainFrame::CloseWindow() {
    close();
}

void CMainFrame::QuitProgram(int exitCode) {
    quitCode_ = exitCode;
    practiceTimer_.stop();
    QCoreApplication::exit(exitCode);
}

void CMainFrame::SavePlacement() {
    placement_.Save();
}

void CMainFrame::RestorePlacement() {
    placement_.Restore();
}

// --- Input ---

void CMainFrame::Type(const std::string& bytes) {
    for (char c : bytes) {
        // A stroke may end the run or close the program through a dialog.
        if (!session_) {
            return;
        }
        session_->OnChar(c);
    }
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    if (!session_) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Backspace:
            Type(std::string(1, PracticeSession::kBackspace));
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Type(std::string(1, PracticeSession::kEnter));
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            Type("\t");
            break;
        default:
            // Characters the code page lacks are dropped.
            Type(FromQString(event->text()));
            break;
    }
    event->accept();
}

void CMainFrame::inputMethodEvent(QInputMethodEvent* event) {
    if (session_ && !event->commitString().isEmpty()) {
        Type(FromQString(event->commitString()));
    }
    event->accept();
}

QVariant CMainFrame::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) {
        return true;
    }
    return QMainWindow::inputMethodQuery(query);
}

bool CMainFrame::focusNextPrevChild(bool next) {
    // During a run Tab is a character of the copy text, not a move between controls.
    if (RunActive()) {
        return false;
    }
    return QMainWindow::focusNextPrevChild(next);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease ||
         type == QEvent::ShortcutOverride) &&
        RunActive() && !(focus_ && focus_->modalOpen())) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool ours = watched == static_cast<QObject*>(windowHandle()) ||
                          (widget && widget->window() == this);
        // Alt pressed and let go alone would put the menu bar in charge of the next keys,
        // which belong to the copy text; the bar watches for it from the shortcut check on.
        // Alt with a letter still opens a menu.
        if (ours && key->key() == Qt::Key_Alt) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !focus_) {
        return;
    }
    if (isActiveWindow()) {
        focus_->Activated();
        return;
    }
    // The desktop's report that a modal window took the activation may arrive after the
    // window has closed again; the focus came back when it closed.
    QWidget* active = QApplication::activeWindow();
    if (active && !active->isVisible()) {
        return;
    }
    focus_->Deactivated();
}

// --- Size, close, drop ---

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (commands_ && !layingOut_) {
        layingOut_ = true;
        commands_->SizeChanged();
        layingOut_ = false;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!commands_) {
        placement_.Save();
    } else if (!commands_->finished()) {
        commands_->Close();
    }
    practiceTimer_.stop();
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (commands_ && commands_->AcceptsDrops() && !LocalFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (commands_ && commands_->AcceptsDrops()) {
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = LocalFiles(event->mimeData());
    if (!commands_ || paths.empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The drag's source waits for the drop to end; the questions and dialogs come after.
    QTimer::singleShot(0, this, [this, paths = std::move(paths)] {
        if (commands_) {
            commands_->DropFiles(paths);
        }
    });
}
