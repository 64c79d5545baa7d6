// Restoring and saving a form's placement and stored properties through the settings file.
#include "app/shell/form_property_store.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/dialogs/dialog_provider.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"

namespace vl::gui {
namespace {

constexpr int maxStoredLines = 100000;
constexpr int maxWindowExtent = 32767;

std::string str(const QString& text) { return text.toStdString(); }
QString qstr(const std::string& text) { return QString::fromStdString(text); }

// --- value forms -------------------------------------------------------------

QString boolText(bool value) { return value ? "True" : "False"; }

std::optional<bool> parseBool(const QString& text) {
  if (text.compare("True", Qt::CaseInsensitive) == 0) return true;
  if (text.compare("False", Qt::CaseInsensitive) == 0) return false;
  return std::nullopt;
}

// A text that the reader's quote stripping would change gets one more pair of quotes.
QString quotedForIni(const QString& text) {
  const bool wrapped = text.size() >= 1 && ((text.startsWith('"') && text.endsWith('"')) ||
                                            (text.startsWith('\'') && text.endsWith('\'')));
  return wrapped ? '"' + text + '"' : text;
}

QString variantText(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Bool:
      return boolText(value.toBool());
    case QMetaType::Double:
    case QMetaType::Float:
      return QString::number(value.toDouble(), 'g', 15);
    default:
      return value.toString();
  }
}

// The variant of the same type as `current` read from text; none when the text is not one.
std::optional<QVariant> variantFromText(const QVariant& current, const QString& text) {
  bool ok = true;
  switch (current.typeId()) {
    case QMetaType::Bool:
      if (auto b = parseBool(text)) return QVariant(*b);
      return std::nullopt;
    case QMetaType::Int: {
      const int value = text.trimmed().toInt(&ok);
      return ok ? std::optional<QVariant>(value) : std::nullopt;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
      const double value = text.trimmed().toDouble(&ok);
      return ok && std::isfinite(value) ? std::optional<QVariant>(value) : std::nullopt;
    }
    case QMetaType::QString:
      return QVariant(text);
    default: {
      QVariant converted(text);
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
  size = std::clamp(size, 0, maxWindowExtent);
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

// The control's property as the text of its value form; none when it has no such property.
std::optional<QString> controlText(QObject* control, const QString& property) {
  auto* widget = qobject_cast<QWidget*>(control);
  if (isSizeProperty(property) && widget) return QString::number(paneSize(widget, sizeOrientation(property)));
  if (auto* memo = qobject_cast<QPlainTextEdit*>(control); memo && property == "Text") return memo->toPlainText();
  const QVariant value = control->property(qtPropertyName(property).toLatin1().constData());
  if (!value.isValid()) return std::nullopt;
  return variantText(value);
}

void setControlText(QObject* control, const QString& property, const QString& text) {
  auto* widget = qobject_cast<QWidget*>(control);
  if (isSizeProperty(property) && widget) {
    bool ok = false;
    const int size = text.trimmed().toInt(&ok);
    if (ok) setPaneSize(widget, sizeOrientation(property), size);
    return;
  }
  if (auto* memo = qobject_cast<QPlainTextEdit*>(control); memo && property == "Text") {
    memo->setPlainText(text);
    return;
  }
  const QByteArray name = qtPropertyName(property).toLatin1();
  const QVariant current = control->property(name.constData());
  if (!current.isValid()) return;
  if (std::optional<QVariant> value = variantFromText(current, text)) control->setProperty(name.constData(), *value);
}

// --- placement -----------------------------------------------------------------

QString screenSizeSuffix() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->size() : QSize();
  return QString("(%1x%2)").arg(size.width()).arg(size.height());
}

int currentPixelsPerInch(const QWidget* form) {
  const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

// The value under the screen-size key, else under the plain key ("" when neither).
QString readSizedKey(const IniFile& ini, const std::string& section, const QString& key) {
  const std::string sized = ini.readString(section, str(key + screenSizeSuffix()), "");
  return qstr(sized.empty() ? ini.readString(section, str(key), "") : sized);
}

// Four comma-separated whole numbers; a missing or invalid one takes its fallback.
std::array<int, 4> splitFour(const QString& text, const std::array<int, 4>& fallback) {
  const QStringList parts = text.split(',');
  std::array<int, 4> result = fallback;
  for (int i = 0; i < 4 && i < parts.size(); ++i) {
    bool ok = false;
    const int value = parts[i].trimmed().toInt(&ok);
    if (ok) result[i] = value;
  }
  return result;
}

QString joinFour(const std::array<int, 4>& values) {
  return QString("%1,%2,%3,%4").arg(values[0]).arg(values[1]).arg(values[2]).arg(values[3]);
}

bool platformPlacesWindows() { return QGuiApplication::platformName().startsWith("wayland"); }

bool onSomeScreen(const QRect& rect) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  return std::any_of(screens.begin(), screens.end(),
                     [&](const QScreen* screen) { return screen->availableGeometry().intersects(rect); });
}

bool isResizable(const QWidget* form) { return form->minimumSize() != form->maximumSize(); }

int showCmdOf(const QWidget* form) {
  if (form->isMinimized()) return 2;
  if (form->isMaximized()) return 3;
  return 1;
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
  const IniFile ini(AppIniFileName());
  restorePlacement(ini);
  for (const QString& stored : storedProperties_) restoreProperty(ini, stored);
  restored_ = true;
}

void FormPropertyStore::save() { writeAll(false); }

void FormPropertyStore::restorePlacement(const IniFile& ini) {
  const std::string section = str(section_);
  flags_ = ini.readInteger(section, "Flags", flags_);
  minMaxPos_ = splitFour(readSizedKey(ini, section, "MinMaxPos"), {0, 0, 0, 0});
  const QString normPos = readSizedKey(ini, section, "NormPos");
  const int pixelsPerInch = currentPixelsPerInch(form_);
  if (!normPos.isEmpty() && ini.readInteger(section, "PixelsPerInch", pixelsPerInch) == pixelsPerInch) {
    const QRect current = form_->normalGeometry().isValid() ? form_->normalGeometry() : form_->geometry();
    const std::array<int, 4> edges = splitFour(
        normPos, {current.left(), current.top(), current.left() + current.width(), current.top() + current.height()});
    applyNormalPosition(QRect(QPoint(edges[0], edges[1]), QPoint(edges[2] - 1, edges[3] - 1)));
  }
  if (restoreState_) restoreShowState(ini);
}

// Moves the form (and resizes it when it is resizable) unless the platform places
// windows itself or the stored rectangle lies on no screen.
void FormPropertyStore::applyNormalPosition(const QRect& rect) {
  if (platformPlacesWindows() || !onSomeScreen(rect)) return;
  if (isResizable(form_) && rect.width() > 0 && rect.height() > 0 && rect.width() <= maxWindowExtent &&
      rect.height() <= maxWindowExtent) {
    form_->setGeometry(rect);
  } else {
    form_->move(rect.topLeft());
  }
}

void FormPropertyStore::restoreShowState(const IniFile& ini) {
  switch (ini.readInteger(str(section_), "ShowCmd", 0)) {
    case 1: case 5: case 9:
      form_->setWindowState(form_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
      break;
    case 2: case 6: case 7:
      form_->setWindowState(form_->windowState() | Qt::WindowMinimized);
      break;
    case 3:
      form_->setWindowState((form_->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
      break;
    default:
      break;
  }
}

void FormPropertyStore::restoreProperty(const IniFile& ini, const QString& stored) {
  const StoredProperty property = splitStored(stored);
  QObject* control = findControl(form_, property.objectName);
  if (!control) return;
  const std::string section = str(section_);
  if (property.property == "Lines") {
    auto* memo = qobject_cast<QPlainTextEdit*>(control);
    const std::string listSection = section + "." + str(property.key());
    if (!memo || !ini.sectionExists(listSection)) return;
    const int count = std::clamp(ini.readInteger(listSection, "Count", 0), 0, maxStoredLines);
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << qstr(ini.readString(listSection, "Item" + std::to_string(i), ""));
    memo->setPlainText(lines.join('\n'));
    return;
  }
  if (!ini.keyExists(section, str(property.key()))) return;
  const std::optional<QString> current = controlText(control, property.property);
  if (!current) return;
  setControlText(control, property.property, qstr(ini.readString(section, str(property.key()), str(*current))));
}

void FormPropertyStore::writeAll(bool destroying) {
  saved_ = true;
  try {
    IniFile ini(AppIniFileName());
    writePlacement(ini, destroying);
    for (const QString& stored : storedProperties_) writeProperty(ini, stored);
  } catch (const IniWriteError& error) {
    CurrentDialogProvider().showError(form_, error.what());
  }
}

void FormPropertyStore::writePlacement(IniFile& ini, bool destroying) {
  const std::string section = str(section_);
  const QRect normal = form_->normalGeometry().isValid() ? form_->normalGeometry() : form_->geometry();
  const QString normPos = joinFour({normal.left(), normal.top(), normal.left() + normal.width(),
                                    normal.top() + normal.height()});
  const QString minMaxPos = joinFour(minMaxPos_);
  const QString suffix = screenSizeSuffix();
  ini.writeString(section, "Flags", std::to_string(flags_));
  ini.writeString(section, "ShowCmd", std::to_string(showCmdOf(form_)));
  ini.writeString(section, "PixelsPerInch", std::to_string(currentPixelsPerInch(form_)));
  ini.writeString(section, "MinMaxPos", str(minMaxPos));
  ini.writeString(section, str("MinMaxPos" + suffix), str(minMaxPos));
  ini.writeString(section, "NormPos", str(normPos));
  ini.writeString(section, str("NormPos" + suffix), str(normPos));
  ini.writeString(section, "Visible", destroying ? "1" : "0");
}

void FormPropertyStore::writeProperty(IniFile& ini, const QString& stored) {
  const StoredProperty property = splitStored(stored);
  QObject* control = findControl(form_, property.objectName);
  if (!control) return;
  const std::string section = str(section_);
  if (property.property == "Lines") {
    auto* memo = qobject_cast<QPlainTextEdit*>(control);
    if (!memo) return;
    const std::string listSection = section + "." + str(property.key());
    ini.eraseSection(listSection);
    const QString text = memo->toPlainText();
    if (text.isEmpty()) return;
    const QStringList lines = text.split('\n');
    ini.writeString(listSection, "Count", std::to_string(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
      ini.writeString(listSection, "Item" + std::to_string(i), str(quotedForIni(lines[i])));
    return;
  }
  if (const std::optional<QString> text = controlText(control, property.property))
    ini.writeString(section, str(property.key()), str(quotedForIni(*text)));
}

}  // namespace vl::gui
