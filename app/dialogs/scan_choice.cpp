// The compare-mode buttons and the file-type box of the scan dialogs.
#include "app/dialogs/scan_choice.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <QStringList>

#include "app/components/app_settings.h"
#include "app/components/filter_combo_box.h"
#include "core/fingerprint/scan_entry.h"

namespace vl::gui {

QString BuiltInFileFilter() {
  const QString images = QString::fromStdString(ImageFilesMask(CurrentSettings().values().modernImageFormats));
  return QStringList{QT_TRANSLATE_NOOP("vl::gui::FilterComboBox", "Image Files"), images,
                     QT_TRANSLATE_NOOP("vl::gui::FilterComboBox", "Audio Files"), QStringLiteral("*.mid;*.wav;*.mp3"),
                     QT_TRANSLATE_NOOP("vl::gui::FilterComboBox", "Video Files"),
                     QStringLiteral("*.avi;*.mov;*.mpg;*.fli;*.flc"),
                     QT_TRANSLATE_NOOP("vl::gui::FilterComboBox", "All files (*.*)"), QStringLiteral("*.*")}
      .join('|');
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
  static const char* const captions[] = {
      QT_TRANSLATE_NOOP("ScanModeButtons", "Compare &Images"),
      QT_TRANSLATE_NOOP("ScanModeButtons", "Compare Filena&mes"),
      QT_TRANSLATE_NOOP("ScanModeButtons", "Compare Filename and Si&ze"),
      QT_TRANSLATE_NOOP("ScanModeButtons", "Compare File Size and Con&tents")};
  ScanModeButtons buttons{};
  for (size_t i = 0; i < buttons.size(); ++i) {
    buttons[i] = new QRadioButton(QCoreApplication::translate("ScanModeButtons", captions[i]), parent);
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
