// The base list and the duplicate list: filling, selecting, sorting, marking, removing and key moves.
#include "app/results/result_lists.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QTabBar>
#include <algorithm>
#include <cmath>

#include "app/components/action_set.h"
#include "app/components/app_settings.h"

namespace vl::gui {
namespace {

constexpr int DelColumn = 0;
constexpr int PathColumn = 2;
constexpr int DateColumn = 6;
constexpr int BaseRole = Qt::UserRole + 1;

const TResultEntry* baseOfItem(const QListWidgetItem* item) {
  return static_cast<const TResultEntry*>(item->data(BaseRole).value<void*>());
}

QListWidgetItem* makeBaseItem(const BaseGroupItem& group) {
  auto* item = new QListWidgetItem(QString::fromStdString(group.Caption));
  item->setData(BaseRole, QVariant::fromValue(static_cast<void*>(group.Base)));
  if (group.Base != nullptr) item->setToolTip(QString::fromStdString(group.Base->Path));
  return item;
}

}  // namespace

std::string LocaleDateText(double dateTime) {
  // 0001-01-01 to 9999-12-31; the fraction is the time of day on either side of day 0.
  if (!(dateTime >= -693593.0 && dateTime < 2958466.0)) return {};
  const double days = std::trunc(dateTime);
  const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(days));
  const long milliseconds = std::lround(std::fabs(dateTime - days) * 86400000.0);
  const QTime time = QTime(0, 0).addMSecs(static_cast<int>(std::min(milliseconds, 86399999L)));
  const QLocale locale;
  const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
  return (locale.toString(date, QLocale::ShortFormat) + QLatin1Char(' ') + locale.toString(time, timeFormat))
      .toStdString();
}

ResultLists::ResultLists(ResultsModel& model, const ResultListWidgets& widgets, const ActionSet& actions,
                         QObject* parent)
    : QObject(parent),
      model_(model),
      baseList_(widgets.baseList),
      dupeList_(widgets.dupeList),
      header_(widgets.header),
      tabs_(widgets.tabs) {
  dupeList_->setModel(&dupeModel_);
  model_.onShownChanged = [this] { syncBaseList(); };
  connect(baseList_, &QListWidget::currentRowChanged, this, [this] { FillDupeList(); });
  connect(dupeList_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { onCurrentDupeChanged(); });
  connect(header_, &QHeaderView::sectionClicked, this, &ResultLists::SortDupeList);
  connect(tabs_, &QTabBar::currentChanged, this,
          [this](int tab) { showView(tab == 1 ? BaseView::Marked : BaseView::AllDupes); });
  connectCommands(actions);
  connect(header_, &QHeaderView::sectionResized, this,
          [this](int section, int, int newSize) { onSectionResized(section, newSize); });
  listViewport_ = dupeList_->viewport();
  qApp->installEventFilter(this);
}

ResultLists::~ResultLists() { qApp->removeEventFilter(this); }

void ResultLists::connectCommands(const ActionSet& actions) {
  connect(actions.action("aMarkFile"), &QAction::triggered, this, &ResultLists::ToggleMark);
  for (const char* remove : {"RemoveFromList1", "RemoveBaseGroup1"})
    connect(actions.action(remove), &QAction::triggered, this, &ResultLists::removeSelectedGroup);
  connect(actions.action("SortAlphabetically1"), &QAction::triggered, this, &ResultLists::sortAlphabetically);
  connect(actions.action("Removewhennoduplicates2"), &QAction::toggled, this,
          [this](bool on) { model_.removeWhenNoDuplicates = on; });
}

void ResultLists::onSectionResized(int section, int newSize) {
  if (fittingPath_) return;
  if (section == PathColumn)
    pathWidth_ = newSize;
  else
    fitPathColumn();
}

// The Path column is as set, or wider when the list has room to spare.
void ResultLists::fitPathColumn() {
  const int others = header_->length() - header_->sectionSize(PathColumn);
  const int wanted = std::max(pathWidth_, listViewport_->width() - others);
  if (wanted == header_->sectionSize(PathColumn)) return;
  fittingPath_ = true;
  header_->resizeSection(PathColumn, wanted);
  fittingPath_ = false;
}

TResultEntry* ResultLists::selectedEntry() const {
  const int row = dupeList_->currentIndex().row();
  return row >= 0 && row < dupeModel_.rowCount() ? dupeModel_.lines()[static_cast<size_t>(row)].Entry : nullptr;
}

