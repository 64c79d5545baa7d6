// A small parser for the subcommands' options and operands.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace vl::cli {

// Options are "--name" flags or "--name VALUE" (also "--name=VALUE"); values of an
// option given more than once are kept in order. "--help" and "-h" are the flag
// "help" of every command, "-0" is the flag "0" where flagOptions hold it. Any other
// argument beginning with "-" (but "-" itself) is an unknown option; everything else,
// and every argument after "--", is an operand.
class ParsedArgs {
 public:
  // valueOptions: the options that take a value; flagOptions: those that do not.
  // Throws UsageError for an unknown option or a missing value.
  ParsedArgs(const Args& args, const std::vector<std::string>& valueOptions,
             const std::vector<std::string>& flagOptions);

  bool has(const std::string& name) const;
  bool wantsHelp() const { return has("help"); }
  std::optional<std::string> value(const std::string& name) const;
  const std::vector<std::string>& values(const std::string& name) const;
  const std::vector<std::string>& operands() const { return operands_; }
  // The value of an integer option, or `fallback` when it is absent; throws UsageError when not a number.
  int intValue(const std::string& name, int fallback) const;

 private:
  void addShortOption(const std::string& arg, const std::vector<std::string>& flagOptions);
  void addLongOption(const Args& args, size_t& i, const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flagOptions);

  std::map<std::string, std::vector<std::string>> values_;
  std::vector<std::string> flags_;
  std::vector<std::string> operands_;
};

// Bad usage: exit status 2 with the text; withHint adds the pointer to the command's --help.
struct UsageError {
  std::string text;
  bool withHint = true;
};

// True when the parsed arguments ask for help; prints usage to standard output then.
bool WantsHelp(const ParsedArgs& parsed, const char* usage);
// Prints "velloran-cli: <text>" and the usage to standard error; returns ExitUsage.
int UsageFailure(const std::string& text, const char* usage);

// The flags that override the setting "Also compare newer picture types (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, camera raw
// pictures", and what they make of the setting's value; throws UsageError when both
// are given.
inline const char* const ModernFormatsFlag = "modern-formats";
inline const char* const ClassicFormatsFlag = "classic-formats";
bool ModernTypesOf(const ParsedArgs& parsed, bool setting);

}  // namespace vl::cli
