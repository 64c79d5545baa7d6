// A small parser for the subcommands' options and operands.
#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <cstdio>


namespace vl::cli {

namespace {

bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

ParsedArgs::ParsedArgs(const Args& args, const std::vector<std::string>& valueOptions,
                       const std::vector<std::string>& flagOptions) {
  bool onlyOperands = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyOperands || arg.size() < 2 || arg[0] != '-') {
      operands_.push_back(arg);
    } else if (arg == "--") {
      onlyOperands = true;
    } else if (arg[1] != '-') {
      addShortOption(arg, flagOptions);
    } else {
      addLongOption(args, i, valueOptions, flagOptions);
    }
  }
}

void ParsedArgs::addShortOption(const std::string& arg, const std::vector<std::string>& flagOptions) {
  if (arg == "-h") {
    flags_.push_back("help");
  } else if (arg == "-0" && contains(flagOptions, "0")) {
    flags_.push_back("0");
  } else {
    throw UsageError{"unknown option " + arg + " (an operand beginning with \"-\" goes after \"--\")"};
  }
}

void ParsedArgs::addLongOption(const Args& args, size_t& i, const std::vector<std::string>& valueOptions,
                               const std::vector<std::string>& flagOptions) {
  std::string name = args[i].substr(2);
  std::optional<std::string> inlineValue;
  if (const size_t eq = name.find('='); eq != std::string::npos) {
    inlineValue = name.substr(eq + 1);
    name.resize(eq);
  }
  if (contains(valueOptions, name)) {
    if (!inlineValue) {
      if (i + 1 >= args.size()) throw UsageError{"option --" + name + " needs a value"};
      inlineValue = args[++i];
    }
    values_[name].push_back(*inlineValue);
  } else if ((name == "help" || contains(flagOptions, name)) && !inlineValue) {
    flags_.push_back(name);
  } else {
    throw UsageError{"unknown option --" + name};
  }
}

bool ParsedArgs::has(const std::string& name) const { return contains(flags_, name) || values_.count(name) > 0; }

std::optional<std::string> ParsedArgs::value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

const std::vector<std::string>& ParsedArgs::values(const std::string& name) const {
  static const std::vector<std::string> none;
  const auto it = values_.find(name);
  return it == values_.end() ? none : it->second;
}

int ParsedArgs::intValue(const std::string& name, int fallback) const {
  const auto text = value(name);
  if (!text) return fallback;
  int result = 0;
  const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), result);
  if (ec != std::errc() || end != text->data() + text->size()) {
    throw UsageError{"option --" + name + " needs a whole number, not '" + *text + "'"};
  }
  return result;
}

bool WantsHelp(const ParsedArgs& parsed, const char* usage) {
  if (parsed.wantsHelp()) std::fputs(usage, stdout);
  return parsed.wantsHelp();
}

int UsageFailure(const std::string& text, const char* usage) {
  std::fprintf(stderr, "velloran-cli: %s\n", text.c_str());
  std::fputs(usage, stderr);
  return ExitUsage;
}

bool ModernTypesOf(const ParsedArgs& parsed, bool setting) {
  if (parsed.has(ModernFormatsFlag) && parsed.has(ClassicFormatsFlag))
    throw UsageError{"--modern-formats and --classic-formats exclude each other"};
  if (parsed.has(ModernFormatsFlag)) return true;
  return parsed.has(ClassicFormatsFlag) ? false : setting;
}

}  // namespace vl::cli
