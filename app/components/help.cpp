// The help routine: help contexts of the windows, the help pages' folder, F1 and the help window.
#include "app/components/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>
#include <iterator>

#include "app/components/help_window.h"
#include "app/components/translations.h"

namespace vl::gui {
namespace {

const char* const ContextProperty = "helpContext";

struct HelpPageName {
  int context;
  const char* file;
};

// One page per context; the contents page is index.html.
constexpr HelpPageName PageNames[] = {
    {HelpContents, "index.html"},           {HelpDatabaseDialog, "databases.html"},
    {HelpDatabaseExplorer, "explorer.html"}, {HelpFoldersDialog, "folders.html"},
    {HelpConfigureDialog, "configure.html"}, {HelpFileManagementMenu, "file-management.html"},
    {HelpMainWindow, "main-window.html"},    {HelpViewMenu, "view-menu.html"},
};

constexpr int Contexts[] = {HelpContents,           HelpDatabaseDialog, HelpDatabaseExplorer, HelpFoldersDialog,
                            HelpConfigureDialog,    HelpFileManagementMenu, HelpMainWindow,   HelpViewMenu};

// The page of `context`; the contents page for a context that has none.
const HelpPageName& pageOf(int context) {
  for (const HelpPageName& name : PageNames)
    if (name.context == context) return name;
  return PageNames[0];
}

// Shows the help of the widget that has the keyboard when F1 is pressed.
class HelpKey : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    ShowHelp(static_cast<QWidget*>(watched), HelpContextOf(watched));
    return true;
  }
};

// The window a help window belongs to: the window of `widget`, or, for a menu, of
// the widget the menu drops from.
QWidget* ownerWindow(QWidget* widget) {
  while (widget != nullptr && widget->window()->windowType() == Qt::Popup) widget = widget->window()->parentWidget();
  return widget ? widget->window() : nullptr;
}

}  // namespace

const int* HelpContextsBegin() { return std::begin(Contexts); }
const int* HelpContextsEnd() { return std::end(Contexts); }

void SetHelpContext(QWidget* widget, int context) { widget->setProperty(ContextProperty, context); }

int HelpContextOf(const QObject* object) {
  for (; object != nullptr; object = object->parent()) {
    const QVariant context = object->property(ContextProperty);
    if (context.isValid()) return context.toInt();
  }
  return HelpContents;
}

QString HelpFolder() {
  const QString configured = qEnvironmentVariable("VELLORAN_HELPDIR");
  if (!configured.isEmpty()) return QDir::cleanPath(configured);
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/velloran/html"));
}

QString LocalizedHelpFile(const QString& folder, const QString& language, const QString& file) {
  const QDir help(folder);
  for (QString tried = language; !tried.isEmpty(); tried = tried.section(QLatin1Char('_'), 0, -2)) {
    const QString translated = help.filePath(tried + QLatin1Char('/') + file);
    if (QFileInfo(translated).isFile()) return translated;
  }
  return help.filePath(file);
}

QUrl HelpPage(int context) {
  const HelpPageName& name = pageOf(context);
  QUrl page = QUrl::fromLocalFile(LocalizedHelpFile(HelpFolder(), TranslationLanguage(), QLatin1String(name.file)));
  page.setFragment(QStringLiteral("context-%1").arg(name.context));
  return page;
}

void ShowHelp(QWidget* parent, int context) {
  const QUrl page = HelpPage(context);
  if (!QFileInfo(page.toLocalFile()).isFile()) {
    QMessageBox::critical(ownerWindow(parent), QObject::tr("Error"),
                          QObject::tr("Unable to find the help file %1 in the folder\n%2")
                              .arg(QFileInfo(page.toLocalFile()).fileName(), QDir::toNativeSeparators(HelpFolder())));
    return;
  }
  HelpWindow::showAt(ownerWindow(parent), page, HelpPage(HelpContents));
}

void InstallHelpKey(QObject* application) { application->installEventFilter(new HelpKey(application)); }

}  // namespace vl::gui
