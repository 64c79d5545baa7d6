// The worker thread of a core job, and the hand-over of its reports to the window's thread.
#include "app/components/job_runner.h"

#include <QMetaObject>

namespace vl::gui {

namespace {

constexpr int DeliverEveryMs = 100;

}  // namespace

// What the job reported since the window's thread last looked. Thread-safe.
class JobRunner::Sink : public ProgressSink {
 public:
  void report(const JobProgress& progress) override {
    std::lock_guard lock(mutex_);
    latest_ = progress;
    fresh_ = true;
  }
  void warning(const std::string& text) override {
    std::lock_guard lock(mutex_);
    warnings_.push_back(text);
  }
  // The latest progress when it is new, and the warnings since the last call.
  bool take(JobProgress& latest, std::vector<std::string>& warnings) {
    std::lock_guard lock(mutex_);
    warnings.swap(warnings_);
    latest = latest_;
    const bool fresh = fresh_;
    fresh_ = false;
    return fresh;
  }

 private:
  std::mutex mutex_;
  JobProgress latest_;
  bool fresh_ = false;
  std::vector<std::string> warnings_;
};

JobRunner::JobRunner(QObject* parent) : QObject(parent) {
  poll_.setInterval(DeliverEveryMs);
  connect(&poll_, &QTimer::timeout, this, &JobRunner::deliver);
}

JobRunner::~JobRunner() {
  if (!worker_.joinable()) return;
  token_->cancel();
  worker_.join();
}

bool JobRunner::start(Job job) {
  if (running()) return false;
  token_ = std::make_unique<CancelToken>();
  sink_ = std::make_unique<Sink>();
  worker_ = std::thread([this, job = std::move(job)] {
    job(*token_, *sink_);
    QMetaObject::invokeMethod(this, &JobRunner::end, Qt::QueuedConnection);
  });
  poll_.start();
  return true;
}

void JobRunner::cancel() {
  if (running()) token_->cancel();
}

void JobRunner::deliver() {
  JobProgress latest;
  std::vector<std::string> warnings;
  const bool fresh = sink_->take(latest, warnings);
  for (const std::string& text : warnings) emit warned(QString::fromStdString(text));
  if (fresh) emit progressed(latest);
}

void JobRunner::end() {
  worker_.join();
  poll_.stop();
  deliver();
  emit finished();
}

}  // namespace vl::gui
