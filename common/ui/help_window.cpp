#include "common/ui/help_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

#include "common/ui/url_opener.h"

HelpWindow::HelpWindow(SettingsStore& settings, const QString& productName,
                       const QString& indexFile, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      productName_(productName),
      browser_(new QTextBrowser(this)),
      placement_(settings, "helpwindow", this, 90, 720, 70, 540) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpWindow"));

    back_ = new QAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"), this);
    back_->setShortcut(QKeySequence::Back);
    forward_ = new QAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"), this);
    forward_->setShortcut(QKeySequence::Forward);
    home_ = new QAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Home"), this);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    QToolBar* toolBar = addToolBar(tr("Navigation"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addAction(back_);
    toolBar->addAction(forward_);
    toolBar->addAction(home_);

    // Local pages are followed here, everything else goes to the desktop.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::UpdateTitle);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home_, &QAction::triggered, browser_, &QTextBrowser::home);
    browser_->document()->setDocumentMargin(12);
    setCentralWidget(browser_);

    placement_.ApplyToCreation();
    browser_->setSource(QUrl::fromLocalFile(indexFile));
    UpdateTitle();
}

void HelpWindow::FollowLink(const QUrl& url) {
    QUrl resolved = browser_->source().resolved(url);
    if (resolved.isLocalFile() || resolved.scheme().isEmpty()) {
        browser_->setSource(resolved);
    } else {
        UrlOpener::Open(resolved);
    }
}

void HelpWindow::UpdateTitle() {
    QString title = browser_->documentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? productName_ + tr(" Help") : title);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    placement_.Save();
    QMainWindow::closeEvent(event);
}
