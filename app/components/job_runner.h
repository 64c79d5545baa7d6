// Runs a long core job on a worker thread while the window stays usable.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/components/cancel_token.h"
#include "core/components/job_progress.h"

namespace vl::gui {

// One job at a time on a thread of its own. What it reports is noted under a lock
// and handed to the window's thread ten times a second (progressed, warned), so the
// job never waits for the window; `finished` follows on the window's thread once
// the job has returned, and the thread is joined by then. cancel() sets the job's
// token. Destroying the runner while a job runs cancels it and waits for it.
class JobRunner : public QObject {
  Q_OBJECT
 public:
  using Job = std::function<void(const CancelToken& cancel, ProgressSink& sink)>;

  explicit JobRunner(QObject* parent = nullptr);
  ~JobRunner() override;

  bool running() const { return worker_.joinable(); }
  // Starts `job`; false (and nothing started) while another one runs.
  bool start(Job job);
  void cancel();
  bool cancelled() const { return token_ && token_->cancelled(); }

 signals:
  void progressed(const vl::JobProgress& progress);
  void warned(const QString& text);
  void finished();

 private:
  class Sink;
  void deliver();
  void end();

  std::unique_ptr<CancelToken> token_;
  std::unique_ptr<Sink> sink_;
  std::thread worker_;
  QTimer poll_;
};

}  // namespace vl::gui
