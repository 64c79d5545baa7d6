// Building the configure dialog and copying its controls into the program's settings.
#include "app/dialogs/configure_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/components/help.h"
#include "app/components/matching_choice.h"
#include "app/components/widget_helpers.h"
#include "app/components/form_property_store.h"
#include "app/components/app_settings.h"

namespace vl::gui {
namespace {

const QStringList StoredProperties = {
    "cmIgnoreNumbers.Checked", "mIgnoreFilenames.Lines", "rxerrors.Value",   "useignorelist.Checked",
    "cbBeep.Checked",          "cbConfirmDelete.Checked", "cbRecycle.Checked", "cbNavArrows.Checked",
    "eMarkErrors.Text",        "eMarkHeight.Text",       "eMarkSize.Text",    "eMarkWidth.Text",
    "cbAutoMarkDelete.Checked", "cbCheckabDrives.Checked", "cbUseDeletedList.Checked",
    "cbVerifyMatches.Checked", "cbMatchRotations.Checked", "cbModernImageFormats.Checked"};

const char* const PatternHelp = QT_TRANSLATE_NOOP(
    "vl::gui::ConfigureDialog",
    "* = match any substring (including null)\n"
    "? = match any single character\n"
    "# = match any numeric character (0..9)\n"
    "@ = match any alpha character (A..Z, a..z)\n"
    "else = match given character");

constexpr int ClientWidth = 467;
constexpr int ClientHeight = 293;

}  // namespace

ConfigureDialog::ConfigureDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("fconfigure");
  setWindowTitle(tr("Configure"));
  SetHelpContext(this, HelpConfigureDialog);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  pages_->setTabPosition(QTabWidget::South);
  // The file-name page keeps its stored values but stays hidden: none of its controls acts.
  pages_->addTab(makeFilenamePage(), tr("Filename Compare"));
  pages_->setTabVisible(0, false);
  pages_->addTab(makeImagePage(), tr("&Image Compare"));
  pages_->addTab(makeGeneralPage(), tr("&General"));
  pages_->setCurrentIndex(1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName("bbDone");
  buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(buttons);

  FixDialogSize(this, ClientWidth, ClientHeight);
  store_ = std::make_unique<FormPropertyStore>(this, "Tfconfigure", false, StoredProperties);
}

ConfigureDialog::~ConfigureDialog() = default;

QWidget* ConfigureDialog::makeFilenamePage() {
  auto* page = new QWidget;
  page->setObjectName("tsFilenameCompare");
  ignoreFilenames_ = new QPlainTextEdit(page);
  ignoreFilenames_->setObjectName("mIgnoreFilenames");
  ignoreFilenames_->setEnabled(false);
  QCheckBox* ignoreNumbers = makeCheckBox("cmIgnoreNumbers", tr("Ignore Numeric Filenames"), true);
  QCheckBox* useIgnoreList = makeCheckBox("useignorelist", tr("Use Ignore List"), false);
  ignoreNumbers->setEnabled(false);
  useIgnoreList->setEnabled(false);
  auto* help = new QLabel(tr(PatternHelp), page);
  help->setObjectName("lPatternHelp");

  auto* right = new QVBoxLayout;
  right->addWidget(ignoreNumbers);
  right->addWidget(useIgnoreList);
  right->addSpacing(8);
  right->addWidget(help);
  right->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(tr("Ignore filenames containing..."), page));
  left->addWidget(ignoreFilenames_);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left, 1);
  layout->addLayout(right);
  return page;
}

QWidget* ConfigureDialog::makeImagePage() {
  auto* page = new QWidget;
  page->setObjectName("tsImageCompare");
  fuzzFactor_ = new QSpinBox(page);
  fuzzFactor_->setObjectName("rxerrors");
  fuzzFactor_->setRange(5, 100);
  fuzzFactor_->setSingleStep(5);
  fuzzFactor_->setValue(30);
  autoMarkDelete_ = makeCheckBox("cbAutoMarkDelete", tr("&Auto Mark Delete"), true);
  markErrors_ = makeMarkBox("eMarkErrors", "0");
  markWidth_ = makeMarkBox("eMarkWidth", "0");
  markHeight_ = makeMarkBox("eMarkHeight", "0");
  markSize_ = makeMarkBox("eMarkSize", "5");
  connect(autoMarkDelete_, &QCheckBox::toggled, this, &ConfigureDialog::enableMarkBoxes);

  auto* fuzzLabel = new QLabel(tr("&Fuzz Factor:"), page);
  fuzzLabel->setBuddy(fuzzFactor_);
  auto* fuzzRow = new QHBoxLayout;
  fuzzRow->addWidget(fuzzLabel);
  fuzzRow->addWidget(fuzzFactor_);
  fuzzRow->addStretch();
  auto* rule = new QGridLayout;
  const std::pair<QString, QLineEdit*> rows[] = {{tr("If errors are"), markErrors_},
                                                  {tr("and width is within"), markWidth_},
                                                  {tr("and height is within"), markHeight_},
                                                  {tr("and filesize is within"), markSize_}};
  int row = 0;
  for (const auto& [caption, box] : rows) {
    rule->addWidget(new QLabel(caption, page), row, 0);
    rule->addWidget(box, row++, 1);
  }
  rule->addWidget(new QLabel(tr("then mark for delete."), page), row, 0);
  rule->setColumnStretch(2, 1);

  // A store's restore leaves a missing key alone: a settings file from before the
  // choice keeps the setting it was read with.
  matching_ = new MatchingChoice(CurrentSettings().values().verifyMatches, page);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(matching_);
  layout->addLayout(fuzzRow);
  layout->addWidget(new QLabel(tr("The Lower the Fuzz Factor, the more accurate the search."), page));
  layout->addSpacing(8);
  layout->addWidget(autoMarkDelete_);
  layout->addLayout(rule);
  modernFormats_ = makeCheckBox(
      "cbModernImageFormats",
      tr("Also compare &newer picture types (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, camera raw)"), true);
  layout->addWidget(modernFormats_);
  layout->addStretch();
  return page;
}

