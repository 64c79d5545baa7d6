// Builds a window's actions from its command table and places them by container name.
#include "app/components/action_set.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QWidget>
#include <stdexcept>
#include <string>

#include "app/components/widget_helpers.h"

namespace vl::gui {
namespace {

enum class Placement { Absent, Placed, AfterSeparator };

Placement placementIn(const char* places, const QString& container) {
  for (const QString& place : QString::fromLatin1(places).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const bool separated = place.startsWith(QLatin1Char('|'));
    if (QStringView(place).mid(separated ? 1 : 0) == container)
      return separated ? Placement::AfterSeparator : Placement::Placed;
  }
  return Placement::Absent;
}

// The table's English text in the user's language.
QString translated(const char* text) { return QCoreApplication::translate(ActionTextContext, text); }

QAction* makeAction(QWidget* window, const ActionSpec& row) {
  auto* action = new QAction(translated(row.caption), window);
  if (row.objectName != nullptr) action->setObjectName(QLatin1String(row.objectName));
  if (*row.hint != '\0') SetHint(action, translated(row.hint));
  if (row.shortcut.key() != Qt::Key_unknown) action->setShortcut(QKeySequence(row.shortcut));
  if (row.icon) action->setIcon(ActionIcon(*row.icon));
  if (row.kind != ActionKind::Command) {
    action->setCheckable(true);
    action->setChecked(row.checked);
  }
  action->setEnabled(row.group == CommandGroup::Always || row.group == CommandGroup::ScanIdle);
  action->setVisible(row.group != CommandGroup::Hidden);
  window->addAction(action);
  return action;
}

}  // namespace

ActionSet::ActionSet(QWidget* window, std::span<const ActionSpec> table) {
  entries_.reserve(table.size());
  for (const ActionSpec& row : table) entries_.push_back({&row, makeAction(window, row)});
}

QAction* ActionSet::action(MainAction key) const {
  for (const Entry& entry : entries_)
    if (entry.row->key == key) return entry.action;
  throw std::invalid_argument("no action of key " + std::to_string(static_cast<int>(key)));
}

void ActionSet::fill(QWidget* container) const {
  QActionGroup* choices = nullptr;
  for (const Entry& entry : entries_) {
    const Placement placement = placementIn(entry.row->places, container->objectName());
    if (placement == Placement::Absent) continue;
    if (placement == Placement::AfterSeparator) {
      auto* separator = new QAction(container);
      separator->setSeparator(true);
      container->addAction(separator);
    }
    container->addAction(entry.action);
    if (entry.row->kind != ActionKind::Choice) continue;
    if (choices == nullptr) choices = new QActionGroup(container);
    choices->addAction(entry.action);
  }
}

void ActionSet::enableGroup(CommandGroup group, bool enabled) const {
  for (const Entry& entry : entries_)
    if (entry.row->group == group) entry.action->setEnabled(enabled);
}

}  // namespace vl::gui
