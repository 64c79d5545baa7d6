// The program's settings object and its change signal.
#include "app/components/app_settings.h"

namespace vl::gui {

void AppSettings::setValues(const Settings& values) {
  if (values == values_) return;
  values_ = values;
  emit changed();
}

void AppSettings::setUseDeletedList(bool use) {
  Settings values = values_;
  values.useDeletedList = use;
  setValues(values);
}

AppSettings& CurrentSettings() {
  static AppSettings settings;
  return settings;
}

}  // namespace vl::gui
