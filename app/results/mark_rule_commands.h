// The window's "Mark by Rule..." and "Unmark All" commands.
#pragma once

#include <QObject>

class QWidget;

namespace vl {
class ResultsModel;
}

namespace vl::gui {

class ActionSet;
class ResultLists;

// Connects "MarkByRule1" and "UnmarkAll1" of the window's action set. Mark by Rule
// opens the dialog over the stored rule; on "Mark" it stores the rule in the
// settings file, applies it to the results and refreshes the lists. Unmark All
// clears every mark. Errors are shown through the current DialogProvider. Made
// while there is no settings file, it creates one holding the default rule.
class MarkRuleCommands : public QObject {
  Q_OBJECT
 public:
  MarkRuleCommands(const ActionSet& actions, ResultsModel& results, ResultLists& lists, QWidget* window);

  void markByRule();
  void unmarkAll();

 private:
  ResultsModel& results_;
  ResultLists& lists_;
  QWidget* window_;
};

}  // namespace vl::gui
