// Telling file names that carry a copy marker (" (copy)", " - Copy", "Copy of ", " (1)", "_1") from plain ones.
#pragma once

#include <string_view>

namespace vl {

// How many copy markers the file name of `path` carries, taken off its end (and
// its front) one after the other: 0 for "sunset.jpg" and "IMG_1234.jpg", 1 for
// "sunset (copy).jpg", "sunset - Copy.jpg", "Copy of sunset.jpg", "sunset (1).jpg",
// "sunset_1.jpg" and "sunset copy.jpg", 2 for "sunset - Copy (2).jpg". A marker is
// a copy word (English and the common desktop translations, any letter case) after
// a separator or in parentheses, optionally numbered; a number in parentheses; a
// bare number of one or two digits without a leading zero after "_", "-" or a space
// (so camera numbers such as "_1234" or "_0001" are none); or a leading "Copy of ".
// A marker never takes the whole name. O(name length) per marker.
int CopyMarkerCount(std::string_view path);

}  // namespace vl
