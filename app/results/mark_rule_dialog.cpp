// Building the "Mark by Rule" dialog and reading the rule back from it.
#include "app/results/mark_rule_dialog.h"

#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/components/dialog_provider.h"
#include "app/components/help.h"

namespace vl::gui {
namespace {

struct CriterionCaption {
  KeepCriterion criterion;
  const char* caption;
};

constexpr CriterionCaption Captions[] = {
    {KeepCriterion::Resolution, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Highest resolution (width x height)")},
    {KeepCriterion::Largest, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Largest file")},
    {KeepCriterion::Smallest, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Smallest file")},
    {KeepCriterion::Newest, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Newest")},
    {KeepCriterion::Oldest, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Oldest")},
    {KeepCriterion::ShortestPath, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Shortest path")},
    {KeepCriterion::LongestPath, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Longest path")},
    //: The quoted markers are what the rule looks for in file names: keep them as they are.
    {KeepCriterion::PlainName,
     QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Name without a copy marker (\" (copy)\", \" - Copy\", \" (1)\" ...)")},
    {KeepCriterion::TakenEarliest, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Earliest taken (EXIF date, else the file date)")},
    {KeepCriterion::HasCameraData, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Has camera data (EXIF make or model)")},
    {KeepCriterion::RawFirst, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Camera raw file first")},
    {KeepCriterion::JpegFirst, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "JPEG file first")},
    {KeepCriterion::InsideFolder, QT_TRANSLATE_NOOP("vl::gui::MarkRuleDialog", "Inside folder ...")},
};

QListWidgetItem* criterionItem(const CriterionCaption& caption, bool checked) {
  auto* item = new QListWidgetItem(MarkRuleDialog::tr(caption.caption));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  item->setData(Qt::UserRole, static_cast<int>(caption.criterion));
  return item;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
  auto* made = new QPushButton(caption, parent);
  made->setObjectName(QLatin1String(name));
  made->setAutoDefault(false);
  return made;
}

}  // namespace

MarkRuleDialog::MarkRuleDialog(const MarkRule& rule, QWidget* parent) : QDialog(parent) {
  setObjectName("fMarkRule");
  setWindowTitle(tr("Mark by Rule"));
  SetHelpContext(this, HelpFileManagementMenu);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Each group keeps the best file by the first checked criterion that tells its "
                                  "files apart; every other file is marked."),
                               this));
  layout->addWidget(createCriteria(rule));
  layout->addWidget(createProtected(rule));
  applyAfterScan_ = new QCheckBox(tr("Apply after every &scan"), this);
  applyAfterScan_->setObjectName("cbApplyAfterScan");
  applyAfterScan_->setChecked(rule.applyAfterScan);
  layout->addWidget(applyAfterScan_);
  amongMarked_ = new QCheckBox(
      tr("Choose only among each group's base and mar&ked files (unmarked files stay unmarked)"), this);
  amongMarked_->setObjectName("cbAmongMarked");
  amongMarked_->setChecked(rule.amongMarked);
  layout->addWidget(amongMarked_);
  auto* mark = button("bbMark", tr("&Mark"), this);
  mark->setDefault(true);
  auto* cancel = button("bbCancel", tr("&Cancel"), this);
  connect(mark, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(mark);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
}

QWidget* MarkRuleDialog::createCriteria(const MarkRule& rule) {
  auto* box = new QGroupBox(tr("Keep the file with"), this);
  auto* layout = new QGridLayout(box);
  criteria_ = new QListWidget(box);
  criteria_->setObjectName("lbCriteria");
  fillCriteria(rule);
  auto* up = button("bbMoveUp", tr("Move &Up"), box);
  auto* down = button("bbMoveDown", tr("Move D&own"), box);
  connect(up, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
  connect(down, &QPushButton::clicked, this, [this] { moveCurrent(1); });
  insideFolder_ = new QLineEdit(box);
  insideFolder_->setObjectName("eInsideFolder");
  for (const KeepStep& step : rule.keep)
    if (step.criterion == KeepCriterion::InsideFolder) insideFolder_->setText(QString::fromStdString(step.folder));
  auto* browse = button("bbInsideFolder", tr("&Browse..."), box);
  connect(browse, &QPushButton::clicked, this, &MarkRuleDialog::chooseInsideFolder);
  layout->addWidget(criteria_, 0, 0, 3, 2);
  layout->addWidget(up, 0, 2);
  layout->addWidget(down, 1, 2);
  layout->addWidget(new QLabel(tr("Folder:"), box), 3, 0);
  layout->addWidget(insideFolder_, 3, 1);
  layout->addWidget(browse, 3, 2);
  return box;
}

// The rule's criteria first, checked and in its order, then the others unchecked.
void MarkRuleDialog::fillCriteria(const MarkRule& rule) {
  std::vector<KeepCriterion> listed;
  for (const KeepStep& step : rule.keep) {
    if (std::find(listed.begin(), listed.end(), step.criterion) != listed.end()) continue;
    for (const CriterionCaption& caption : Captions)
      if (caption.criterion == step.criterion) criteria_->addItem(criterionItem(caption, true));
    listed.push_back(step.criterion);
  }
  for (const CriterionCaption& caption : Captions)
    if (std::find(listed.begin(), listed.end(), caption.criterion) == listed.end())
      criteria_->addItem(criterionItem(caption, false));
}

QWidget* MarkRuleDialog::createProtected(const MarkRule& rule) {
  auto* box = new QGroupBox(tr("Never mark files in these folders"), this);
  auto* layout = new QGridLayout(box);
  protected_ = new QListWidget(box);
  protected_->setObjectName("lbProtected");
  for (const std::string& folder : rule.protectedFolders) protected_->addItem(QString::fromStdString(folder));
  auto* add = button("bbAddProtected", tr("&Add Folder..."), box);
  auto* remove = button("bbRemoveProtected", tr("&Remove"), box);
  connect(add, &QPushButton::clicked, this, &MarkRuleDialog::addProtected);
  connect(remove, &QPushButton::clicked, this, [this] { delete protected_->currentItem(); });
  layout->addWidget(protected_, 0, 0, 3, 1);
  layout->addWidget(add, 0, 1);
  layout->addWidget(remove, 1, 1);
  return box;
}

void MarkRuleDialog::moveCurrent(int by) {
  const int row = criteria_->currentRow();
  const int target = row + by;
  if (row < 0 || target < 0 || target >= criteria_->count()) return;
  QListWidgetItem* item = criteria_->takeItem(row);
  criteria_->insertItem(target, item);
  criteria_->setCurrentRow(target);
}

void MarkRuleDialog::chooseInsideFolder() {
  const auto folder = CurrentDialogProvider().chooseFolder(this, tr("Inside Folder").toStdString(),
                                                           insideFolder_->text().toStdString());
  if (folder) insideFolder_->setText(QString::fromStdString(*folder));
}

void MarkRuleDialog::addProtected() {
  const int last = protected_->count() - 1;
  const std::string start = last >= 0 ? protected_->item(last)->text().toStdString() : "";
  const auto folder = CurrentDialogProvider().chooseFolder(this, tr("Protected Folder").toStdString(), start);
  if (folder && protected_->findItems(QString::fromStdString(*folder), Qt::MatchExactly).isEmpty())
    protected_->addItem(QString::fromStdString(*folder));
}

MarkRule MarkRuleDialog::rule() const {
  MarkRule rule;
  for (int row = 0; row < criteria_->count(); ++row) {
    const QListWidgetItem* item = criteria_->item(row);
    if (item->checkState() != Qt::Checked) continue;
    const auto criterion = static_cast<KeepCriterion>(item->data(Qt::UserRole).toInt());
    if (criterion != KeepCriterion::InsideFolder) {
      rule.keep.push_back({criterion, {}});
    } else if (!insideFolder_->text().isEmpty()) {
      rule.keep.push_back({criterion, insideFolder_->text().toStdString()});
    }
  }
  for (int row = 0; row < protected_->count(); ++row)
    rule.protectedFolders.push_back(protected_->item(row)->text().toStdString());
  rule.applyAfterScan = applyAfterScan_->isChecked();
  rule.amongMarked = amongMarked_->isChecked();
  return rule;
}

}  // namespace vl::gui
