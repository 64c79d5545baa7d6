// The host interface through which long core operations talk to their caller.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vl {

// The process-wide cancel flag: cleared when a scan or database operation starts,
// set by the caller's Cancel command (or Ctrl-C in the CLI) and by a missing database.
extern std::atomic<bool> ScanCancelled;

enum class MessageKind { Error, Information };

enum class BusyCursor {
  Hourglass,    // plain wait cursor
  AppStarting,  // arrow with hourglass: the program stays usable meanwhile
};

// What a long operation needs from whoever runs it: the GUI, the CLI and the
// tests each implement it. Every call happens on the thread that runs the
// operation (the GUI's main thread).
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
  // Lets pending user-interface events run; callers test ScanCancelled right after.
  virtual void processEvents() = 0;
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
