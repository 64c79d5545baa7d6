// Restoring and saving a form's placement and stored properties through the settings file.
#include "app/components/form_property_store.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/components/dialog_provider.h"
#include "core/settings/ini_file.h"
#include "core/settings/property_store.h"
#include "core/settings/settings.h"

namespace vl::gui {
namespace {

constexpr int MaxWindowExtent = 32767;

std::string str(const QString& text) { return text.toStdString(); }
QString qstr(const std::string& text) { return QString::fromStdString(text); }

// --- value forms -------------------------------------------------------------

// The property's value in its stored text form.
std::string variantText(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Bool:
      return PropertyStore::BooleanText(value.toBool());
    case QMetaType::Int:
      return PropertyStore::IntegerText(value.toInt());
    case QMetaType::Double:
    case QMetaType::Float:
      return PropertyStore::FloatText(value.toDouble());
    default:
      return PropertyStore::StringText(str(value.toString()));
  }
}

template <typename T>
std::optional<QVariant> asVariant(const std::optional<T>& value) {
  if (!value) return std::nullopt;
  return QVariant::fromValue(*value);
}

// The variant of the same type as `current` read from stored text; none when the
// text is not a valid value of that type.
std::optional<QVariant> variantFromText(const QVariant& current, const std::string& text) {
  switch (current.typeId()) {
    case QMetaType::Bool:
      return asVariant(PropertyStore::BooleanFromText(text));
    case QMetaType::Int:
      return asVariant(PropertyStore::IntegerFromText(text));
    case QMetaType::Double:
    case QMetaType::Float:
      return asVariant(PropertyStore::FloatFromText(text));
    case QMetaType::QString:
      return QVariant(qstr(text));
    default: {
      QVariant converted(qstr(text));
      if (!converted.convert(current.metaType())) return std::nullopt;
      return converted;
    }
  }
}

// --- control access ----------------------------------------------------------

struct StoredProperty {
  QString objectName;
  QString property;  // as written in the store list, e.g. "Checked"
  QString key() const { return objectName + '_' + property; }
};

StoredProperty splitStored(const QString& stored) {
  const qsizetype dot = stored.lastIndexOf('.');
  return {stored.left(dot), stored.mid(dot + 1)};
}

QObject* findControl(QWidget* form, const QString& name) {
  return form->findChild<QObject*>(name);
}

bool isSizeProperty(const QString& property) { return property == "Width" || property == "Height"; }

Qt::Orientation sizeOrientation(const QString& property) {
  return property == "Width" ? Qt::Horizontal : Qt::Vertical;
}

QSplitter* splitterAlong(QWidget* widget, Qt::Orientation orientation) {
  auto* splitter = qobject_cast<QSplitter*>(widget->parentWidget());
  return splitter && splitter->orientation() == orientation ? splitter : nullptr;
}

int paneSize(QWidget* widget, Qt::Orientation orientation) {
  if (QSplitter* splitter = splitterAlong(widget, orientation)) return splitter->sizes().value(splitter->indexOf(widget));
  return orientation == Qt::Horizontal ? widget->width() : widget->height();
}

// Gives the pane `size` pixels, taking the difference from its neighbour in a splitter.
void setPaneSize(QWidget* widget, Qt::Orientation orientation, int size) {
  size = std::clamp(size, 0, MaxWindowExtent);
  if (QSplitter* splitter = splitterAlong(widget, orientation)) {
    QList<int> sizes = splitter->sizes();
    const qsizetype index = splitter->indexOf(widget);
    const qsizetype neighbour = index + 1 < sizes.size() ? index + 1 : index - 1;
    if (neighbour >= 0) sizes[neighbour] = std::max(0, sizes[neighbour] + sizes[index] - size);
    sizes[index] = size;
    splitter->setSizes(sizes);
  } else if (orientation == Qt::Horizontal) {
    widget->resize(size, widget->height());
  } else {
    widget->resize(widget->width(), size);
  }
}

QString qtPropertyName(const QString& property) {
  if (property == "Down") return "checked";
  return property.left(1).toLower() + property.mid(1);
}

// The control's property in its stored text form; none when it has no such property.
std::optional<std::string> controlText(QObject* control, const QString& property) {
  auto* widget = qobject_cast<QWidget*>(control);
  if (isSizeProperty(property) && widget)
    return PropertyStore::IntegerText(paneSize(widget, sizeOrientation(property)));
  if (auto* memo = qobject_cast<QPlainTextEdit*>(control); memo && property == "Text")
    return PropertyStore::StringText(str(memo->toPlainText()));
  const QVariant value = control->property(qtPropertyName(property).toLatin1().constData());
  if (!value.isValid()) return std::nullopt;
  return variantText(value);
}

// Sets the control's property from stored text; an invalid text leaves it unchanged.
void setControlText(QObject* control, const QString& property, const std::string& text) {
  auto* widget = qobject_cast<QWidget*>(control);
  if (isSizeProperty(property) && widget) {
    if (const std::optional<int> size = PropertyStore::IntegerFromText(text))
      setPaneSize(widget, sizeOrientation(property), *size);
    return;
  }
  if (auto* memo = qobject_cast<QPlainTextEdit*>(control); memo && property == "Text") {
    memo->setPlainText(qstr(text));
    return;
  }
  const QByteArray name = qtPropertyName(property).toLatin1();
  const QVariant current = control->property(name.constData());
  if (!current.isValid()) return;
  if (std::optional<QVariant> value = variantFromText(current, text)) control->setProperty(name.constData(), *value);
}

QStringList memoLines(const QPlainTextEdit* memo) {
  const QString text = memo->toPlainText();
  return text.isEmpty() ? QStringList() : text.split('\n');
}

std::vector<std::string> toStrings(const QStringList& lines) {
  std::vector<std::string> result;
  for (const QString& line : lines) result.push_back(str(line));
  return result;
}

QStringList toQStrings(const std::vector<std::string>& lines) {
  QStringList result;
  for (const std::string& line : lines) result << qstr(line);
  return result;
}

// --- placement -----------------------------------------------------------------

QSize primaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize();
}

