// The help routine: help contexts of the windows, the help pages' folder, F1 and the help window.
#pragma once

#include <QString>
#include <QUrl>

class QObject;
class QWidget;

namespace vl::gui {

// The help contexts. A window or menu names its own with SetHelpContext; F1 shows
// the page of the nearest one up its parent chain, the contents when there is none.
enum HelpContext {
  HelpContents = 1,
  HelpDatabaseDialog = 2,
  HelpDatabaseExplorer = 3,
  HelpFoldersDialog = 4,
  HelpConfigureDialog = 5,
  HelpFileManagementMenu = 6,
  HelpMainWindow = 7,
  HelpViewMenu = 8,
};

// Every context a window or menu can carry, in number order.
const int* HelpContextsBegin();
const int* HelpContextsEnd();

// Gives `widget` (a window, dialog or menu) its help context.
void SetHelpContext(QWidget* widget, int context);
// The context of the nearest object from `object` up its parents that has one;
// HelpContents when none has.
int HelpContextOf(const QObject* object);

// The folder the help pages are read from: VELLORAN_HELPDIR when set, else
// share/doc/velloran/html beside the program's bin folder (the build copies the
// pages to the same place under the build folder).
QString HelpFolder();

// The path of help page `file` in `folder` for `language` ("pt_BR"): folder/pt_BR/file
// when it exists, else folder/pt/file, else the English folder/file. One stat per try.
QString LocalizedHelpFile(const QString& folder, const QString& language, const QString& file);

// The page and anchor of `context` in HelpFolder(), in the window's language where the
// page is translated: a file URL with the fragment "context-N"; an unknown context gives
// the contents page. A stat or two.
QUrl HelpPage(int context);

// Opens the help window at `context`, a child window of `parent`'s window so that
// it takes input while a modal dialog is up; an open help window of that window
// is reused. When the pages are missing it says so in an error box naming the folder.
void ShowHelp(QWidget* parent, int context);

// Makes F1 anywhere in the application show the help of the widget or menu that
// has the keyboard (HelpContextOf). Call once, on the application object.
void InstallHelpKey(QObject* application);

}  // namespace vl::gui
