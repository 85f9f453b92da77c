#include "tutor/practice/ui/c_main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include <string>

#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/ui/about_dialog.h"
#include "common/ui/qt_message_sink.h"
#include "common/ui/show_help.h"
#include "tutor/practice/ui/idle_panel.h"
#include "tutor/practice/ui/kelvane_icon.h"

namespace {

constexpr const char* kProductName = kKelvaneName;

}  // namespace

CMainFrame::CMainFrame(SettingsStore& settings, MessageSink* messages, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      ownMessages_(messages == nullptr ? std::make_unique<QtMessageSink>(this) : nullptr),
      messages_(messages == nullptr ? *ownMessages_ : *messages),
      placement_(settings, "mainframe", this, 50, 600, 50, 350),
      panel_(new IdlePanel(this)) {
    setObjectName(QStringLiteral("KelvaneMainFrame"));
    setWindowTitle(QString::fromLatin1(kProductName));
    setWindowIcon(KelvaneIcon());
    setMinimumSize(kMinimumWidth, kResetMinimumHeight);
    BuildMenu();
    setCentralWidget(panel_);
    placement_.ApplyToCreation();
}

CMainFrame::~CMainFrame() = default;

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
}

QAction* CMainFrame::Action(TutorCommand command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::OnCommand(TutorCommand command) {
    switch (command) {
        case TutorCommand::Exit:
            close();
            return;
        case TutorCommand::About:
            ShowAbout();
            return;
        case TutorCommand::Help:
            ShowHelp(this, kProductName, settings_, messages_);
            return;
        default:
            messages_.ShowMessage(kProductName, "Not available yet",
                                  MessageSink::Icon::Information);
            return;
    }
}

void CMainFrame::ShowAbout() {
    AboutDialog about(
        QString::fromLatin1(kProductName),
        QString::fromLatin1(kProductVersion.data(), static_cast<qsizetype>(kProductVersion.size())),
        tr("Touch-typing tutor"), windowIcon(), this);
    about.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    placement_.Save();
    QMainWindow::closeEvent(event);
}
