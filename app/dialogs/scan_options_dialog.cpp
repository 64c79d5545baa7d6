// Building the scan-options dialog.
#include "app/dialogs/scan_options_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/components/help.h"
#include "app/components/filter_combo_box.h"
#include "app/components/widget_helpers.h"
#include "app/components/form_property_store.h"

namespace vl::gui {
namespace {

const QStringList StoredProperties = {"rbContents.Checked", "rbFilename.Checked", "rbFuzz.Checked",
                                      "rbNameandSize.Checked", "FilterComboBox1.Filter"};

constexpr int ClientWidth = 222;
constexpr int ClientHeight = 157;

}  // namespace

ScanOptionsDialog::ScanOptionsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("fScanOptions");
  setWindowTitle(tr("Scan Options"));
  SetHelpContext(this, HelpFileManagementMenu);
  modeButtons_ = MakeScanModeButtons(this);
  const QString hints[] = {tr("Fuzz Compare."), tr("Look for Matching Filenames."),
                           tr("Look for Matching Filenames, and Filesize."), tr("Compare contents of files.")};
  auto* layout = new QVBoxLayout(this);
  for (size_t i = 0; i < modeButtons_.size(); ++i) {
    SetHint(modeButtons_[i], hints[i]);
    layout->addWidget(modeButtons_[i]);
  }
  filterBox_ = MakeFileFilterBox(this);
  layout->addWidget(filterBox_);

  auto* start = new QPushButton(tr("&Start Scan"), this);
  start->setObjectName("bbStartScan");
  start->setDefault(true);
  auto* cancel = new QPushButton(tr("&Cancel"), this);
  cancel->setObjectName("bbCancel");
  connect(start, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(start);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  FixDialogSize(this, ClientWidth, ClientHeight);
  store_ = std::make_unique<FormPropertyStore>(this, "TfScanOptions", true, StoredProperties);
}

ScanOptionsDialog::~ScanOptionsDialog() = default;

int ScanOptionsDialog::scanMode() const { return CheckedScanMode(modeButtons_); }

std::string ScanOptionsDialog::mask() const { return filterBox_->mask(); }

void ScanOptionsDialog::showEvent(QShowEvent* event) {
  filterBox_->setFilter(FilterFollowingImageSetting(filterBox_->filter()));
  QDialog::showEvent(event);
}

}  // namespace vl::gui
