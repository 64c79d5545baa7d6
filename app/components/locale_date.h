// Dates as the lists show them: a date-time double in the locale's format.
#pragma once

#include <string>

namespace vl::gui {

// A date-time double (days since 30 December 1899, local time) in the locale's
// short date and long time format, without a time zone.
std::string LocaleDateText(double dateTime);

}  // namespace vl::gui
