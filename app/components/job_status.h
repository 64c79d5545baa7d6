// A running job in a window's status bar: its phase, its count, a progress bar and the time left.
#pragma once

#include <QObject>
#include <QString>

#include "core/components/job_progress.h"

class QLabel;
class QProgressBar;

namespace vl::gui {

// Writes a job's reports into the panels a window hands it: the phase text and the
// count ("12 / 340") into two labels, and into the progress bar the share done and
// an estimate of the time left ("about 1:05 left"); a phase without a count moves
// the bar as a busy indicator. The bar is shown only while a job runs.
class JobStatus : public QObject {
  Q_OBJECT
 public:
  JobStatus(QLabel* phasePanel, QLabel* countPanel, QProgressBar* bar, QObject* parent);

  void begin();
  void show(const JobProgress& progress);
  // Hides the bar; the phase panel shows `idleText` and the count panel nothing.
  void end(const QString& idleText);

 private:
  QLabel* phasePanel_;
  QLabel* countPanel_;
  QProgressBar* bar_;
  TimeLeft timeLeft_;
};

}  // namespace vl::gui
