// Standard output for scripts: names escaped so that none forges a field or a line, and the final flush.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// The escaping rule and -0, as every command's --help states it.
#define VELLORAN_ESCAPE_HELP                                                                 \
  "Names are escaped: a backslash is written \\\\, a tab \\t, a line feed \\n and any other\n" \
  "control byte \\xHH (two lower-case hexadecimal digits). With -0 names are written as\n"    \
  "they are and every line ends with a NUL byte instead of a line feed.\n"

namespace vl::cli {

// The text with "\\" for a backslash, "\t" for a tab, "\n" for a line feed and "\xHH"
// for every other byte below 0x20 and for 0x7f; other bytes are kept. O(length).
std::string EscapedField(std::string_view text);

// Lines for standard output. By default names are escaped and lines end in a line
// feed; with nulTerminated (-0) names are kept as they are and lines end in NUL.
class LineOutput {
 public:
  explicit LineOutput(bool nulTerminated = false) : nulTerminated_(nulTerminated) {}

  // A field that holds a name.
  std::string name(std::string_view text) const;
  // Writes the line and its end to out.
  void write(std::string line, std::FILE* out = stdout) const;

 private:
  bool nulTerminated_;
};

// Flushes standard output: status when that worked, else ExitFailure after
// "velloran-cli: standard output: REASON" on standard error.
int FinishOutput(int status);

}  // namespace vl::cli
