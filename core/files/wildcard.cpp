// Matching a text against a pattern of literal characters and the wildcards * ? # @.
#include "core/files/wildcard.h"

#include <cstddef>

namespace vl {

namespace {

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool isLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// One pattern character (not "*") against one text character.
bool charactersMatch(unsigned char c, unsigned char t, bool ignoreCase) {
  if (c == '?' || t == c) return true;
  if (c == '#' && isDigit(t)) return true;
  if (c == '@' && isLetter(t)) return true;
  return ignoreCase && c <= 'z' && t >= 'A' && t <= 'z' && (t ^ 0x20) == c;
}

}  // namespace

bool WildcardMatch(std::string_view text, std::string_view pattern, bool ignoreCase) {
  if (text.empty() || pattern.empty()) return false;
  size_t p = 0;
  size_t t = 0;
  bool haveStar = false;
  size_t afterStar = 0;  // pattern position after the last "*"
  size_t starText = 0;   // text position where that "*" began to match
  while (p < pattern.size()) {
    const unsigned char c = static_cast<unsigned char>(pattern[p++]);
    if (c == '*') {
      haveStar = true;
      afterStar = p;
      starText = t;
      continue;
    }
    if (t >= text.size()) return false;
    if (charactersMatch(c, static_cast<unsigned char>(text[t++]), ignoreCase)) continue;
    if (!haveStar) return false;
    p = afterStar;
    t = ++starText;
  }
  return true;
}

}  // namespace vl
