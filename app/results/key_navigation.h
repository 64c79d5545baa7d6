// The main window's key tables for moving through the result lists.
#pragma once

namespace vl::gui {

enum class ListKeyCommand { None, PreviousLine, NextLine, PreviousGroup, NextGroup, ToggleMark };

// The command of an unmodified key: arrows when navigateWithArrows is on, Page
// Up/Down and Home/End when it is off; Space always marks. None: the key goes on
// to the focused control.
ListKeyCommand ListKeyCommandFor(int key, bool navigateWithArrows);

// The row a move by delta (-1 or +1) reaches in a list of `count` rows from
// `current` (-1: nothing selected, where a forward move reaches the first row), or
// -1 when the move is refused because it would leave the list.
int MovedRow(int current, int delta, int count);

}  // namespace vl::gui
