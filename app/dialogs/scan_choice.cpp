// The compare-mode buttons and the file-type box of the scan dialogs.
#include "app/dialogs/scan_choice.h"

#include <QRadioButton>
#include <QStringList>

#include "app/components/app_settings.h"
#include "app/components/filter_combo_box.h"
#include "core/fingerprint/scan_entry.h"

namespace vl::gui {

QString BuiltInFileFilter() {
  return "Image Files|" + QString::fromStdString(ImageFilesMask(CurrentSettings().values().modernImageFormats)) +
         "|Audio Files|*.mid;*.wav;*.mp3|Video Files|*.avi;*.mov;*.mpg;*.fli;*.flc|All files (*.*)|*.*";
}

QString FilterFollowingImageSetting(const QString& filter) {
  QStringList fields = filter.split('|');
  const bool modernTypes = CurrentSettings().values().modernImageFormats;
  const QString classic = QString::fromLatin1(ClassicImageMasks.data(), qsizetype(ClassicImageMasks.size()));
  const QString modern = QString::fromLatin1(ModernImageMasks.data(), qsizetype(ModernImageMasks.size()));
  for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
    const QString& mask = fields[i + 1];
    const bool builtIn = mask.compare(classic, Qt::CaseInsensitive) == 0 || mask.compare(modern, Qt::CaseInsensitive) == 0;
    if (fields[i] == QLatin1String("Image Files") && builtIn) fields[i + 1] = QString::fromStdString(ImageFilesMask(modernTypes));
  }
  return fields.join('|');
}

ScanModeButtons MakeScanModeButtons(QWidget* parent) {
  static const char* const names[] = {"rbFuzz", "rbFilename", "rbNameandSize", "rbContents"};
  static const char* const captions[] = {"Compare &Images", "Compare Filena&mes", "Compare Filename and Si&ze",
                                         "Compare File Size and Con&tents"};
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
