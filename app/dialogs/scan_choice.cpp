// The compare-mode buttons and the file-type box of the scan dialogs.
#include "app/dialogs/scan_choice.h"

#include <QRadioButton>

#include "app/components/filter_combo_box.h"
#include "core/fingerprint/scan_entry.h"

namespace vl::gui {

QString BuiltInFileFilter() {
  return "Image Files|" + QString::fromStdString(ImageFilesMask()) +
         "|Audio Files|*.mid;*.wav;*.mp3|Video Files|*.avi;*.mov;*.mpg;*.fli;*.flc|All files (*.*)|*.*";
}

ScanModeButtons MakeScanModeButtons(QWidget* parent) {
  static const char* const names[] = {"rbFuzz", "rbFilename", "rbNameandSize", "rbContents"};
  static const char* const captions[] = {"Compare Images", "Compare Filenames", "Comapre Filename and Size",
                                         "Compare File Size and Contents"};
  ScanModeButtons buttons{};
  for (size_t i = 0; i < buttons.size(); ++i) {
    buttons[i] = new QRadioButton(captions[i], parent);
    buttons[i]->setObjectName(names[i]);
  }
  buttons[0]->setChecked(true);
  return buttons;
}

int CheckedScanMode(const ScanModeButtons& buttons) {
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i]->isChecked()) return static_cast<int>(i);
  return 0;
}

FilterComboBox* MakeFileFilterBox(QWidget* parent) {
  auto* box = new FilterComboBox(parent);
  box->setObjectName("FilterComboBox1");
  box->setFilter(BuiltInFileFilter());
  return box;
}

}  // namespace vl::gui