int currentPixelsPerInch(const QWidget* form) {
  const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

// Left, top, right, bottom of the form's normal rectangle (right and bottom exclusive).
std::array<int, 4> normalEdges(const QWidget* form) {
  const QRect normal = form->normalGeometry().isValid() ? form->normalGeometry() : form->geometry();
  return {normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
}

bool platformPlacesWindows() { return QGuiApplication::platformName().startsWith("wayland"); }

// The rectangle moved (and, for a resizable form, shrunk) into the available area
// of the screen it mostly lies on, or of the primary screen when it lies on none.
QRect broughtOntoScreen(QRect rect, bool resizable) {
  const QScreen* screen = QGuiApplication::screenAt(rect.center());
  if (screen == nullptr) screen = QGuiApplication::screenAt(rect.topLeft());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return rect;
  const QRect area = screen->availableGeometry();
  if (resizable) rect.setSize(rect.size().boundedTo(area.size()));
  rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.left() + area.width() - rect.width())));
  rect.moveTop(std::max(area.top(), std::min(rect.top(), area.top() + area.height() - rect.height())));
  return rect;
}

bool isResizable(const QWidget* form) { return form->minimumSize() != form->maximumSize(); }

int showCmdOf(const QWidget* form) {
  if (form->isMinimized()) return 2;
  if (form->isMaximized()) return 3;
  return 1;
}

void applyShowState(QWidget* form, ShowState state) {
  const Qt::WindowStates plain = form->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
  switch (state) {
    case ShowState::Normal:
      form->setWindowState(plain);
      break;
    case ShowState::Minimised:
      form->setWindowState(form->windowState() | Qt::WindowMinimized);
      break;
    case ShowState::Maximised:
      form->setWindowState(plain | Qt::WindowMaximized);
      break;
    case ShowState::Unchanged:
      break;
  }
}

}  // namespace

FormPropertyStore::FormPropertyStore(QWidget* form, QString section, bool restoreState, QStringList storedProperties)
    : form_(form), section_(std::move(section)), restoreState_(restoreState),
      storedProperties_(std::move(storedProperties)) {
  form->installEventFilter(this);
}

FormPropertyStore::~FormPropertyStore() {
  if (form_ && restored_ && !saved_) writeAll(form_->isVisible());
}

