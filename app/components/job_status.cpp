// Showing a running job's phase, count and time left in a status bar.
#include "app/components/job_status.h"

#include <QLabel>
#include <QProgressBar>

#include "core/host.h"

namespace vl::gui {

namespace {

// The bar's range holds an int: large counts are scaled down together.
int barValue(size_t value, size_t total) {
  constexpr size_t Limit = 1u << 30;
  return int(total <= Limit ? value : value / (total / Limit + 1));
}

}  // namespace

JobStatus::JobStatus(QLabel* phasePanel, QLabel* countPanel, QProgressBar* bar, QObject* parent)
    : QObject(parent), phasePanel_(phasePanel), countPanel_(countPanel), bar_(bar) {
  bar_->setTextVisible(true);
  bar_->hide();
}

void JobStatus::begin() {
  timeLeft_ = TimeLeft();
  bar_->setRange(0, 0);
  bar_->setFormat(QString());
  bar_->show();
}

void JobStatus::show(const JobProgress& progress) {
  timeLeft_.note(progress);
  phasePanel_->setText(QString::fromStdString(PhaseText(progress.phase)));
  if (progress.total == 0) {
    countPanel_->clear();
    bar_->setRange(0, 0);
    bar_->setFormat(QString());
    return;
  }
  countPanel_->setText(QString::fromStdString(ProgressText(progress.current, progress.total)));
  bar_->setRange(0, barValue(progress.total, progress.total));
  bar_->setValue(barValue(std::min(progress.current, progress.total), progress.total));
  const auto seconds = timeLeft_.seconds();
  bar_->setFormat(seconds ? QStringLiteral("%p%  ") + QString::fromStdString(TimeLeftText(*seconds))
                          : QStringLiteral("%p%"));
}

void JobStatus::end(const QString& idleText) {
  bar_->hide();
  phasePanel_->setText(idleText);
  countPanel_->clear();
}

}  // namespace vl::gui
