// The main window's command table.
#pragma once

#include <span>

#include "app/components/action_set.h"

namespace vl::gui {

// Every command of the main window in the order its menus, toolbar and pop-up menus list them.
std::span<const ActionSpec> MainWindowActions();

}  // namespace vl::gui
