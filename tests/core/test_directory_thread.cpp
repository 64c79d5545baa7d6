// The folder thread against a real temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <future>
#include <mutex>
#include <tuple>

#include "core/files/directory_thread.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

// Updates handed to the "main thread": the test thread takes them one by one while the
// folder thread waits for each to be run.
class UpdateQueue {
 public:
  using Pending = std::packaged_task<void()>;

  // Called on the folder thread; returns when the test has run the task.
  void invoke(const std::function<void()>& task) {
    Pending pending(task);
    const std::future<void> finished = pending.get_future();
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      queue_.push_back(std::move(pending));
    }
    ready_.notify_all();
    finished.wait();
  }

  // The next update, without running it.
  Pending take() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!ready_.wait_for(lock, std::chrono::seconds(20), [&] { return !queue_.empty(); }))
      throw std::runtime_error("the folder thread sent no update");
    Pending next = std::move(queue_.front());
    queue_.pop_front();
    return next;
  }

  void runNext() { take()(); }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Pending> queue_;
};

// A list that records what the updates did to it.
class RecordingList : public DirectoryListView {
 public:
  int count() const override { return static_cast<int>(items.size()); }
  void beginUpdate() override { ++depth; }
  void endUpdate() override { --depth; }
  void setItems(const std::vector<std::string>& captions) override {
    items = captions;
    ++rebuilds;
  }
  int indexOfCaption(const std::string& caption) const override {
    const auto it = std::find(items.begin(), items.end(), caption);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
  }
  void clearSelection() override { selected = -1; }
  void select(int index) override { selected = index; }
  void scrollTo(int index) override { scrolled = index; }

  std::vector<std::string> items;
  int rebuilds = 0;
  int depth = 0;
  int selected = -1;
  int scrolled = -1;
};

// Signals when the folder thread has let go of everything it shared with the test.
struct ReleaseSignal {
  std::promise<void> released;
  ~ReleaseSignal() { released.set_value(); }
};

class DirectoryThreadTest : public ::testing::Test {
 protected:
  MainThreadInvoker invoker() {
    return [queue = queue, signal = signal](const std::function<void()>& task) { queue->invoke(task); };
  }

  test::TempDir dir;
  std::shared_ptr<UpdateQueue> queue = std::make_shared<UpdateQueue>();
  std::shared_ptr<ReleaseSignal> signal = std::make_shared<ReleaseSignal>();
  RecordingList list;
};

}  // namespace

// Without the current file the first item is selected; SetFile in the same folder only
// moves the selection, in another folder it shows that folder.
TEST_F(DirectoryThreadTest, ShowsThePlainFilesFollowsChangesAndSetFile) {
  for (const char* name : {"c.jpg", "a.jpg", "b.jpg", ".hidden", "two/x.jpg", "two/y.jpg"}) dir.write(name, "x");
  TDirectoryThread thread(list, dir.file("missing.jpg"), invoker());
  queue->runNext();
  EXPECT_EQ(list.items, (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(std::pair(list.selected, list.scrolled), std::pair(0, -1));
  dir.write("new.jpg", "y");
  queue->runNext();
  EXPECT_EQ(list.items, (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg", "new.jpg"}));
  // A rename keeps the count: the list still takes the new name.
  std::rename(dir.file("new.jpg").c_str(), dir.file("renamed.jpg").c_str());
  queue->runNext();
  EXPECT_EQ(list.items, (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg", "renamed.jpg"}));

  const int rebuilds = list.rebuilds;
  thread.SetFile(dir.file("b.jpg"));
  queue->runNext();
  EXPECT_EQ(std::tuple(list.rebuilds, list.selected, list.scrolled), std::tuple(rebuilds, 1, 1));
  thread.SetFile(dir.file("two/y.jpg"));
  queue->runNext();
  EXPECT_EQ(list.items, (std::vector<std::string>{"x.jpg", "y.jpg"}));
  EXPECT_EQ(std::pair(list.selected, list.depth), std::pair(1, 0));
}

TEST_F(DirectoryThreadTest, ABurstOfChangesIsServedOnce) {
  TDirectoryThread thread(list, dir.file("a.jpg"), invoker());
  queue->runNext();
  dir.write("first.jpg", "x");
  // Hold the update of the first change while a burst arrives behind it.
  UpdateQueue::Pending held = queue->take();
  for (int i = 0; i < 40; ++i) dir.write("burst" + std::to_string(i) + ".jpg", "x");
  for (int i = 0; i < 10; ++i) std::remove(dir.file("burst" + std::to_string(i) + ".jpg").c_str());
  held();
  queue->runNext();
  EXPECT_EQ(list.count(), 31);
  dir.write("last.jpg", "x");
  queue->runNext();
  EXPECT_EQ(list.count(), 32) << "the update after the burst must be the one for the next change";
  EXPECT_GE(list.indexOfCaption("last.jpg"), 0);
}

TEST_F(DirectoryThreadTest, AFolderThatCannotBeWatchedIsShownOnceThenWaitsForSetFile) {
  dir.write("later/z.jpg", "x");
  TDirectoryThread thread(list, dir.file("gone/a.jpg"), invoker());
  queue->runNext();
  EXPECT_EQ(std::pair(list.count(), list.selected), std::pair(0, -1));
  thread.SetFile(dir.file("later/z.jpg"));
  queue->runNext();
  EXPECT_EQ(list.items, std::vector<std::string>{"z.jpg"});
}

TEST_F(DirectoryThreadTest, TerminateWhileWaitingEndsTheThreadWithoutTouchingTheList) {
  std::future<void> released = signal->released.get_future();
  auto owned = std::make_unique<RecordingList>();
  {
    TDirectoryThread thread(*owned, dir.file("a.jpg"), invoker());
    queue->runNext();
    dir.write("b.jpg", "x");
    UpdateQueue::Pending held = queue->take();
    thread.Terminate();
    thread.Wake();
    held();  // reaches the list only if the thread ignored Terminate
    EXPECT_EQ(owned->count(), 0);
  }
  owned.reset();
  signal.reset();
  EXPECT_EQ(released.wait_for(std::chrono::seconds(20)), std::future_status::ready);
}

}  // namespace vl
