// A small parser for the subcommands' options and operands.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace vl::cli {

// Options are "--name" flags or "--name VALUE" (also "--name=VALUE"); values of an
// option given more than once are kept in order. Everything else is an operand.
class ParsedArgs {
 public:
  // valueOptions: the options that take a value; flagOptions: those that do not.
  // Throws UsageError for an unknown option or a missing value.
  ParsedArgs(const Args& args, const std::vector<std::string>& valueOptions,
             const std::vector<std::string>& flagOptions);

  bool has(const std::string& name) const;
  std::optional<std::string> value(const std::string& name) const;
  const std::vector<std::string>& values(const std::string& name) const;
  const std::vector<std::string>& operands() const { return operands_; }
  // The value of an integer option, or `fallback` when it is absent; throws UsageError when not a number.
  int intValue(const std::string& name, int fallback) const;

 private:
  std::map<std::string, std::vector<std::string>> values_;
  std::vector<std::string> flags_;
  std::vector<std::string> operands_;
};

struct UsageError {
  std::string text;
};

// True when args ask for help ("--help" or "-h"); prints usage to standard output then.
bool WantsHelp(const Args& args, const char* usage);
// Prints "velloran-cli: <text>" and the usage to standard error; returns ExitUsage.
int UsageFailure(const std::string& text, const char* usage);

}  // namespace vl::cli
