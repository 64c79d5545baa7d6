// The About box: program name, version, file date, kernel version and memory.
#pragma once

#include <QDialog>
#include <QString>

namespace vl::gui {

// The running kernel's "major.minor" as two numbers (0, 0 when unknown).
struct KernelVersion {
  int major = 0;
  int minor = 0;
};
KernelVersion RunningKernelVersion();
// Parses a kernel release text such as "6.1.0-13-amd64".
KernelVersion ParseKernelRelease(const QString& release);
// Total physical memory in kilobytes (0 when unknown).
qulonglong PhysicalMemoryKilobytes();

// Modal dialog "About Velloran" with the lines of the About box and an "OK" button;
// the address label opens its web address in the desktop's browser.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent);
};

}  // namespace vl::gui
