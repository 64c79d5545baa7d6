// The icons of the main window's actions: the desktop's icon theme, else built-in glyphs.
#pragma once

#include <QIcon>

namespace vl::gui {

enum class ActionGlyph {
  ScanWizard, EditFolders, Database, Configure, Scan, Cancel, DeletedList, DeleteFile, MarkFile,
  DeleteMarked, DeleteAllMarked, FullSize, SideBySide, ScrollInUnison, ShowFiles, LoadResults,
  SaveResults, Help, About, Exit,
};

// The theme icon for the glyph when the icon theme has one, else a glyph drawn here,
// so that no toolbar button is ever empty. Drawn once per call at 16 to 64 pixels, so
// it stays sharp on screens scaled up to twice.
QIcon ActionIcon(ActionGlyph glyph);
// The built-in drawing alone.
QIcon BuiltInActionIcon(ActionGlyph glyph);

}  // namespace vl::gui
