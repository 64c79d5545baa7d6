// The database management dialog: its controls, the busy state and running New Database and Add to Database.
#include "app/database/database_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/components/app_settings.h"
#include "app/components/dialog_provider.h"
#include "app/components/help.h"
#include "app/components/job_runner.h"
#include "app/components/widget_helpers.h"
#include "app/database/add_to_database_dialog.h"
#include "app/database/database_explorer.h"

namespace vl::gui {
namespace {

//: File type filter: "Name|patterns"; translate the name only.
const char* const DatabaseFilter = QT_TRANSLATE_NOOP("vl::gui::DatabaseDialog", "VL Database (*.VDB)|*.VDB");
const char* const DatabaseExtension = "VDB";
const char* const RemovableNote = QT_TRANSLATE_NOOP(
    "vl::gui::DatabaseDialog",
    "Note:  It is NOT recommended to place files from different\n"
    "removable disks in the same database.  Create a separate\n"
    "database for each removable disk.");

}  // namespace

DatabaseDialog::DatabaseDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      host_(this), runner_(new JobRunner(this)) {
  setObjectName("fDatabase");
  setWindowTitle(tr("Database Management"));
  SetHelpContext(this, HelpDatabaseDialog);
  auto* rows = new QGridLayout;
  bbNew_ = addRow(rows, "bbNew", tr("&New Database"), tr("Create a New database."));
  bbAddFolders_ = addRow(rows, "bbAddFolders", tr("&Add to Database"),
                         tr("Add new files to, and freshen files in an existing database."));
  cbFreshen_ = new QCheckBox(tr("&Freshen files (and pack local files)."), this);
  cbFreshen_->setObjectName("cbFreshen");
  cbFreshen_->setChecked(true);
  SetHint(cbFreshen_, tr("Look for existing files, and update if changed."));
  rows->addWidget(cbFreshen_, rows->rowCount(), 1);
  auto* note = new QLabel(tr(RemovableNote), this);
  note->setObjectName("Label4");
  rows->addWidget(note, rows->rowCount(), 0, 1, 2);
  bbPack_ = addRow(rows, "bbPack", tr("&Explore Database"), tr("View the contents of your existing Databases."));
  bbcancelop_ = new QPushButton(tr("&Cancel Operation"), this);
  bbcancelop_->setObjectName("bbcancelop");
  bbcancelop_->setEnabled(false);
  bbdone_ = new QPushButton(tr("&Done"), this);
  bbdone_->setObjectName("bbdone");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(bbcancelop_);
  buttons->addStretch();
  buttons->addWidget(bbdone_);
  auto* content = new QVBoxLayout;
  content->setContentsMargins(9, 9, 9, 9);
  content->addLayout(rows);
  content->addStretch();
  content->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(content, 1);
  layout->addWidget(makeStatusBar());
  connect(bbNew_, &QPushButton::clicked, this, &DatabaseDialog::newDatabase);
  connect(bbAddFolders_, &QPushButton::clicked, this, &DatabaseDialog::addToDatabase);
  connect(bbPack_, &QPushButton::clicked, this, &DatabaseDialog::exploreDatabase);
  connect(bbcancelop_, &QPushButton::clicked, runner_, &JobRunner::cancel);
  connect(runner_, &JobRunner::progressed, this, [this](const JobProgress& progress) {
    panels_[0]->setText(QString::fromStdString(PhaseText(progress.phase)));
    panels_[1]->setText(progress.total > 0 ? QString::fromStdString(ProgressText(progress.current, progress.total))
                                           : QString());
  });
  connect(runner_, &JobRunner::warned, this, [this](const QString& text) { host_.warning(text.toStdString()); });
  connect(runner_, &JobRunner::finished, this, &DatabaseDialog::finishJob);
  connect(bbdone_, &QPushButton::clicked, this, &QDialog::accept);
  host_.showStatusIn(panels_[0], panels_[1]);
  FixDialogSize(this, 420, 230);
}

QPushButton* DatabaseDialog::addRow(QGridLayout* grid, const char* name, const QString& caption,
                                    const QString& label) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  const int row = grid->rowCount();
  grid->addWidget(button, row, 0);
  grid->addWidget(new QLabel(label, this), row, 1);
  return button;
}

