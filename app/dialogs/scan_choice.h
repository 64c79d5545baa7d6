// What the scan-options dialog and the scan wizard share: the compare modes' buttons and the file filter.
#pragma once

#include <QString>

#include <array>

class QRadioButton;
class QWidget;

namespace vl::gui {

class FilterComboBox;

// The built-in filter text of the file-type box; its "Image Files" mask follows the
// setting "Also compare newer picture types".
QString BuiltInFileFilter();
// The filter text with the mask of its "Image Files" entry set to ImageFilesMask(setting)
// when that mask is one of the built-in picture masks (classic or with the newer
// types), so that a stored filter follows the setting; a mask typed by hand stays.
QString FilterFollowingImageSetting(const QString& filter);

// The four mode buttons in mode order: rbFuzz (0), rbFilename (1), rbNameandSize (2),
// rbContents (3).
using ScanModeButtons = std::array<QRadioButton*, 4>;

// Creates the four buttons with their object names and captions, "Compare Images" checked.
ScanModeButtons MakeScanModeButtons(QWidget* parent);
// The mode of the first checked button, 0 when none is checked.
int CheckedScanMode(const ScanModeButtons& buttons);
// The file-type box "FilterComboBox1" holding the built-in filter, first entry selected.
FilterComboBox* MakeFileFilterBox(QWidget* parent);

}  // namespace vl::gui
