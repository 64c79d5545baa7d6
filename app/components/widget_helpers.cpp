// Hints, bar heights and number parsing shared by the dialogs.
#include "app/components/widget_helpers.h"

#include <QAction>
#include <QFontMetrics>
#include <QLayout>
#include <QWidget>

#include <cmath>

namespace vl::gui {
namespace {

struct HintParts {
  QString tip;
  QString statusTip;
};

HintParts splitHint(const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  if (bar < 0) return {hint, hint};
  return {hint.left(bar), hint.mid(bar + 1)};
}

}  // namespace

void SetHint(QWidget* widget, const QString& hint) {
  const HintParts parts = splitHint(hint);
  widget->setToolTip(parts.tip);
  widget->setStatusTip(parts.statusTip);
}

void SetHint(QAction* action, const QString& hint) {
  const HintParts parts = splitHint(hint);
  action->setToolTip(parts.tip);
  action->setStatusTip(parts.statusTip);
}

int ScaledBarHeight(const QWidget* widget, int pixelsAt8Points) {
  constexpr double lineHeightAt8Points = 13.0;
  const double scale = std::max(1.0, widget->fontMetrics().height() / lineHeightAt8Points);
  return static_cast<int>(std::lround(pixelsAt8Points * scale));
}

void FixDialogSize(QWidget* dialog, int width, int height) {
  QLayout* layout = dialog->layout();
  const int fittedWidth = std::max(width, dialog->minimumSizeHint().width());
  const int neededHeight = layout && layout->hasHeightForWidth() ? layout->totalHeightForWidth(fittedWidth)
                                                                 : dialog->sizeHint().height();
  dialog->setFixedSize(fittedWidth, std::max(height, neededHeight));
}

int WholeNumberOr(const QString& text, int fallback) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  return ok ? value : fallback;
}

}  // namespace vl::gui
