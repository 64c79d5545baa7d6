// Keeps a form's window placement and chosen control properties in its section of the settings file.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

class QWidget;

#include "core/settings/property_store.h"

namespace vl::gui {

// Attached to one form (a top-level widget). On the form's first show, before the
// form's own show handling, it restores the placement (position; size for a
// resizable form; with restoreState also the minimised/maximised state) and then
// every stored property. When the form is hidden by closing, after its own close
// handling allowed it, it saves them; on destruction it saves once more if the form
// was shown and not saved since. Nothing is saved for a form never shown.
//
// A stored property is "objectName.Property", the child (QWidget or QAction) found
// by objectName; its key is "objectName_Property". Checked/Down map onto Qt's
// checked state, Width/Height onto the size (for a splitter pane: the splitter's
// sizes), Lines onto a QPlainTextEdit's lines (kept in a section of its own), and
// any other name onto the Qt property of that name with a lower-case first letter
// (Value → value, Text → text, Filter → filter). A missing key keeps the control's
// built-in value. A save rewrites the settings file once: O(file size) per key in
// memory plus one write.
//
// Own it as a member of the form so that it is destroyed before the form's controls.
class FormPropertyStore : public QObject {
  Q_OBJECT

 public:
  FormPropertyStore(QWidget* form, QString section, bool restoreState, QStringList storedProperties);
  ~FormPropertyStore() override;

  const QString& section() const { return section_; }

  // Reads the placement and the stored properties from AppIniFileName().
  void restore();
  // Writes them in one rewrite of the file; a failed write shows an error box and
  // leaves the file as it was.
  void save();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  WindowPlacement currentPlacement() const;
  void restorePlacement(const PropertyStore& store);
  void applyNormalPosition(const QRect& rect);
  void restoreProperty(const PropertyStore& store, const QString& stored);
  void writeProperty(PropertyStore& store, const QString& stored);
  void writeAll(bool destroying);

  QPointer<QWidget> form_;
  QString section_;
  bool restoreState_;
  QStringList storedProperties_;
  bool restored_ = false;
  bool saved_ = false;
  int flags_ = 0;
  std::array<int, 4> minMaxPos_{};
};

}  // namespace vl::gui
