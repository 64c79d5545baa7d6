// Building the scan wizard, moving between its pages, and handing its lists back on close.
#include "app/dialogs/scan_wizard.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "app/components/app_settings.h"
#include "app/components/dialog_provider.h"
#include "app/components/filter_combo_box.h"
#include "app/components/folder_list_box.h"
#include "app/dialogs/folders_dialog.h"
#include "app/components/widget_helpers.h"
#include "app/components/form_property_store.h"
#include "app/components/matching_choice.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"

namespace vl::gui {
namespace {

const char* const WizardSection = "TfWizard";
const char* const ShowWizardKey = "ShowWiz";
constexpr int ClientWidth = 506;
constexpr int ClientHeight = 389;

const char* const WelcomeText = QT_TRANSLATE_NOOP(
    "vl::gui::ScanWizard",
    "Velloran is an amazingly powerful tool for Locating and Removing Duplicate images from your computer.\n \n"
    "Velloran has a number of features designed for serious collectors, but like anything else, these features "
    "may be a bit confusing for novice users.\n \n"
    "If you are New to Velloran, we recommend that you use this Wizard for your first few scans.  Once you have a "
    "better understanding of the program, you may find the Classic interface more efficient.");

const char* const ModeDescriptions[] = {
    QT_TRANSLATE_NOOP("vl::gui::ScanWizard",
                      "Actually look at the images, and do a \"Visual\" Comparison.  This will find Resized, "
                      "Resampled, Scaled, Cropped, Color Corrected, and otherwise altered images.  It does however "
                      "find erroneous matches.  This is the Slowest Scan Method, but can be sped up dramatically by "
                      "using Databases (See Help File)."),
    QT_TRANSLATE_NOOP("vl::gui::ScanWizard", "Find all files with duplicate Filenames."),
    QT_TRANSLATE_NOOP("vl::gui::ScanWizard", "Find all files with Duplicate Filenames that are the same Size."),
    QT_TRANSLATE_NOOP("vl::gui::ScanWizard",
                      "Find all Files that have identical Filesizes and Identical File Contents.  This will find "
                      "Exact Duplicates, and is the fastest Scan Method.")};

struct WizardListButton {
  const char* name;
  const char* caption;
  void (FolderListBox::*command)();
};

const WizardListButton WizardListButtons[] = {
    {"bbAddFolder", QT_TRANSLATE_NOOP("vl::gui::ScanWizard", "&Add Folder"), &FolderListBox::addFolder},
    {"bbClearList", QT_TRANSLATE_NOOP("vl::gui::ScanWizard", "&Clear List"), &FolderListBox::clear},
    {"bbAddDatabase", QT_TRANSLATE_NOOP("vl::gui::ScanWizard", "Add &Database"), &FolderListBox::addDatabases},
    {"bbLoadList", QT_TRANSLATE_NOOP("vl::gui::ScanWizard", "&Load List"), &FolderListBox::loadList},
    {"bbSaveList", QT_TRANSLATE_NOOP("vl::gui::ScanWizard", "&Save List"), &FolderListBox::saveList},
};

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

QLabel* titleLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.5);
  label->setFont(font);
  return label;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ScanWizard::ScanWizard(FoldersDialog& folders, QWidget* parent) : QDialog(parent), folders_(folders) {
  setObjectName("fWizard");
  setWindowTitle(tr("VL Scan Wizard"));
  panels_ = new QStackedWidget(this);
  panels_->addWidget(makeWelcomePanel());
  panels_->addWidget(makePages());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panels_);

  showAtStartup_->setChecked(IniFile(AppIniFileName()).readInteger(WizardSection, ShowWizardKey, 1) != 0);
  notebook_->setCurrentIndex(0);
  UpdateButtons();
  baseList_->setEntries(folders_.baseList());
  compareList_->setEntries(folders_.compareList());

  FixDialogSize(this, ClientWidth, ClientHeight);
  store_ = std::make_unique<FormPropertyStore>(this, WizardSection, true, QStringList());
}

ScanWizard::~ScanWizard() = default;

QWidget* ScanWizard::makeWelcomePanel() {
  auto* panel = new QWidget;
  panel->setObjectName("pWelcome");
  auto* picture = new QLabel(panel);
  picture->setObjectName("imgWelcome");
  // The program's icon, drawn at the screen's pixel ratio so it stays sharp when scaled.
  const QIcon icon = QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_DesktopIcon)
                                                         : QApplication::windowIcon();
  picture->setPixmap(icon.pixmap(QSize(96, 96), devicePixelRatioF()));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  auto* title = titleLabel(tr("Welcome to Velloran"), panel);
  title->setAlignment(Qt::AlignCenter);
  auto* classic = makeButton("bbClassic", tr("&Classic"), panel);
  auto* wizard = makeButton("bbWizard", tr("&Wizard"), panel);
  wizard->setDefault(true);
  showAtStartup_ = new QCheckBox(tr("&Show this screen at Startup."), panel);
  showAtStartup_->setObjectName("cbShowWiz");
  connect(classic, &QPushButton::clicked, this, [this] { done(Classic); });
  connect(wizard, &QPushButton::clicked, this, &ScanWizard::showPages);

  auto* text = new QVBoxLayout;
  text->addWidget(title);
  text->addWidget(wrappedLabel(tr(WelcomeText), panel));
  matching_ = new MatchingChoice(CurrentSettings().values().verifyMatches, panel);
  text->addWidget(matching_);
  text->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(picture);
  body->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(showAtStartup_);
  buttons->addStretch();
  buttons->addWidget(classic);
  buttons->addWidget(wizard);
  auto* layout = new QVBoxLayout(panel);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  return panel;
}