bool FormPropertyStore::eventFilter(QObject* watched, QEvent* event) {
  if (watched == form_ && !event->spontaneous()) {
    if (event->type() == QEvent::Show) {
      if (!restored_) restore();
      saved_ = false;
    } else if (event->type() == QEvent::Hide && restored_ && !saved_) {
      save();
    }
  }
  return QObject::eventFilter(watched, event);
}

void FormPropertyStore::restore() {
  const PropertyStore store(AppIniFileName(), str(section_));
  restorePlacement(store);
  for (const QString& stored : storedProperties_) restoreProperty(store, stored);
  restored_ = true;
}

void FormPropertyStore::save() { writeAll(false); }

WindowPlacement FormPropertyStore::currentPlacement() const {
  WindowPlacement placement;
  placement.flags = flags_;
  placement.showCmd = showCmdOf(form_);
  placement.pixelsPerInch = currentPixelsPerInch(form_);
  placement.minMaxPos = minMaxPos_;
  placement.normPos = normalEdges(form_);
  return placement;
}

void FormPropertyStore::restorePlacement(const PropertyStore& store) {
  const QSize screen = primaryScreenSize();
  const WindowPlacement current = currentPlacement();
  const WindowPlacementRead read = store.restorePlacement(current, screen.width(), screen.height(), restoreState_);
  flags_ = read.flags;
  minMaxPos_ = read.minMaxPos;
  if (read.positionsApply && read.normPos != current.normPos) {
    const std::array<int, 4>& edges = read.normPos;
    applyNormalPosition(QRect(edges[0], edges[1], edges[2] - edges[0], edges[3] - edges[1]));
  }
  applyShowState(form_, read.showState);
}

// Moves the form (and resizes it when it is resizable); where the platform places
// windows itself (Wayland) only the size is restored. A rectangle that does not fit
// the screen it opens on (another monitor, another scale factor) is brought onto that screen.
void FormPropertyStore::applyNormalPosition(const QRect& rect) {
  const bool resizable = isResizable(form_) && rect.width() > 0 && rect.height() > 0 &&
                         rect.width() <= MaxWindowExtent && rect.height() <= MaxWindowExtent;
  const QRect placed = broughtOntoScreen(resizable ? rect : QRect(rect.topLeft(), form_->size()), resizable);
  if (platformPlacesWindows()) {
    if (resizable) form_->resize(placed.size());
  } else if (resizable) {
    form_->setGeometry(placed);
  } else {
    form_->move(placed.topLeft());
  }
}

void FormPropertyStore::restoreProperty(const PropertyStore& store, const QString& stored) {
  const StoredProperty property = splitStored(stored);
  QObject* control = findControl(form_, property.objectName);
  if (!control) return;
  const std::string key = str(property.key());
  if (property.property == "Lines") {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
      memo->setPlainText(toQStrings(store.readStringList(key, toStrings(memoLines(memo)))).join('\n'));
    return;
  }
  if (!store.iniFile().keyExists(store.section(), key)) return;
  if (const std::optional<std::string> current = controlText(control, property.property))
    setControlText(control, property.property, store.readValue(key, *current));
}

void FormPropertyStore::writeAll(bool destroying) {
  saved_ = true;
  try {
    PropertyStore store(AppIniFileName(), str(section_));
    const QSize screen = primaryScreenSize();
    store.beginBatch();
    store.savePlacement(currentPlacement(), screen.width(), screen.height(), destroying);
    for (const QString& stored : storedProperties_) writeProperty(store, stored);
    store.commitBatch();
  } catch (const IniWriteError& error) {
    CurrentDialogProvider().showError(form_, error.what());
  }
}

void FormPropertyStore::writeProperty(PropertyStore& store, const QString& stored) {
  const StoredProperty property = splitStored(stored);
  QObject* control = findControl(form_, property.objectName);
  if (!control) return;
  const std::string key = str(property.key());
  if (property.property == "Lines") {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) store.writeStringList(key, toStrings(memoLines(memo)));
    return;
  }
  if (const std::optional<std::string> text = controlText(control, property.property)) store.writeValue(key, *text);
}

}  // namespace vl::gui