QWidget* ConfigureDialog::makeGeneralPage() {
  auto* page = new QWidget;
  page->setObjectName("tsGeneral");
  confirmDelete_ = makeCheckBox("cbConfirmDelete", tr("Con&firm File Deletes"), true);
  recycle_ = makeCheckBox("cbRecycle", tr("&Move Deleted Files to the Trash"), true);
  beep_ = makeCheckBox("cbBeep", tr("&Beep on Delete"), true);
  navArrows_ = makeCheckBox("cbNavArrows", tr("&Navigate with Arrows / Page Keys"), true);
  checkABDrives_ = makeCheckBox("cbCheckabDrives", tr("Check A / B Drives."), false);
  useDeletedList_ = makeCheckBox("cbUseDeletedList", tr("Use &Deleted List"), true);
  matchRotations_ = makeCheckBox("cbMatchRotations", tr("Also find &rotated and mirrored copies"), false);
  auto* layout = new QVBoxLayout(page);
  // No floppy-drive choice is offered: the setting keeps its stored value, without a control.
  checkABDrives_->hide();
  for (QCheckBox* box : {confirmDelete_, recycle_, beep_, navArrows_, useDeletedList_}) layout->addWidget(box);
  layout->addWidget(matchRotations_);
  layout->addStretch();
  return page;
}

QCheckBox* ConfigureDialog::makeCheckBox(const char* name, const QString& caption, bool checked) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

QLineEdit* ConfigureDialog::makeMarkBox(const char* name, const QString& text) {
  auto* box = new QLineEdit(text, this);
  box->setObjectName(name);
  box->setMaximumWidth(60);
  return box;
}

void ConfigureDialog::enableMarkBoxes(bool enabled) {
  for (QLineEdit* box : {markErrors_, markWidth_, markHeight_, markSize_}) box->setEnabled(enabled);
}

void ConfigureDialog::done(int result) {
  if (result == QDialog::Accepted)
    copyIntoSettings();
  else
    copyFromSettings();  // the stored properties, saved as the dialog hides, stay as they were
  QDialog::done(result);
}

void ConfigureDialog::copyFromSettings() {
  const Settings& settings = CurrentSettings().values();
  const std::pair<QCheckBox*, bool> boxes[] = {
      {confirmDelete_, settings.confirmDeletes},   {recycle_, settings.deleteToRecycleBin},
      {beep_, settings.beepOnDelete},              {navArrows_, settings.navigateWithArrows},
      {checkABDrives_, settings.checkABDrives},    {useDeletedList_, settings.useDeletedList},
      {matchRotations_, settings.matchRotations},  {autoMarkDelete_, settings.autoMarkDelete},
      {modernFormats_, settings.modernImageFormats}};
  for (const auto& [box, checked] : boxes) box->setChecked(checked);
  matching_->setVerified(settings.verifyMatches);
  fuzzFactor_->setValue(settings.fuzzFactor);
  const std::pair<QLineEdit*, int> marks[] = {{markErrors_, settings.markErrors},
                                              {markWidth_, settings.markWidth},
                                              {markHeight_, settings.markHeight},
                                              {markSize_, settings.markSize}};
  for (const auto& [box, value] : marks) box->setText(QString::number(value));
}

void ConfigureDialog::copyIntoSettings() const {
  Settings settings = CurrentSettings().values();
  settings.confirmDeletes = confirmDelete_->isChecked();
  settings.deleteToRecycleBin = recycle_->isChecked();
  settings.beepOnDelete = beep_->isChecked();
  settings.navigateWithArrows = navArrows_->isChecked();
  settings.checkABDrives = checkABDrives_->isChecked();
  settings.useDeletedList = useDeletedList_->isChecked();
  settings.verifyMatches = matching_->verified();
  settings.matchRotations = matchRotations_->isChecked();
  settings.autoMarkDelete = autoMarkDelete_->isChecked();
  settings.fuzzFactor = WholeNumberOr(fuzzFactor_->cleanText(), fuzzFactor_->minimum());
  const Settings defaults;
  settings.markErrors = WholeNumberOr(markErrors_->text(), defaults.markErrors);
  settings.markWidth = WholeNumberOr(markWidth_->text(), defaults.markWidth);
  settings.markHeight = WholeNumberOr(markHeight_->text(), defaults.markHeight);
  settings.markSize = WholeNumberOr(markSize_->text(), defaults.markSize);
  settings.modernImageFormats = modernFormats_->isChecked();
  CurrentSettings().setValues(settings);
}

}  // namespace vl::gui
