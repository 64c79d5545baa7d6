// The "Scan Options" dialog: the compare mode and the file type of a scan.
#pragma once

#include <QDialog>

#include <memory>
#include <string>

#include "app/dialogs/scan_choice.h"

namespace vl::gui {

class FormPropertyStore;

// Four mode buttons, the file-type box, "Start Scan" (Accepted) and "Cancel". The
// buttons and the filter text are kept in section "TfScanOptions" (with position
// and state); the "Image Files" mask of a stored filter follows the setting "Also
// compare newer picture types", and the first file type is
// selected whenever the dialog opens.
class ScanOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ScanOptionsDialog(QWidget* parent = nullptr);
  ~ScanOptionsDialog() override;

  // 0 images, 1 names, 2 names and size, 3 size and contents.
  int scanMode() const;
  // The mask of the chosen file type.
  std::string mask() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ScanModeButtons modeButtons_{};
  FilterComboBox* filterBox_ = nullptr;
  std::unique_ptr<FormPropertyStore> store_;
};

}  // namespace vl::gui
