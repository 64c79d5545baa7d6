// The elapsed-time text of the scan and database summaries.
#pragma once

#include <string>

namespace vl {

// "h:n:ss": hours and minutes without leading zeros, seconds with two digits.
std::string ElapsedText(double seconds);

}  // namespace vl
