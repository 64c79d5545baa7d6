// The core's texts through an installed translator, and in English without one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/components/user_text.h"
#include "core/scan/scan_driver.h"

namespace vl {
namespace {

// A German translator for two texts of the scan summary; the rest stays English.
std::string german(const char* context, const char* text, const char*, int) {
  if (std::strcmp(context, "vl::core") != 0) return text;
  if (std::strcmp(text, "Found %1 possible duplicates in %2.") == 0) return "In %2 fanden sich %1 mögliche Duplikate.";
  if (std::strcmp(text, "%n files marked for Delete.") == 0) return "%n Dateien zum Löschen markiert.";
  return text;
}

std::string summary() {
  ScanOutcome outcome;
  outcome.duplicates = 3;
  outcome.markedCount = 2;
  outcome.seconds = 65;
  return ClosingMessage(outcome, {}).message.text;
}

TEST(UserText, ATranslationReordersItsArgumentsAndTheEnglishStaysWithoutOne) {
  SetTextTranslator(german);
  const std::string translated = summary();
  SetTextTranslator(nullptr);
  EXPECT_NE(translated.find("In 0:1:05 fanden sich 3 mögliche Duplikate.\n\n2 Dateien zum Löschen markiert."),
            std::string::npos)
      << translated;
  EXPECT_EQ(summary(),
            "Finished Scanning for Duplicates.\n\nFound 3 possible duplicates in 0:1:05.\n\n2 files marked for "
            "Delete.\n\n0 files automatically deleted.");
  // An argument is put in once, never read again for places; a lone % stays.
  EXPECT_EQ(FormatText("%2 of %1: 100%", {"a%2", "b"}), "b of a%2: 100%");
}

}  // namespace
}  // namespace vl
