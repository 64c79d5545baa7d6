// The help window: the help pages in a text browser with back, forward and contents.
#include "app/components/help_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace vl::gui {

HelpWindow::HelpWindow(QWidget* owner, const QUrl& contents) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Velloran Help"));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenLinks(false);
  auto* bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), browser_,
                                 &QTextBrowser::backward);
  back->setObjectName(QStringLiteral("HelpBack"));
  back->setShortcut(QKeySequence::Back);
  QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), browser_,
                                    &QTextBrowser::forward);
  forward->setObjectName(QStringLiteral("HelpForward"));
  forward->setShortcut(QKeySequence::Forward);
  QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), this,
                                 [this, contents] { browser_->setSource(contents); });
  home->setObjectName(QStringLiteral("HelpContents"));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  auto* close = new QAction(this);
  close->setObjectName(QStringLiteral("HelpClose"));
  close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);
  // Pages of the help folder stay here; anything else (web addresses) goes to the browser.
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile())
      browser_->setSource(target);
    else
      QDesktopServices::openUrl(target);
  });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(browser_);
  const int line = fontMetrics().height();
  resize(line * 48, line * 40);
}

HelpWindow* HelpWindow::showAt(QWidget* owner, const QUrl& page, const QUrl& contents) {
  auto* window = owner ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (window == nullptr) window = new HelpWindow(owner, contents);
  window->browser_->setSource(page);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace vl::gui
