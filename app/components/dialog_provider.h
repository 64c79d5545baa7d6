// The folder browser, file dialogs and questions the dialogs ask through, replaceable in tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

class QWidget;
class QString;

namespace vl::gui {

// What a file dialog of the main window starts with.
struct FileDialogRequest {
  std::string filter;            // "Name|patterns|..."; empty: every file
  std::string defaultExtension;  // appended to a chosen name without one
  std::string folder;            // the folder it opens in; empty: the dialog's own choice
  std::string fileName;          // the name it offers (a full path also sets the folder)
  bool confirmOverwrite = false; // a save dialog asks before an existing file is replaced
};

// The answer to a question with Yes, No and Cancel.
enum class YesNoCancel { Yes, No, Cancel };

// The modal questions the windows put to the user. The default implementation
// shows Qt's dialogs; tests install a scripted one.
class DialogProvider {
 public:
  virtual ~DialogProvider() = default;

  // A folder chosen in a folder browser starting at startFolder; none when cancelled.
  virtual std::optional<std::string> chooseFolder(QWidget* parent, const std::string& title,
                                                  const std::string& startFolder) = 0;
  // Files chosen in an open dialog. `filter` is "Name|patterns|Name|patterns...".
  // Empty when cancelled; at most one file unless `multiple`.
  virtual std::vector<std::string> openFiles(QWidget* parent, const std::string& filter, bool multiple) = 0;
  // A file name chosen in a save dialog, with the chosen filter's extension (or
  // defaultExtension) appended when the name has none; none when cancelled. No
  // overwrite question.
  virtual std::optional<std::string> saveFile(QWidget* parent, const std::string& filter,
                                              const std::string& defaultExtension) = 0;
  // A file name chosen in a save dialog set up by `request`; none when cancelled.
  virtual std::optional<std::string> askSaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
  // Files chosen in an open dialog set up by `request`; empty when cancelled.
  virtual std::vector<std::string> askOpenFiles(QWidget* parent, const FileDialogRequest& request,
                                                bool multiple) = 0;
  // A line of text typed into an input box that offers `initial`; none when cancelled.
  virtual std::optional<std::string> askText(QWidget* parent, const std::string& title, const std::string& prompt,
                                             const std::string& initial) = 0;
  // A confirmation with Yes and No; true for Yes.
  virtual bool askYesNo(QWidget* parent, const std::string& text) = 0;
  // The same with No as the default button, for questions where Yes cannot be undone.
  virtual bool askYesNoDefaultNo(QWidget* parent, const std::string& text) = 0;
  // A question with Yes (the default), No and Cancel; closing the box is Cancel.
  virtual YesNoCancel askYesNoCancel(QWidget* parent, const std::string& text) = 0;
  // An error box with an OK button.
  virtual void showError(QWidget* parent, const std::string& text) = 0;
};

// DialogProvider through QFileDialog and QMessageBox.
class QtDialogProvider : public DialogProvider {
 public:
  std::optional<std::string> chooseFolder(QWidget* parent, const std::string& title,
                                          const std::string& startFolder) override;
  std::vector<std::string> openFiles(QWidget* parent, const std::string& filter, bool multiple) override;
  std::optional<std::string> saveFile(QWidget* parent, const std::string& filter,
                                      const std::string& defaultExtension) override;
  std::optional<std::string> askSaveFile(QWidget* parent, const FileDialogRequest& request) override;
  std::vector<std::string> askOpenFiles(QWidget* parent, const FileDialogRequest& request, bool multiple) override;
  std::optional<std::string> askText(QWidget* parent, const std::string& title, const std::string& prompt,
                                     const std::string& initial) override;
  bool askYesNo(QWidget* parent, const std::string& text) override;
  bool askYesNoDefaultNo(QWidget* parent, const std::string& text) override;
  YesNoCancel askYesNoCancel(QWidget* parent, const std::string& text) override;
  void showError(QWidget* parent, const std::string& text) override;
};

// The provider the dialogs use: the Qt one unless a test installed another.
DialogProvider& CurrentDialogProvider();
// Installs `provider` (not owned); nullptr restores the Qt provider.
void SetDialogProvider(DialogProvider* provider);

// Turns "Name|*.txt;*.log|Name2|*.*" into Qt's name filters separated by ";;".
// Every letter of a pattern matches in either case ("*.VDB" becomes "*.[vV][dD][bB]"),
// and "*.*" means every file. The visible names stay as given. O(length of filter).
QString QtFileFilter(const std::string& filter);

}  // namespace vl::gui
