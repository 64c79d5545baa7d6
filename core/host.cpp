// The progress and size texts.
#include "core/host.h"

#include "core/components/user_text.h"

#include <cstdio>
#include <iterator>

namespace vl {

void ShowJobMessage(Host& host, const JobMessage& message) {
  host.showDetailedMessage(message.kind, message.text, message.details);
}

std::string ProgressText(size_t current, size_t total) { return std::to_string(current) + " / " + std::to_string(total); }

std::string SizeText(uint64_t bytes) {
  if (bytes < 1024) return UserText("vl::core", "%n bytes", nullptr, int(bytes));
  static const char* const units[] = {"KB", "MB", "GB", "TB"};
  double value = static_cast<double>(bytes) / 1024;
  size_t unit = 0;
  for (; value >= 1024 && unit + 1 < std::size(units); ++unit) value /= 1024;
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
  return text;
}

}  // namespace vl
