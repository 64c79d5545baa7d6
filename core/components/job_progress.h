// What a long operation reports while it runs: its phase, with the text the user reads, and its count.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace vl {

// The steps of a scan and of a database build.
enum class JobPhase {
  Idle,                  // "Ready To Scan"
  DriveInformation,      // "Getting Drive Information."
  LoadingBaseList,       // "Loading Base List."
  LoadingCompareList,    // "Loading Compare List." (the name and content pairings count here too)
  ReadingBaseImages,     // "Reading Base Images"
  ReadingCompareImages,  // "Reading Compare Images"
  ComparingImages,       // "Comparing Images"
  Marking,               // "Marking Duplicates"
  WaitingForLock,        // "Waiting for another program to finish with the database"
  ScanningFiles,         // "Scanning Files"
  ScanningNewFiles,      // "Scanning New Files"
  ScanningDatabase,      // "Scanning Database"
  FresheningRecords,     // "Freshening DB Files"
  AddingNewFiles,        // "Adding New files to DB"
  ReadingImages,         // "Reading Images"
  WritingDatabase,       // "Writing to Database"
  SavingDatabase,        // "Saving Database"
};

// The text of a phase, as the status bar shows it, in the user's language (UserText).
std::string PhaseText(JobPhase phase);

// Where a job is: its phase and item `current` (counted from 1) of `total`; a phase
// without a count has total 0.
struct JobProgress {
  JobPhase phase = JobPhase::Idle;
  size_t current = 0;
  size_t total = 0;

  bool operator==(const JobProgress&) const = default;
};

// "Reading Base Images 12 / 340", or the phase text alone without a count.
std::string ProgressLine(const JobProgress& progress);

// Where a job reports. The job calls it on its own thread, often (every few items):
// an implementation only notes what it is told and returns.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void report(const JobProgress& progress) = 0;
  // A problem the job works around (a fingerprint cache that turned itself off).
  virtual void warning(const std::string& text) { (void)text; }
};

// A sink that drops everything, for callers that show nothing.
class NoProgress : public ProgressSink {
 public:
  void report(const JobProgress&) override {}
};

// An estimate of the time left in a counted phase, from the pace since the phase
// began. O(1) per call.
class TimeLeft {
 public:
  using Clock = std::chrono::steady_clock;

  // Notes a report; a new phase starts the pace afresh.
  void note(const JobProgress& progress, Clock::time_point now = Clock::now());
  // The seconds left, once the phase has run for two seconds and moved on; none before,
  // and none in a phase without a count.
  std::optional<double> seconds(Clock::time_point now = Clock::now()) const;

 private:
  JobPhase phase_ = JobPhase::Idle;
  Clock::time_point start_{};
  size_t startCount_ = 0;
  JobProgress last_;
};

// "about 1:05 left" (minutes and seconds, hours when there are any: "about 1:02:05 left").
std::string TimeLeftText(double seconds);

}  // namespace vl
