// Small helpers shared by the dialogs: hints, bar heights at the system font, parsing typed numbers.
#pragma once

#include <QString>

class QAction;
class QWidget;

namespace vl::gui {

// A hint "short|long" gives the tooltip (short part) and the status tip (long part);
// a hint without "|" gives both.
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);

// A fixed bar height given in pixels at an 8-point interface font, grown in
// proportion to the widget's font line height (13 pixels at 8 points).
int ScaledBarHeight(const QWidget* widget, int pixelsAt8Points);

// Fixes a dialog's size at the given client size, grown only where its controls at
// the system font need more room (height following the width for wrapped texts).
void FixDialogSize(QWidget* dialog, int width, int height);

// The text as a whole decimal number (surrounding blanks allowed) that fits in
// 32 bits, else `fallback`.
int WholeNumberOr(const QString& text, int fallback);

}  // namespace vl::gui
