// Which list command a key stands for, and where a move lands in a list.
#include "app/results/key_navigation.h"

#include <Qt>

namespace vl::gui {

ListKeyCommand ListKeyCommandFor(int key, bool navigateWithArrows) {
  if (key == Qt::Key_Space) return ListKeyCommand::ToggleMark;
  const int previousLine = navigateWithArrows ? Qt::Key_Up : Qt::Key_PageUp;
  const int nextLine = navigateWithArrows ? Qt::Key_Down : Qt::Key_PageDown;
  const int previousGroup = navigateWithArrows ? Qt::Key_Left : Qt::Key_Home;
  const int nextGroup = navigateWithArrows ? Qt::Key_Right : Qt::Key_End;
  if (key == previousLine) return ListKeyCommand::PreviousLine;
  if (key == nextLine) return ListKeyCommand::NextLine;
  if (key == previousGroup) return ListKeyCommand::PreviousGroup;
  if (key == nextGroup) return ListKeyCommand::NextGroup;
  return ListKeyCommand::None;
}

int MovedRow(int current, int delta, int count) {
  if (count <= 0) return -1;
  const int target = current < 0 && delta > 0 ? 0 : current + delta;
  return target >= 0 && target < count ? target : -1;
}

}  // namespace vl::gui
