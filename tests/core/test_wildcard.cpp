// Wildcard matcher: the four wildcards, the single backtracking point, 7-bit case folding.
#include <gtest/gtest.h>

#include "core/files/wildcard.h"

namespace vl {

// An empty text or pattern never matches; the text need not be used up.
TEST(Wildcard, TheFourWildcardsAndAnUnusedRest) {
  EXPECT_FALSE(WildcardMatch("", "*", false));
  EXPECT_FALSE(WildcardMatch("a", "", false));
  EXPECT_TRUE(WildcardMatch("x", "*", false));
  EXPECT_TRUE(WildcardMatch("abc", "ab", false));
  EXPECT_FALSE(WildcardMatch("ab", "abc", false));
  EXPECT_TRUE(WildcardMatch("a.jpg.bak", "*.jpg", false));
  EXPECT_TRUE(WildcardMatch("5", "#", false));
  EXPECT_TRUE(WildcardMatch("#", "#", false));
  EXPECT_FALSE(WildcardMatch("x", "#", false));
  for (const char* text : {"Q", "q", "@"}) EXPECT_TRUE(WildcardMatch(text, "@", false)) << text;
  for (const char* text : {"5", "_", "`"}) EXPECT_FALSE(WildcardMatch(text, "@", false)) << text;
  EXPECT_TRUE(WildcardMatch("`", "@", true));
  EXPECT_TRUE(WildcardMatch("\xe9", "?", false));
}

// Only bytes that flip into a..z, A..Z or "@" fold; "[" and "{" stay apart.
TEST(Wildcard, CaseFoldingIsSevenBitOnly) {
  EXPECT_TRUE(WildcardMatch("HOLIDAY.JPG", "*.jpg", true));
  EXPECT_FALSE(WildcardMatch("HOLIDAY.JPG", "*.jpg", false));
  EXPECT_FALSE(WildcardMatch("\xc9", "\xe9", true));
  EXPECT_FALSE(WildcardMatch("[", "{", true));
}

TEST(Wildcard, StarBacktracksOnlyToTheLastStar) {
  EXPECT_TRUE(WildcardMatch("ac", "a*c", false));
  EXPECT_TRUE(WildcardMatch("xaxbxc", "*a**b*c", false));
  EXPECT_FALSE(WildcardMatch("abd", "a*c", false));
  EXPECT_TRUE(WildcardMatch("mississippi", "m*iss*ppi", false));
  EXPECT_FALSE(WildcardMatch("ab", "*abc", false));
  EXPECT_TRUE(WildcardMatch("a", "a***", false));
}

}  // namespace vl
