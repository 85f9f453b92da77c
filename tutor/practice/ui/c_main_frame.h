#pragma once

#include <QMainWindow>

#include <map>
#include <memory>

#include "common/ui/window_placement.h"
#include "tutor/practice/tutor_command.h"

class IdlePanel;
class MessageSink;
class QAction;
class QMenu;
class SettingsStore;

/// Kelvane's main window: the menu with its commands around the practice panel. Commands
/// whose work is not there yet say so and change nothing.
class CMainFrame final : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kMinimumWidth = 550;
    /// The lowest height after a reset; the practice layout raises it.
    static constexpr int kResetMinimumHeight = 220;

    /// settings: the program's settings store (placement of the window). messages: where
    /// messages go; message boxes over this window when none is given.
    explicit CMainFrame(SettingsStore& settings, MessageSink* messages = nullptr,
                        QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// The menu item (or menu-bar item) of a command; the command id is its data().
    QAction* Action(TutorCommand command) const;
    /// Runs a command as its menu item does.
    void OnCommand(TutorCommand command);

    WindowPlacement& placement() { return placement_; }
    MessageSink& messages() { return messages_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenu();
    QAction* AddCommand(QMenu* menu, const QString& text, TutorCommand command);
    QAction* AddBarCommand(const QString& text, TutorCommand command);
    QAction* Register(QAction* action, TutorCommand command);
    void ShowAbout();

    SettingsStore& settings_;
    std::unique_ptr<MessageSink> ownMessages_;
    MessageSink& messages_;
    WindowPlacement placement_;
    std::map<TutorCommand, QAction*> actions_;
    IdlePanel* panel_;
};
