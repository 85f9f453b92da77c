#pragma once

#include <QMainWindow>
#include <QString>

#include "common/ui/window_placement.h"

class QAction;
class QTextBrowser;
class SettingsStore;

/// The program's own HTML help: a browser with Back, Forward and Home that remembers where
/// it stood. Links to web pages and mail addresses go to the desktop.
class HelpWindow final : public QMainWindow {
    Q_OBJECT

  public:
    HelpWindow(SettingsStore& settings, const QString& productName, const QString& indexFile,
               QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    QAction* backAction() const { return back_; }
    QAction* forwardAction() const { return forward_; }
    QAction* homeAction() const { return home_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void FollowLink(const QUrl& url);
    void UpdateTitle();

    QString productName_;
    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* home_;
    WindowPlacement placement_;
};