void ResultLists::FillDupeList() {
  const int row = baseList_->currentRow();
  if (rebuilding_ || row < 0 || row >= static_cast<int>(model_.shownBases().size())) return;
  {
    const Rebuilding rebuilding(rebuilding_);
    dupeModel_.setLines(model_.dupeLines(row, sortColumn_, LocaleDateText));
    shownBase_ = model_.shownBases()[static_cast<size_t>(row)].Base;
  }
  emit groupShown(shownBase_);
  if (dupeModel_.rowCount() > 1)
    selectDupeRow(1);
  else
    emit dupeShown(nullptr);
}

void ResultLists::SortDupeList(int column) {
  if (rebuilding_ || column == DelColumn || column == DateColumn) return;
  sortColumn_ = column;
  const TResultEntry* selected = selectedEntry();
  std::vector<DupeLine> lines = dupeModel_.lines();
  {
    const Rebuilding rebuilding(rebuilding_);
    SortDupeLines(lines, sortColumn_);
    dupeModel_.setLines(std::move(lines));
    const int row = dupeModel_.rowOf(selected);
    if (row >= 0) dupeList_->setCurrentIndex(dupeModel_.index(row));
  }
}

void ResultLists::ToggleMark() {
  const int row = dupeList_->currentIndex().row();
  if (rebuilding_ || row < 0 || row >= dupeModel_.rowCount()) return;
  model_.toggleMark(dupeModel_.line(row));
  model_.setMarksEdited(true);
  dupeModel_.lineChanged(row);
}

void ResultLists::removeSelectedGroup() {
  const int row = baseList_->currentRow();
  if (rebuilding_ || row < 0) return;
  clearDupeList();
  model_.RemoveGroup(row);
  selectGroupRow(std::min(row, baseList_->count() - 1));
}

void ResultLists::removeSelectedDuplicate() {
  const TResultEntry* entry = selectedEntry();
  if (rebuilding_ || entry == nullptr || entry->Base == nullptr) return;
  const int groupRow = baseList_->currentRow();
  const int dupeRow = dupeList_->currentIndex().row();
  clearDupeList();
  model_.RemoveDuplicate(entry);
  selectGroupRow(std::min(groupRow, baseList_->count() - 1));
  if (dupeModel_.rowCount() > 1) selectDupeRow(std::clamp(dupeRow, 1, dupeModel_.rowCount() - 1));
}

void ResultLists::sortAlphabetically() {
  if (rebuilding_) return;
  model_.sortShownAlphabetically();
  const Rebuilding rebuilding(rebuilding_);
  for (int row = 0; row < baseList_->count(); ++row)
    if (shownBase_ != nullptr && baseOfItem(baseList_->item(row)) == shownBase_) baseList_->setCurrentRow(row);
}

void ResultLists::showView(BaseView view) {
  model_.showView(view);
  if (baseList_->count() > 0 && baseList_->currentRow() <= 0) selectGroupRow(0);
}

void ResultLists::selectGroup(int row) { selectGroupRow(std::min(row, baseList_->count() - 1)); }

void ResultLists::showGroupOf(const std::string& path) {
  const int row = std::max(baseList_->currentRow(), 0);
  clearDupeList();
  model_.showView(tabs_->currentIndex() == static_cast<int>(BaseView::Marked) ? BaseView::Marked : BaseView::AllDupes);
  const auto& shown = model_.shownBases();
  for (size_t group = 0; group < shown.size(); ++group) {
    for (const TResultEntry* entry = shown[group].Base; entry != nullptr; entry = entry->Next) {
      if (entry->Path != path || entry->Gone != 0) continue;
      selectGroupRow(static_cast<int>(group));
      if (const int line = dupeModel_.rowOf(entry); line >= 0) selectDupeRow(line);
      return;
    }
  }
  selectGroup(row);
}

bool ResultLists::reselectShownGroup() {
  const auto& shown = model_.shownBases();
  for (size_t row = 0; row < shown.size(); ++row) {
    if (shown[row].Base != shownBase_ || shownBase_ == nullptr) continue;
    const Rebuilding rebuilding(rebuilding_);
    baseList_->setCurrentRow(static_cast<int>(row));
    return true;
  }
  return false;
}

void ResultLists::removeSelectedLine() {
  const int row = dupeList_->currentIndex().row();
  if (row < 0 || row >= dupeModel_.rowCount()) return;
  std::vector<DupeLine> lines = dupeModel_.lines();
  lines.erase(lines.begin() + row);
  {
    const Rebuilding rebuilding(rebuilding_);
    dupeModel_.setLines(std::move(lines));
  }
  if (dupeModel_.rowCount() == 0)
    emit dupeShown(nullptr);
  else
    selectDupeRow(std::min(row, dupeModel_.rowCount() - 1));
}

