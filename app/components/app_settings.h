// The window side of the settings: the values every window reads, and a signal when they change.
#pragma once

#include <QObject>

#include "core/settings/settings.h"

namespace vl::gui {

// The settings of the running program. They are read from the settings file at
// start-up; the configure dialog writes through setValues when it closes and the
// toolbar's "Use Deleted List." toggle through setUseDeletedList (a change the file
// does not keep). Readers take the values when they act, so a scan or a deletion
// uses the settings as they are at its start. Lives on the window's thread.
class AppSettings : public QObject {
  Q_OBJECT
 public:
  const Settings& values() const { return values_; }
  // Replaces the values; `changed` follows when they differ.
  void setValues(const Settings& values);
  void setUseDeletedList(bool use);

 signals:
  void changed();

 private:
  Settings values_;
};

// The program's settings object (one per process, created with its defaults on first use).
AppSettings& CurrentSettings();

}  // namespace vl::gui
