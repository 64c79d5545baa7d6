// Mark by rule: choosing each group's keeper, marking the rest, and the rule's place in the settings file.
#include "core/results/mark_rules.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <unordered_set>

#include "core/components/comma_parse.h"
#include "core/files/paths.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"

namespace vl {

namespace {

const char* const RuleSection = "MarkByRule";
const char* const InsidePrefix = "inside=";

struct CriterionName {
  KeepCriterion criterion;
  const char* name;
};

// The first name of each criterion is the one written; "size" is read as largest.
constexpr CriterionName CriterionNames[] = {
    {KeepCriterion::Resolution, "resolution"},      {KeepCriterion::Largest, "largest"},
    {KeepCriterion::Largest, "size"},               {KeepCriterion::Smallest, "smallest"},
    {KeepCriterion::Newest, "newest"},              {KeepCriterion::Oldest, "oldest"},
    {KeepCriterion::ShortestPath, "shortest-path"}, {KeepCriterion::LongestPath, "longest-path"},
};

// The step a token names; nothing for an unknown name or "inside=" without a folder.
std::optional<KeepStep> parseToken(const std::string& token) {
  if (token.starts_with(InsidePrefix) && token.size() > std::string_view(InsidePrefix).size())
    return KeepStep{KeepCriterion::InsideFolder, token.substr(std::string_view(InsidePrefix).size())};
  for (const CriterionName& known : CriterionNames)
    if (token == known.name) return KeepStep{known.criterion, {}};
  return std::nullopt;
}

std::string tokenOf(const KeepStep& step) {
  if (step.criterion == KeepCriterion::InsideFolder) return InsidePrefix + step.folder;
  for (const CriterionName& known : CriterionNames)
    if (step.criterion == known.criterion) return known.name;
  return {};
}

bool isInside(const std::string& path, const std::string& folder) {
  return !folder.empty() && path.starts_with(AddSlash(folder));
}

int64_t pixels(const TResultEntry& entry) {
  if (entry.Width <= 0 || entry.Height <= 0) return 0;
  return int64_t{entry.Width} * entry.Height;
}

// Below zero when a keeps better than b by the step, above when b does, zero on a tie.
template <typename T>
int preferGreater(T a, T b) {
  return a > b ? -1 : (a < b ? 1 : 0);
}

int compareBy(const KeepStep& step, const TResultEntry& a, const TResultEntry& b) {
  switch (step.criterion) {
    case KeepCriterion::Resolution: return preferGreater(pixels(a), pixels(b));
    case KeepCriterion::Largest: return preferGreater(a.Size, b.Size);
    case KeepCriterion::Smallest: return -preferGreater(a.Size, b.Size);
    case KeepCriterion::Newest: return preferGreater(a.FileDate, b.FileDate);
    case KeepCriterion::Oldest: return -preferGreater(a.FileDate, b.FileDate);
    case KeepCriterion::ShortestPath: return -preferGreater(a.Path.size(), b.Path.size());
    case KeepCriterion::LongestPath: return preferGreater(a.Path.size(), b.Path.size());
    case KeepCriterion::InsideFolder:
      return preferGreater(isInside(a.Path, step.folder), isInside(b.Path, step.folder));
  }
  return 0;
}

bool keepsBetter(const std::vector<KeepStep>& steps, const TResultEntry& a, const TResultEntry& b) {
  for (const KeepStep& step : steps)
    if (const int order = compareBy(step, a, b); order != 0) return order < 0;
  return a.Path < b.Path;
}

bool isProtected(const std::string& path, const std::vector<std::string>& folders) {
  return std::any_of(folders.begin(), folders.end(), [&](const std::string& folder) { return isInside(path, folder); });
}

std::string numberedKey(const char* name, size_t index) { return name + std::to_string(index + 1); }

}  // namespace

std::vector<KeepStep> ParseKeepCriteria(std::string_view text) {
  std::vector<KeepStep> steps;
  for (const std::string& token : TCommaParse::SplitText(text, ',')) {
    const auto step = parseToken(token);
    if (!step) throw std::invalid_argument("unknown keep criterion: " + token);
    steps.push_back(*step);
  }
  return steps;
}

std::string KeepCriteriaText(const std::vector<KeepStep>& steps) {
  std::string text;
  for (const KeepStep& step : steps) {
    std::string token = tokenOf(step);
    if (token.find_first_of(",\"") != std::string::npos) {
      std::string quoted = "\"";
      for (const char c : token) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
      token = quoted + '"';
    }
    text += (text.empty() ? "" : ",") + token;
  }
  return text;
}

const TResultEntry* KeeperOf(const TResultEntry& base, const std::vector<KeepStep>& steps) {
  const TResultEntry* keeper = nullptr;
  for (const TResultEntry* entry = &base; entry != nullptr; entry = entry->Next)
    if (entry->Gone == 0 && (keeper == nullptr || keepsBetter(steps, *entry, *keeper))) keeper = entry;
  return keeper;
}

MarkRuleOutcome ApplyMarkRule(ResultsModel& results, const MarkRule& rule) {
  MarkRuleOutcome outcome;
  std::unordered_set<std::string> kept;
  for (const BaseGroupItem& group : results.FBaseGroups())
    if (const TResultEntry* keeper = KeeperOf(*group.Base, rule.keep)) {
      kept.insert(keeper->Path);
      ++outcome.groups;
    }
  for (const BaseGroupItem& group : results.FBaseGroups())
    for (TResultEntry* entry = group.Base; entry != nullptr; entry = entry->Next) {
      if (entry->Gone != 0) continue;
      const bool mark = !kept.contains(entry->Path) && !isProtected(entry->Path, rule.protectedFolders);
      entry->Marked = mark ? 1 : 0;
      outcome.marked += mark ? 1 : 0;
    }
  return outcome;
}

void UnmarkAll(ResultsModel& results) {
  for (const auto& entry : results.FResultEntries()) entry->Marked = 0;
}

MarkRule LoadMarkRule() {
  MarkRule rule;
  for (const IniFile::KeyValue& pair : IniFile(AppIniFileName()).readSection(RuleSection)) {
    const std::string key = UpperAscii(pair.key);
    if (key.starts_with("KEEP")) {
      if (const auto step = parseToken(pair.value)) rule.keep.push_back(*step);
    } else if (key.starts_with("PROTECT") && !pair.value.empty()) {
      rule.protectedFolders.push_back(pair.value);
    } else if (key == "APPLYAFTERSCAN") {
      rule.applyAfterScan = UpperAscii(pair.value) == "TRUE";
    }
  }
  return rule;
}

void SaveMarkRule(const MarkRule& rule) {
  std::vector<IniFile::KeyValue> pairs;
  for (size_t i = 0; i < rule.keep.size(); ++i) pairs.push_back({numberedKey("Keep", i), tokenOf(rule.keep[i])});
  for (size_t i = 0; i < rule.protectedFolders.size(); ++i)
    pairs.push_back({numberedKey("Protect", i), rule.protectedFolders[i]});
  pairs.push_back({"ApplyAfterScan", rule.applyAfterScan ? "True" : "False"});
  IniFile(AppIniFileName()).writeSection(RuleSection, pairs);
}

}  // namespace vl
