// Standard output for scripts: names escaped so that none forges a field or a line, and the final flush.
#include "cli/output.h"

#include <cerrno>
#include <cstring>

#include "cli/commands.h"

namespace vl::cli {

std::string EscapedField(std::string_view text) {
  static const char hexDigits[] = "0123456789abcdef";
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      escaped += "\\\\";
    } else if (c == '\t') {
      escaped += "\\t";
    } else if (c == '\n') {
      escaped += "\\n";
    } else if (byte < 0x20 || byte == 0x7f) {
      escaped += {'\\', 'x', hexDigits[byte >> 4], hexDigits[byte & 15]};
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string LineOutput::name(std::string_view text) const {
  return nulTerminated_ ? std::string(text) : EscapedField(text);
}

void LineOutput::write(std::string line, std::FILE* out) const {
  line += nulTerminated_ ? '\0' : '\n';
  std::fwrite(line.data(), 1, line.size(), out);
}

int FinishOutput(int status) {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
  std::fprintf(stderr, "velloran-cli: standard output: %s\n", std::strerror(errno));
  return ExitFailure;
}

}  // namespace vl::cli
