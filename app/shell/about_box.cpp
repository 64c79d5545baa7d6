// Building the About box and finding the kernel version and the physical memory it shows.
#include "app/shell/about_box.h"

#include <sys/sysinfo.h>
#include <sys/utsname.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "app/components/desktop_shell.h"
#include "app/components/action_icons.h"
#include "core/settings/settings.h"

namespace vl::gui {
namespace {

const char* const ProgramName = "Velloran";
const char* const LegalText = "Copyright \u00a9 2026 The Velloran developers. Free software: GNU GPL v3 or later.";
const char* const WebAddress = "https://velloran.org/";

QLabel* addLine(QVBoxLayout* layout, const QString& objectName, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(objectName);
  layout->addWidget(label);
  return label;
}

}  // namespace

KernelVersion ParseKernelRelease(const QString& release) {
  const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^(\\d+)\\.(\\d+)")).match(release);
  if (!match.hasMatch()) return {};
  return {match.captured(1).toInt(), match.captured(2).toInt()};
}

KernelVersion RunningKernelVersion() {
  utsname names{};
  if (uname(&names) != 0) return {};
  return ParseKernelRelease(QString::fromLocal8Bit(names.release));
}

qulonglong PhysicalMemoryKilobytes() {
  struct sysinfo info {};
  if (sysinfo(&info) != 0) return 0;
  return static_cast<qulonglong>(info.totalram) * info.mem_unit / 1024;
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("About %1").arg(QLatin1String(ProgramName)));
  const QLocale locale;
  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel;
  picture->setObjectName(QStringLiteral("ProgramIcon"));
  const QIcon icon = QApplication::windowIcon().isNull() ? BuiltInActionIcon(ActionGlyph::Scan) : QApplication::windowIcon();
  picture->setPixmap(icon.pixmap(QSize(48, 48), devicePixelRatioF()));
  layout->addWidget(picture);
  QLabel* name = addLine(layout, QStringLiteral("ProductName"), QLatin1String(ProgramName));
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.4);
  name->setFont(bold);
  addLine(layout, QStringLiteral("Version"), tr("Version %1   ").arg(QLatin1String(VELLORAN_VERSION)));
  addLine(layout, QStringLiteral("Copyright"), QString::fromUtf8(LegalText));
  const QDate fileDate = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
  addLine(layout, QStringLiteral("FileDate"),
          tr("File Date : %1").arg(locale.toString(fileDate, QLocale::LongFormat)));
  const KernelVersion kernel = RunningKernelVersion();
  addLine(layout, QStringLiteral("OSVersion"), tr("Linux:  %1.%2   ").arg(kernel.major).arg(kernel.minor));
  addLine(layout, QStringLiteral("PhysMem"),
          tr("Physical memory:  %1 K").arg(locale.toString(PhysicalMemoryKilobytes())));
  QLabel* settings = addLine(layout, QStringLiteral("SettingsFile"),
                             tr("Settings: %1").arg(QString::fromStdString(AppIniFileName())));
  settings->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QLabel* address = addLine(layout, QStringLiteral("WebAddress"),
                            QStringLiteral("<a href=\"%1\">%1</a>").arg(QLatin1String(WebAddress)));
  // The opener belongs to the main window: it may outlive this box.
  QObject* opener = parent ? static_cast<QObject*>(parent) : qApp;
  connect(address, &QLabel::linkActivated, opener,
          [opener](const QString& link) { OpenDocumentInBackground(link.toStdString(), opener, {}); });
  address->setTextInteractionFlags(Qt::TextBrowserInteraction);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->setObjectName(QStringLiteral("OKButton"));
  buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vl::gui
