// Test doubles for the dialogs: scripted answers instead of native dialogs, a fresh AppDir, controls by name.
#pragma once

#include <QWidget>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/components/dialog_provider.h"
#include "tests/support/temp_dir.h"

namespace vl::test {

// Answers each question from its queue (cancel / No when the queue is empty; a text
// prompt is always cancelled) and records what was asked and every error shown.
// Installs itself while it lives.
class ScriptedDialogs : public gui::DialogProvider {
 public:
  ScriptedDialogs() { gui::SetDialogProvider(this); }
  ~ScriptedDialogs() override { gui::SetDialogProvider(nullptr); }

  std::optional<std::string> chooseFolder(QWidget*, const std::string&, const std::string& start) override {
    startFolders.push_back(start);
    return next(folders);
  }
  std::vector<std::string> openFiles(QWidget*, const std::string&, bool multiple) override {
    multipleFlags.push_back(multiple);
    return next(openAnswers);
  }
  std::optional<std::string> saveFile(QWidget*, const std::string&, const std::string&) override {
    return next(saveAnswers);
  }
  std::optional<std::string> askSaveFile(QWidget*, const gui::FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return next(saveAnswers);
  }
  std::vector<std::string> askOpenFiles(QWidget*, const gui::FileDialogRequest& request, bool multiple) override {
    openRequests.push_back(request);
    return openFiles(nullptr, request.filter, multiple);
  }
  std::optional<std::string> askText(QWidget*, const std::string& title, const std::string& prompt,
                                     const std::string& initial) override {
    questions.push_back(title + "|" + prompt + "|" + initial);
    return std::nullopt;
  }
  bool askYesNo(QWidget*, const std::string& text) override {
    questions.push_back(text);
    return next(yesNo, false);
  }
  bool askYesNoDefaultNo(QWidget* parent, const std::string& text) override {
    defaultNoQuestions.push_back(text);
    return askYesNo(parent, text);
  }
  gui::YesNoCancel askYesNoCancel(QWidget*, const std::string& text) override {
    questions.push_back(text);
    return next(yesNoCancel, gui::YesNoCancel::Cancel);
  }
  void showError(QWidget*, const std::string& text) override { errors.push_back(text); }

  std::deque<std::optional<std::string>> folders;
  std::deque<bool> yesNo;
  std::deque<gui::YesNoCancel> yesNoCancel;
  std::deque<std::vector<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  std::vector<gui::FileDialogRequest> saveRequests, openRequests;
  std::vector<std::string> startFolders, questions, errors, defaultNoQuestions;
  std::vector<bool> multipleFlags;

 private:
  // The queue's first answer, taken from it; `fallback` when it is empty.
  template <typename Answer>
  static Answer next(std::deque<Answer>& queue, Answer fallback = {}) {
    if (queue.empty()) return fallback;
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
  }
};

// A temporary VELLORAN_APPDIR with the settings loaded from it (no settings file
// at first) and the fingerprint cache below it, auto-marking and the deleted-file
// list off so that scans only group.
class AppDirScope {
 public:
  AppDirScope();
  ~AppDirScope();
  const TempDir& dir() const { return dir_; }
  std::string iniFile() const;

 private:
  TempDir dir_;
};

// A Qt Test object whose every test function runs in a fresh AppDir with scripted dialogs.
class DialogTest : public QObject {
  Q_OBJECT
 protected slots:
  void init() {
    appDir_ = std::make_unique<AppDirScope>();
    dialogs_ = std::make_unique<ScriptedDialogs>();
  }
  void cleanup() {
    dialogs_.reset();
    appDir_.reset();
  }

 protected:
  std::unique_ptr<AppDirScope> appDir_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
};

// The control of a form by its object name; ends the test run when it is missing.
template <typename T>
T* child(QWidget& form, const char* name) {
  T* found = form.findChild<T*>(name);
  if (!found) qFatal("no control %s", name);
  return found;
}

}  // namespace vl::test
