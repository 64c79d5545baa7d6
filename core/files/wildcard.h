// Matching a text against a pattern of literal characters and the wildcards * ? # @.
#pragma once

#include <string_view>

namespace vl {

// True when the pattern, matched from the left, is used up against the text: "*" any
// run of characters (none included), "?" any character, "#" a digit, "@" a letter A..Z
// or a..z, anything else itself. Only the last "*" is backtracked to, and text left
// over after the pattern is accepted ("*.jpg" matches "a.jpg.bak"). With ignoreCase a
// text byte from "A" to "z" also matches when flipping its bit 0x20 gives a pattern byte
// not above "z" (so bytes above 0x7f are never folded). An empty text or pattern never
// matches. Works on bytes, allocates nothing; O(text length × pattern length).
bool WildcardMatch(std::string_view text, std::string_view pattern, bool ignoreCase);

}  // namespace vl
