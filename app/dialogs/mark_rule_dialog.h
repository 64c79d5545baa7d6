// The "Mark by Rule" dialog: the ordered keep criteria, the protected folders and when and among what it applies.
#pragma once

#include <QDialog>

#include "core/results/mark_rules.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace vl::gui {

// Shows a rule for editing. The criteria are a list of check boxes in the order
// they are tried ("Move Up" and "Move Down" reorder them); "Inside folder" takes
// the folder of its line. Folders are chosen through the current DialogProvider.
// "Mark" accepts, "Cancel" rejects; rule() gives what the controls hold.
class MarkRuleDialog : public QDialog {
  Q_OBJECT

 public:
  explicit MarkRuleDialog(const MarkRule& rule, QWidget* parent = nullptr);

  MarkRule rule() const;

 private:
  QWidget* createCriteria(const MarkRule& rule);
  QWidget* createProtected(const MarkRule& rule);
  void fillCriteria(const MarkRule& rule);
  void moveCurrent(int by);
  void chooseInsideFolder();
  void addProtected();

  QListWidget* criteria_ = nullptr;
  QLineEdit* insideFolder_ = nullptr;
  QListWidget* protected_ = nullptr;
  QCheckBox* applyAfterScan_ = nullptr;
  QCheckBox* amongMarked_ = nullptr;
};

}  // namespace vl::gui
