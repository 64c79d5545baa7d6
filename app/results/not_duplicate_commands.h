// The commands that dismiss a duplicate line for good and forget every dismissal.
#pragma once

#include <QObject>
#include <QWidget>

namespace vl::gui {

class ActionSet;
class ResultLists;

// "Not a Duplicate" (NotADuplicate1) remembers the selected duplicate and its base
// as a pair that is not duplicates, in the notdupes file beside the settings, and
// takes the line out of its group; image scans never pair the two again. It reads
// both pictures to fingerprint them (one decode each). "Forget Not-Duplicates"
// (ForgetNotDuplicates1) empties the list after a confirmation. Failures are shown
// in error boxes naming the file; nothing changes then.
class NotDuplicateCommands : public QObject {
  Q_OBJECT
 public:
  NotDuplicateCommands(ResultLists& lists, const ActionSet& actions, QWidget* window);

  void dismissSelected();
  void forgetAll();

 private:
  ResultLists& lists_;
  QWidget* window_;
};

}  // namespace vl::gui
