// Phase texts, progress lines and the estimate of the time left.
#include "core/components/job_progress.h"

#include "core/components/user_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vl {

std::string PhaseText(JobPhase phase) {
  switch (phase) {
    case JobPhase::Idle: return UserText("vl::core", "Ready To Scan");
    case JobPhase::DriveInformation: return UserText("vl::core", "Getting Drive Information.");
    case JobPhase::LoadingBaseList: return UserText("vl::core", "Loading Base List.");
    case JobPhase::LoadingCompareList: return UserText("vl::core", "Loading Compare List.");
    case JobPhase::ReadingBaseImages: return UserText("vl::core", "Reading Base Images");
    case JobPhase::ReadingCompareImages: return UserText("vl::core", "Reading Compare Images");
    case JobPhase::ComparingImages: return UserText("vl::core", "Comparing Images");
    case JobPhase::Marking: return UserText("vl::core", "Marking Duplicates");
    case JobPhase::WaitingForLock: return UserText("vl::core", "Waiting for another program to finish with the database");
    case JobPhase::ScanningFiles: return UserText("vl::core", "Scanning Files");
    case JobPhase::ScanningNewFiles: return UserText("vl::core", "Scanning New Files");
    case JobPhase::ScanningDatabase: return UserText("vl::core", "Scanning Database");
    case JobPhase::FresheningRecords: return UserText("vl::core", "Freshening DB Files");
    case JobPhase::AddingNewFiles: return UserText("vl::core", "Adding New files to DB");
    case JobPhase::ReadingImages: return UserText("vl::core", "Reading Images");
    case JobPhase::WritingDatabase: return UserText("vl::core", "Writing to Database");
    case JobPhase::SavingDatabase: return UserText("vl::core", "Saving Database");
  }
  return "";
}

std::string ProgressLine(const JobProgress& progress) {
  std::string line = PhaseText(progress.phase);
  if (progress.total > 0) line += " " + std::to_string(progress.current) + " / " + std::to_string(progress.total);
  return line;
}

void TimeLeft::note(const JobProgress& progress, Clock::time_point now) {
  if (progress.phase != phase_ || progress.current < last_.current) {
    phase_ = progress.phase;
    start_ = now;
    startCount_ = progress.current;
  }
  last_ = progress;
}

std::optional<double> TimeLeft::seconds(Clock::time_point now) const {
  const double elapsed = std::chrono::duration<double>(now - start_).count();
  if (last_.total == 0 || elapsed < 2 || last_.current <= startCount_) return std::nullopt;
  const double pace = double(last_.current - startCount_) / elapsed;
  return double(last_.total - std::min(last_.total, last_.current)) / pace;
}

std::string TimeLeftText(double seconds) {
  const long whole = std::lround(std::max(0.0, seconds));
  char clock[40];
  if (whole >= 3600)
    std::snprintf(clock, sizeof clock, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
  else
    std::snprintf(clock, sizeof clock, "%ld:%02ld", whole / 60, whole % 60);
  return FormatText(UserText("vl::core", "about %1 left"), {clock});
}

}  // namespace vl