QWidget* DatabaseDialog::makeStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(false);
  const int widths[2] = {150, 100};
  for (int panel = 0; panel < 2; ++panel) {
    panels_[panel] = new QLabel(bar);
    panels_[panel]->setObjectName(QString("StatusPanel%1").arg(panel));
    panels_[panel]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panels_[panel]->setFixedWidth(ScaledBarHeight(bar, widths[panel]));
    bar->addWidget(panels_[panel]);
  }
  return bar;
}

void DatabaseDialog::beginOperation() {
  busy_ = true;
  for (QWidget* control : std::initializer_list<QWidget*>{bbNew_, bbAddFolders_, bbPack_, bbdone_, cbFreshen_})
    control->setEnabled(false);
  bbcancelop_->setEnabled(true);
}

void DatabaseDialog::endOperation() {
  busy_ = false;
  for (QWidget* control : std::initializer_list<QWidget*>{bbNew_, bbAddFolders_, bbPack_, bbdone_, cbFreshen_})
    control->setEnabled(true);
  bbcancelop_->setEnabled(false);
  for (QLabel* panel : panels_) panel->clear();
}

std::optional<std::vector<std::string>> DatabaseDialog::chooseFolders() {
  AddToDatabaseDialog folders(this);
  if (folders.exec() != QDialog::Accepted) return std::nullopt;
  return folders.folders();
}

void DatabaseDialog::startOperation(DatabaseRequest request, Operation operation) {
  beginOperation();
  const auto folders = chooseFolders();
  if (!folders) {
    host_.beep();
    endOperation();
    return;
  }
  request.folders = *folders;
  request_ = std::move(request);
  operation_ = operation;
  runJob();
}

void DatabaseDialog::runJob() {
  host_.pushCursor(BusyCursor::Hourglass);
  runner_->start([this, request = request_, operation = operation_](const CancelToken& cancel, ProgressSink& sink) {
    result_ = operation(request, cancel, sink);
  });
}

void DatabaseDialog::finishJob() {
  host_.popCursor();
  const BuildResult result = std::move(result_);
  if (result.outcome == BuildOutcome::Undecided) {
    request_.gone = host_.askYesNoDefaultNo(result.goneQuestion) ? GoneRecords::Remove : GoneRecords::Keep;
    runJob();
    return;
  }
  host_.beep();
  for (const JobMessage& message : result.messages) ShowJobMessage(host_, message);
  endOperation();
}

void DatabaseDialog::newDatabase() {
  if (busy_) return;
  const auto fileName = CurrentDialogProvider().saveFile(this, tr(DatabaseFilter).toStdString(), DatabaseExtension);
  if (!fileName) return;
  DatabaseRequest request = DatabaseRequestFromSettings(CurrentSettings().values());
  request.fileName = *fileName;
  startOperation(std::move(request), NewDatabase);
}

void DatabaseDialog::addToDatabase() {
  if (busy_) return;
  const std::vector<std::string> chosen =
      CurrentDialogProvider().openFiles(this, tr(DatabaseFilter).toStdString(), false);
  if (chosen.empty()) return;
  DatabaseRequest request = DatabaseRequestFromSettings(CurrentSettings().values());
  request.fileName = chosen.front();
  request.freshen = cbFreshen_->isChecked();
  startOperation(std::move(request), AddToDatabase);
}

void DatabaseDialog::exploreDatabase() {
  if (busy_) return;
  DatabaseExplorer explorer(this);
  explorer.exec();
}

void DatabaseDialog::done(int result) {
  if (busy_) return;
  QDialog::done(result);
}

void OpenDatabaseManagement(QWidget* parent) {
  DatabaseDialog dialog(parent);
  dialog.exec();
}

}  // namespace vl::gui