QWidget* ScanWizard::makePages() {
  auto* pages = new QWidget;
  pages->setObjectName("pPages");
  notebook_ = new QStackedWidget(pages);
  notebook_->setObjectName("Notebook1");
  notebook_->addWidget(makeListPage(
      tr("Select Base Files"),
      {tr("If this is your first time doing a Scan, Make sure that this list is blank, and proceed to the next step."),
       tr("If you already have a Collection that you want to compare NEW files against, place your existing "
          "collection in this list.")},
      "", baseList_));
  notebook_->addWidget(makeListPage(
      tr("Select Compare Files"),
      {tr("If this is your first time doing a Scan, Add the Folders you want to Scan to this list."),
       tr("If you already have a Collection Add the Folders containing your New (Incoming) files to this list.  These "
          "new files will be compared against your existing collection.")},
      "2", compareList_));
  notebook_->addWidget(makeScanTypePage());
  auto* layout = new QVBoxLayout(pages);
  layout->addWidget(notebook_, 1);
  layout->addWidget(makeNavigation());
  return pages;
}

QWidget* ScanWizard::makeListPage(const QString& title, const QStringList& texts, const QString& suffix,
                                  FolderListBox*& list) {
  auto* page = new QWidget;
  page->setObjectName(suffix.isEmpty() ? "pgBaseFiles" : "pgCompareFiles");
  list = new FolderListBox(page);
  list->setObjectName("lbdirs" + suffix);
  auto* buttons = new QVBoxLayout;
  for (const WizardListButton& listButton : WizardListButtons) {
    const QString caption = tr(listButton.caption);
    QPushButton* button = makeButton((listButton.name + suffix).toLatin1().constData(), caption, page);
    SetHint(button, QString(caption).remove(QLatin1Char('&')));
    connect(button, &QPushButton::clicked, list, listButton.command);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(list, 1);
  listRow->addLayout(buttons);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(titleLabel(title, page));
  for (const QString& text : texts) layout->addWidget(wrappedLabel(text, page));
  layout->addLayout(listRow, 1);
  return page;
}

QWidget* ScanWizard::makeScanTypePage() {
  auto* page = new QWidget;
  page->setObjectName("pgScanType");
  modeButtons_ = MakeScanModeButtons(page);
  auto* modes = new QGridLayout;
  for (size_t i = 0; i < modeButtons_.size(); ++i) {
    SetHint(modeButtons_[i], i == 0 ? tr("Fuzz Compare.") : tr("Look for Matching Filenames."));
    modes->addWidget(modeButtons_[i], static_cast<int>(i), 0, Qt::AlignTop);
    modes->addWidget(wrappedLabel(tr(ModeDescriptions[i]), page), static_cast<int>(i), 1);
  }
  modes->setColumnStretch(1, 1);
  filterBox_ = MakeFileFilterBox(page);
  auto* scan = makeButton("bbScan", tr("&Scan"), page);
  auto* cancel = makeButton("bbCancel", tr("&Cancel"), page);
  connect(scan, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(filterBox_);
  bottom->addStretch();
  bottom->addWidget(scan);
  bottom->addWidget(cancel);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(titleLabel(tr("Scan"), page));
  layout->addWidget(wrappedLabel(
      tr("Once you have selected the folders to Scan, you can select the Scan Method to use..."), page));
  layout->addLayout(modes);
  layout->addStretch();
  layout->addLayout(bottom);
  return page;
}

QWidget* ScanWizard::makeNavigation() {
  auto* bar = new QWidget;
  back_ = makeButton("bbBack", tr("<- &Back"), bar);
  next_ = makeButton("bbNext", tr("&Next ->"), bar);
  connect(back_, &QPushButton::clicked, this, [this] { movePage(-1); });
  connect(next_, &QPushButton::clicked, this, [this] { movePage(1); });
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  layout->addWidget(back_);
  layout->addWidget(next_);
  return bar;
}

void ScanWizard::showPages() {
  panels_->setCurrentIndex(1);
  UpdateButtons();
}

void ScanWizard::movePage(int step) {
  notebook_->setCurrentIndex(std::clamp(notebook_->currentIndex() + step, 0, notebook_->count() - 1));
  UpdateButtons();
}

void ScanWizard::UpdateButtons() {
  back_->setEnabled(notebook_->currentIndex() > 0);
  next_->setEnabled(notebook_->currentIndex() < notebook_->count() - 1);
  // Enter presses Next, and Scan on the last page.
  if (panels_->currentIndex() == 1) (next_->isEnabled() ? next_ : findChild<QPushButton*>("bbScan"))->setDefault(true);
}

int ScanWizard::scanMode() const { return CheckedScanMode(modeButtons_); }

std::string ScanWizard::mask() const { return filterBox_->mask(); }

void ScanWizard::done(int result) {
  folders_.setLists(baseList_->entries(), compareList_->entries());
  folders_.saveListFiles();
  saveChoices();
  QDialog::done(result);
}

void ScanWizard::saveChoices() {
  Settings settings = CurrentSettings().values();
  const bool matchingChanged = settings.verifyMatches != matching_->verified();
  settings.verifyMatches = matching_->verified();
  CurrentSettings().setValues(settings);
  try {
    IniFile ini(AppIniFileName());
    ini.beginBatch();
    ini.writeString(WizardSection, ShowWizardKey, showAtStartup_->isChecked() ? "1" : "0");
    if (matchingChanged) ini.writeString(SettingsSection, VerifyMatchesKey, settings.verifyMatches ? "True" : "False");
    ini.commitBatch();
  } catch (const IniWriteError& error) {
    CurrentDialogProvider().showError(this, error.what());
  }
}

}  // namespace vl::gui
