// A background thread that keeps a list of the files of one folder up to date.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vl {

// The list the folder thread fills (a file pane). It is touched only on the main
// thread, inside the updates that the thread hands to it.
class DirectoryListView {
 public:
  virtual ~DirectoryListView() = default;
  virtual int count() const = 0;
  // Brackets a batch of changes (the view repaints once, at the end).
  virtual void beginUpdate() = 0;
  virtual void endUpdate() = 0;
  // Replaces every item by one item per caption (the view may keep its own order).
  virtual void setItems(const std::vector<std::string>& captions) = 0;
  // The index of the item with this caption, or -1.
  virtual int indexOfCaption(const std::string& caption) const = 0;
  virtual void clearSelection() = 0;
  virtual void select(int index) = 0;
  virtual void scrollTo(int index) = 0;
};

// Runs a task on the main thread and returns when it has run (the GUI uses a
// blocking queued call; a task that can no longer be delivered may be dropped).
using MainThreadInvoker = std::function<void(const std::function<void()>&)>;

// Shows the plain files (no folders, no names beginning with ".") of the folder of
// the current file in a list, selects the current file, and follows changes of the
// folder's file names (created, deleted, moved in or out; not subfolders) through
// inotify. Runs at the lowest priority. A run of SetFile calls is served once after
// a 100 ms quiet period; a burst of changes is served once. An unchanged folder
// with an unchanged file count only moves the selection. After Terminate the thread
// never touches the list or its owner again; it ends at its next check (Wake makes
// a waiting thread check now) and frees its own state. Each update costs one
// listing of the folder.
class TDirectoryThread {
 public:
  TDirectoryThread(DirectoryListView& listView, const std::string& fileName, MainThreadInvoker runOnMainThread);
  // Terminate and Wake; does not wait for the thread.
  ~TDirectoryThread();
  TDirectoryThread(const TDirectoryThread&) = delete;
  TDirectoryThread& operator=(const TDirectoryThread&) = delete;

  // Shows the folder of fileName with that file selected. Main thread only.
  void SetFile(const std::string& fileName);
  // Asks the thread to end. Main thread only.
  void Terminate();
  // Wakes a waiting thread.
  void Wake();

  // What the owner and the thread share; the thread keeps it alive after the owner is gone.
  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace vl
