// A window's commands from a table: one QAction per row, found by name, placed by container, enabled by group.
#pragma once

#include <QKeyCombination>
#include <optional>
#include <span>
#include <vector>

#include "app/components/action_icons.h"
#include "app/components/main_actions.h"

class QAction;
class QWidget;

namespace vl::gui {

// When a command can be used; each group is switched on and off as a whole.
enum class CommandGroup {
  Always,       // whenever the window takes input
  ScanIdle,     // while no scan runs: every command that touches the results or starts a scan
  ScanRunning,  // only while a scan runs
  Unavailable,  // offered in the menus but not yet carried out: always disabled
  Hidden,       // neither shown nor enabled
};

enum class ActionKind {
  Command,  // a plain command
  Toggle,   // checked on its own
  Choice,   // checked exclusively among the choices of the first container it is placed in
};

// The translation context of every command table's captions and hints.
inline constexpr char ActionTextContext[] = "Actions";

// One row of a command table. `places` names the containers (menus, toolbars, by
// objectName) the action appears in, separated by blanks; a name written "|name"
// puts a separator before the action there. Caption and hint are English source texts
// marked QT_TRANSLATE_NOOP in the context ActionTextContext; ActionSet shows them translated.
struct ActionSpec {
  MainAction key;           // the key of ActionSet::action
  const char* objectName;  // the inherited name that stored settings and tests find it by; nullptr for none
  const char* caption;
  const char* hint;  // "short|long" as SetHint takes it; "" for none
  QKeyCombination shortcut;
  std::optional<ActionGlyph> icon;
  ActionKind kind;
  bool checked;
  CommandGroup group;
  const char* places;
};

// The actions of one window, created from its table (which must outlive the set) in
// table order. Each action is a child of the window and added to it, so its shortcut
// works while the window is active and the form property store finds the ones
// with an object name. A lookup by key is O(rows).
class ActionSet {
 public:
  ActionSet(QWidget* window, std::span<const ActionSpec> table);

  // The action of `key`; std::invalid_argument for a key not in the table.
  QAction* action(MainAction key) const;
  // Appends to `container` the actions placed there, in table order, with their
  // separators; the choices among them become one exclusive group.
  void fill(QWidget* container) const;
  // Enables or disables every action of `group` at once.
  void enableGroup(CommandGroup group, bool enabled) const;

 private:
  struct Entry {
    const ActionSpec* row;
    QAction* action;
  };
  std::vector<Entry> entries_;
};

}  // namespace vl::gui
