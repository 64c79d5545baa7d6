// Phase texts, progress lines and the estimate of the time left.
#include "core/components/job_progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vl {

const char* PhaseText(JobPhase phase) {
  switch (phase) {
    case JobPhase::Idle: return "Ready To Scan";
    case JobPhase::DriveInformation: return "Getting Drive Information.";
    case JobPhase::LoadingBaseList: return "Loading Base List.";
    case JobPhase::LoadingCompareList: return "Loading Compare List.";
    case JobPhase::ReadingBaseImages: return "Reading Base Images";
    case JobPhase::ReadingCompareImages: return "Reading Compare Images";
    case JobPhase::ComparingImages: return "Comparing Images";
    case JobPhase::Marking: return "Marking Duplicates";
    case JobPhase::WaitingForLock: return "Waiting for another program to finish with the database";
    case JobPhase::ScanningFiles: return "Scanning Files";
    case JobPhase::ScanningNewFiles: return "Scanning New Files";
    case JobPhase::ScanningDatabase: return "Scanning Database";
    case JobPhase::FresheningRecords: return "Freshening DB Files";
    case JobPhase::AddingNewFiles: return "Adding New files to DB";
    case JobPhase::ReadingImages: return "Reading Images";
    case JobPhase::WritingDatabase: return "Writing to Database";
    case JobPhase::SavingDatabase: return "Saving Database";
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
  char text[48];
  if (whole >= 3600)
    std::snprintf(text, sizeof text, "about %ld:%02ld:%02ld left", whole / 3600, whole / 60 % 60, whole % 60);
  else
    std::snprintf(text, sizeof text, "about %ld:%02ld left", whole / 60, whole % 60);
  return text;
}

}  // namespace vl
