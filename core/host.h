// The host interface through which the commands of the core talk to their caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vl {

enum class MessageKind { Error, Information };

// A message a job hands back for its caller to show: the text, and details the user
// can unfold ("" for none).
struct JobMessage {
  MessageKind kind = MessageKind::Error;
  std::string text;
  std::string details;

  bool operator==(const JobMessage&) const = default;
};

enum class BusyCursor {
  Hourglass,    // plain wait cursor
  AppStarting,  // arrow with hourglass: the program stays usable meanwhile
};

// What a command of the core (deleting, loading or saving results, the deleted-file
// list) needs from whoever runs it: the GUI, the CLI and the tests each implement
// it. Every call happens on the caller's thread. Scans and database builds run as
// jobs instead: they report to a ProgressSink and hand their messages back.
class Host {
 public:
  virtual ~Host() = default;

  // The step the operation is in ("Reading Images"); an empty text shows none.
  virtual void phase(const std::string& text) = 0;
  // The position within the step's list: item `current` (counted from 1) of `total`,
  // shown as ProgressText gives it.
  virtual void progress(size_t current, size_t total) = 0;
  // Takes the position away (a step without a count begins, or the operation ends).
  virtual void clearProgress() = 0;
  // A modal message with an OK button.
  virtual void showMessage(MessageKind kind, const std::string& text) = 0;
  // A message with details the user can unfold (a "Details" section); hosts without
  // such a place show the details after the text. Empty details: showMessage.
  virtual void showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) {
    showMessage(kind, details.empty() ? text : text + "\n\n" + details);
  }
  // A confirmation with Yes and No; true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;
  // The same with No as the default button, for a question whose Yes cannot be undone.
  virtual bool askYesNoDefaultNo(const std::string& text) { return askYesNo(text); }
  virtual void beep() = 0;
  // Busy cursors nest: only the outermost pop restores the normal cursor.
  virtual void pushCursor(BusyCursor cursor) = 0;
  virtual void popCursor() = 0;
  // A problem the operation works around (a fingerprint cache that turned itself
  // off); shown as the phase text unless the host has a better place for it.
  virtual void warning(const std::string& text) { phase(text); }
};

// A host that keeps the messages it is given and shows nothing: what a job passes to
// a routine that reports through a host. Questions answer No.
class MessageList : public Host {
 public:
  void phase(const std::string&) override {}
  void progress(size_t, size_t) override {}
  void clearProgress() override {}
  void showMessage(MessageKind kind, const std::string& text) override { messages.push_back({kind, text, {}}); }
  void showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) override {
    messages.push_back({kind, text, details});
  }
  bool askYesNo(const std::string&) override { return false; }
  void beep() override {}
  void pushCursor(BusyCursor) override {}
  void popCursor() override {}

  std::vector<JobMessage> messages;
};

// Shows a job's message through the host (showDetailedMessage).
void ShowJobMessage(Host& host, const JobMessage& message);

// A progress position as the user sees it: "12 / 340".
std::string ProgressText(size_t current, size_t total);

// A size as the user reads it: "812 bytes", then one decimal in KB, MB or GB
// (units of 1024): "48.3 MB".
std::string SizeText(uint64_t bytes);

// Shows a busy cursor for the lifetime of the guard.
class CursorGuard {
 public:
  CursorGuard(Host& host, BusyCursor cursor) : host_(host) { host_.pushCursor(cursor); }
  ~CursorGuard() { host_.popCursor(); }
  CursorGuard(const CursorGuard&) = delete;
  CursorGuard& operator=(const CursorGuard&) = delete;

 private:
  Host& host_;
};

}  // namespace vl
