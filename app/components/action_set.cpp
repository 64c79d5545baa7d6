// Builds a window's actions from its command table and places them by container name.
#include "app/components/action_set.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>
#include <cstring>
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

QAction* makeAction(QWidget* window, const ActionSpec& spec) {
  auto* action = new QAction(QString::fromLatin1(spec.caption), window);
  action->setObjectName(QLatin1String(spec.name));
  if (*spec.hint != '\0') SetHint(action, QString::fromLatin1(spec.hint));
  if (spec.shortcut.key() != Qt::Key_unknown) action->setShortcut(QKeySequence(spec.shortcut));
  if (spec.icon) action->setIcon(ActionIcon(*spec.icon));
  if (spec.kind != ActionKind::Command) {
    action->setCheckable(true);
    action->setChecked(spec.checked);
  }
  action->setEnabled(spec.group == CommandGroup::Always || spec.group == CommandGroup::ScanIdle);
  action->setVisible(spec.group != CommandGroup::Hidden);
  window->addAction(action);
  return action;
}

}  // namespace

ActionSet::ActionSet(QWidget* window, std::span<const ActionSpec> table) {
  entries_.reserve(table.size());
  for (const ActionSpec& spec : table) entries_.push_back({&spec, makeAction(window, spec)});
}

QAction* ActionSet::action(const char* name) const {
  for (const Entry& entry : entries_)
    if (std::strcmp(entry.spec->name, name) == 0) return entry.action;
  throw std::invalid_argument(std::string("no action named ") + name);
}

void ActionSet::fill(QWidget* container) const {
  QActionGroup* choices = nullptr;
  for (const Entry& entry : entries_) {
    const Placement placement = placementIn(entry.spec->places, container->objectName());
    if (placement == Placement::Absent) continue;
    if (placement == Placement::AfterSeparator) {
      auto* separator = new QAction(container);
      separator->setSeparator(true);
      container->addAction(separator);
    }
    container->addAction(entry.action);
    if (entry.spec->kind != ActionKind::Choice) continue;
    if (choices == nullptr) choices = new QActionGroup(container);
    choices->addAction(entry.action);
  }
}

void ActionSet::enableGroup(CommandGroup group, bool enabled) const {
  for (const Entry& entry : entries_)
    if (entry.spec->group == group) entry.action->setEnabled(enabled);
}

}  // namespace vl::gui