void ResultLists::refreshSelectedLine(bool showDupe) {
  const int row = dupeList_->currentIndex().row();
  if (row < 0 || row >= dupeModel_.rowCount()) return;
  DupeLine& line = dupeModel_.line(row);
  line.Text = DupeLineText(*line.Entry, LocaleDateText);
  dupeModel_.lineChanged(row);
  if (showDupe) emit dupeShown(line.Entry);
}

void ResultLists::showAllDupes() { tabs_->setCurrentIndex(0); }

void ResultLists::showFirstGroup() {
  if (baseList_->count() > 0 && baseList_->currentRow() <= 0) selectGroupRow(0);
}

void ResultLists::marksChanged() {
  if (rebuilding_) return;
  if (tabs_->currentIndex() == static_cast<int>(BaseView::Marked)) {
    clearDupeList();
    showView(BaseView::Marked);
  }
  FillDupeList();
}

void ResultLists::clearDupeList() {
  const Rebuilding rebuilding(rebuilding_);
  dupeModel_.clear();
  shownBase_ = nullptr;
  emit groupShown(nullptr);
  emit dupeShown(nullptr);
}

bool ResultLists::runKeyCommand(ListKeyCommand command) {
  const int dupeRow = dupeList_->currentIndex().row();
  const int groupRow = baseList_->currentRow();
  switch (command) {
    case ListKeyCommand::None:
      return false;
    case ListKeyCommand::ToggleMark:
      ToggleMark();
      break;
    case ListKeyCommand::PreviousLine:
    case ListKeyCommand::NextLine:
      if (const int row = MovedRow(dupeRow, command == ListKeyCommand::NextLine ? 1 : -1, dupeModel_.rowCount());
          row >= 0)
        selectDupeRow(row);
      break;
    case ListKeyCommand::PreviousGroup:
    case ListKeyCommand::NextGroup:
      if (const int row = MovedRow(groupRow, command == ListKeyCommand::NextGroup ? 1 : -1, baseList_->count());
          row >= 0)
        selectGroupRow(row);
      break;
  }
  return true;
}

void ResultLists::setScanRunning(bool running) {
  if (running) tabs_->setCurrentIndex(0);
  tabs_->setEnabled(!running);
}

bool ResultLists::eventFilter(QObject* watched, QEvent* event) {
  if (watched == listViewport_ && event->type() == QEvent::Resize) fitPathColumn();
  if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget() != nullptr) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != baseList_->window() || QApplication::activePopupWidget() != nullptr)
    return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  ListKeyCommand command = ListKeyCommandFor(key->key(), CurrentSettings().values().navigateWithArrows);
  // With the base list focused, the line keys move through its groups.
  if (widget == baseList_ && command == ListKeyCommand::PreviousLine) command = ListKeyCommand::PreviousGroup;
  if (widget == baseList_ && command == ListKeyCommand::NextLine) command = ListKeyCommand::NextGroup;
  return runKeyCommand(command);
}

void ResultLists::syncBaseList() {
  const auto& shown = model_.shownBases();
  const int count = baseList_->count();
  const bool appendOnly = count < static_cast<int>(shown.size()) &&
                          (count == 0 || baseOfItem(baseList_->item(count - 1)) == shown[count - 1].Base);
  const Rebuilding rebuilding(rebuilding_);
  if (appendOnly) {
    for (size_t i = static_cast<size_t>(count); i < shown.size(); ++i) baseList_->addItem(makeBaseItem(shown[i]));
    return;
  }
  rebuildBaseList();
}

void ResultLists::rebuildBaseList() {
  if (!shownGroupStillExists()) clearDupeList();
  baseList_->clear();
  for (const BaseGroupItem& group : model_.shownBases()) baseList_->addItem(makeBaseItem(group));
}

bool ResultLists::shownGroupStillExists() const {
  const auto& groups = model_.FBaseGroups();
  return shownBase_ != nullptr && std::any_of(groups.begin(), groups.end(), [this](const BaseGroupItem& group) {
           return group.Base == shownBase_;
         });
}

void ResultLists::selectGroupRow(int row) {
  if (row < 0) return;
  if (baseList_->currentRow() == row)
    FillDupeList();
  else
    baseList_->setCurrentRow(row);
}

void ResultLists::selectDupeRow(int row) {
  dupeList_->setCurrentIndex(dupeModel_.index(row));
  dupeList_->scrollTo(dupeModel_.index(row));
}

void ResultLists::onCurrentDupeChanged() {
  if (!rebuilding_) emit dupeShown(selectedEntry());
}

}  // namespace vl::gui
