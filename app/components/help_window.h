// The help window: the help pages in a text browser with back, forward and contents.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace vl::gui {

// A top-level window over a QTextBrowser. Links between the pages stay inside it;
// web addresses open in the desktop's browser. Escape and Ctrl+W close it. One per
// owner window.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  HelpWindow(QWidget* owner, const QUrl& contents);

  // Shows `page` in the help window of `owner` (made when it has none), raised.
  static HelpWindow* showAt(QWidget* owner, const QUrl& page, const QUrl& contents);

  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace vl::gui
