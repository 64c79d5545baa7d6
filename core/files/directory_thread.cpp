// A background thread that keeps a list of the files of one folder up to date.
#include "core/files/directory_thread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <mutex>
#include <system_error>
#include <thread>

#include "core/files/dir_listing.h"
#include "core/files/paths.h"

namespace vl {

namespace {

constexpr int QuietPeriodMs = 100;
constexpr uint32_t NameChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

// The folder to show and the file to select in it.
struct Request {
  std::string folder;
  std::string fileName;
};

Request requestOf(const std::string& fileName) { return {AddSlash(FolderOf(fileName)), FileNameOf(fileName)}; }

}  // namespace

// Shared by the owner and the thread, so that it lives as long as either.
struct TDirectoryThread::State {
  DirectoryListView* listView = nullptr;  // main thread only, and only until terminated
  MainThreadInvoker runOnMainThread;
  std::atomic<bool> terminated{false};
  int wakeFd = -1;
  std::mutex requestMutex;
  Request request;          // guarded by requestMutex
  std::string shownFolder;              // main thread only
  std::vector<std::string> shownNames;  // main thread only

  ~State() {
    if (wakeFd >= 0) ::close(wakeFd);
  }

  Request currentRequest() {
    const std::lock_guard<std::mutex> lock(requestMutex);
    return request;
  }
};

namespace {

using State = TDirectoryThread::State;

void drainWake(int wakeFd) {
  uint64_t count = 0;
  while (::read(wakeFd, &count, sizeof count) < 0 && errno == EINTR) {
  }
}

// Waits for fd to become readable; false on a timeout. timeoutMs -1 waits without limit.
bool waitReadable(int fd, int timeoutMs) {
  pollfd item{fd, POLLIN, 0};
  for (;;) {
    const int ready = ::poll(&item, 1, timeoutMs);
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return false;
  }
}

// Keeps draining wake signals until 100 ms pass without one.
void waitForQuiet(State& state) {
  while (!state.terminated && waitReadable(state.wakeFd, QuietPeriodMs)) drainWake(state.wakeFd);
}

// Reads every queued notification, so that a burst is served by one update.
void drainNotifications(int notifyFd) {
  alignas(inotify_event) char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(notifyFd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return;
  }
}

// A non-blocking inotify descriptor watching the folder's file names; -1 when it cannot be watched.
int watchFolder(const std::string& folder) {
  const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) return -1;
  if (folder.empty() || ::inotify_add_watch(fd, folder.c_str(), NameChanges) < 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::vector<std::string> readFileNames(const State& state, const std::string& folder) {
  std::vector<std::string> names;
  for (const DirItem& item : ListDirectory(folder, [&] { return state.terminated.load(); })) {
    if (!item.isDirectory && !item.isHidden) names.push_back(item.name);
  }
  return names;
}

void selectRemembered(DirectoryListView& list, int remembered) {
  if (list.count() == 0) return;
  list.select(remembered >= 0 ? remembered : 0);
  if (remembered >= 0) list.scrollTo(remembered);
}

// The list-view update, on the main thread. The same folder with the same names
// only moves the selection; anything else (a rename included) rebuilds the list.
void updateList(State& state, const Request& request, const std::vector<std::string>& names) {
  DirectoryListView& list = *state.listView;
  const bool unchanged = request.folder == state.shownFolder && names == state.shownNames;
  list.beginUpdate();
  if (unchanged) {
    list.clearSelection();
  } else {
    list.setItems(names);
  }
  const int remembered = list.indexOfCaption(request.fileName);
  list.endUpdate();
  selectRemembered(list, remembered);
  if (unchanged) return;
  state.shownFolder = request.folder;
  state.shownNames = names;
}

void showFolder(State& state, const Request& request) {
  const std::vector<std::string> names = readFileNames(state, request.folder);
  if (state.terminated) return;
  state.runOnMainThread([&] {
    if (!state.terminated) updateList(state, request, names);
  });
}

// Serves change notifications until a wake signal (or termination) ends the wait.
void followChanges(State& state, const Request& request, int notifyFd) {
  pollfd items[2] = {{state.wakeFd, POLLIN, 0}, {notifyFd, POLLIN, 0}};
  while (!state.terminated) {
    if (::poll(items, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (items[0].revents != 0) {
      drainWake(state.wakeFd);
      waitForQuiet(state);
      return;
    }
    drainNotifications(notifyFd);
    if (!state.terminated) showFolder(state, request);
  }
}

void setLowestPriority() { ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19); }

void run(std::shared_ptr<State> state) {
  setLowestPriority();
  while (!state->terminated) {
    const Request request = state->currentRequest();
    // Watching before reading means no change made after the read goes unseen.
    const int notifyFd = watchFolder(request.folder);
    showFolder(*state, request);
    if (notifyFd < 0) {
      if (!state->terminated) waitReadable(state->wakeFd, -1);
      drainWake(state->wakeFd);
      continue;
    }
    followChanges(*state, request, notifyFd);
    ::close(notifyFd);
  }
}

}  // namespace

TDirectoryThread::TDirectoryThread(DirectoryListView& listView, const std::string& fileName,
                                   MainThreadInvoker runOnMainThread)
    : state_(std::make_shared<State>()) {
  state_->listView = &listView;
  state_->runOnMainThread = std::move(runOnMainThread);
  state_->request = requestOf(fileName);
  state_->wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (state_->wakeFd < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
  std::thread(run, state_).detach();
}

TDirectoryThread::~TDirectoryThread() {
  Terminate();
  Wake();
}

void TDirectoryThread::SetFile(const std::string& fileName) {
  {
    const std::lock_guard<std::mutex> lock(state_->requestMutex);
    state_->request = requestOf(fileName);
  }
  Wake();
}

void TDirectoryThread::Terminate() { state_->terminated = true; }

void TDirectoryThread::Wake() {
  const uint64_t one = 1;
  while (::write(state_->wakeFd, &one, sizeof one) < 0 && errno == EINTR) {
  }
}

}  // namespace vl
