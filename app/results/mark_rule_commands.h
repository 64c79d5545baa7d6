// The window's "Mark by Rule..." and "Unmark All" commands.
#pragma once

#include <QObject>
#include <QPointer>

#include <optional>

#include "core/results/mark_rules.h"

class QProgressDialog;
class QWidget;

namespace vl {
class ResultsModel;
}

namespace vl::gui {

class ActionSet;
class JobRunner;
class ResultLists;

// Connects "MarkByRule1" and "UnmarkAll1" of the window's action set. Mark by Rule
// opens the dialog over the stored rule; on "Mark" it stores the rule in the
// settings file, applies it to the results and refreshes the lists; a rule that
// weighs EXIF facts first reads them on a worker thread behind a window-modal
// progress dialog whose Cancel leaves every mark as it was. Unmark All
// clears every mark. Errors are shown through the current DialogProvider. Made
// while there is no settings file, it creates one holding the default rule.
class MarkRuleCommands : public QObject {
  Q_OBJECT
 public:
  MarkRuleCommands(const ActionSet& actions, ResultsModel& results, ResultLists& lists, QWidget* window);
  // Stops a reading job and waits for it before the members it writes go.
  ~MarkRuleCommands() override;

  void markByRule();
  void unmarkAll();

 private:
  void finishReading();
  void apply(const PhotoFactsByPath& facts);

  ResultsModel& results_;
  ResultLists& lists_;
  QWidget* window_;
  JobRunner* runner_;
  QPointer<QProgressDialog> progress_;
  MarkRule rule_;                          // the rule being applied
  std::optional<PhotoFactsByPath> facts_;  // written by the reading job, read once it has finished
};

}  // namespace vl::gui
