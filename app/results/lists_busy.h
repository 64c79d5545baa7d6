// The process-wide ListsBusy flag: list handlers and file commands do nothing while it is set.
#pragma once

namespace vl::gui {

// Set while the main window is created or closes, while a result list is rebuilt,
// while a group is removed and while a preview loads.
extern bool ListsBusy;

// Sets ListsBusy for its lifetime and then restores the previous state, so that
// nested rebuilds keep the flag until the outermost one ends.
class ListsBusyGuard {
 public:
  ListsBusyGuard() : saved_(ListsBusy) { ListsBusy = true; }
  ~ListsBusyGuard() { ListsBusy = saved_; }
  ListsBusyGuard(const ListsBusyGuard&) = delete;
  ListsBusyGuard& operator=(const ListsBusyGuard&) = delete;

 private:
  bool saved_;
};

}  // namespace vl::gui
