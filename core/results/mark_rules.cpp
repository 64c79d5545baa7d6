// Mark by rule: choosing each group's keeper, marking the rest, and the rule's place in the settings file.
#include "core/results/mark_rules.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "core/components/comma_parse.h"
#include "core/files/paths.h"
#include "core/fingerprint/fingerprint.h"
#include "core/results/copy_names.h"
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
    {KeepCriterion::PlainName, "plain-name"},       {KeepCriterion::TakenEarliest, "taken-earliest"},
    {KeepCriterion::HasCameraData, "has-metadata"}, {KeepCriterion::RawFirst, "raw-first"},
    {KeepCriterion::JpegFirst, "jpeg-first"},
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

PhotoFacts factsOf(const TResultEntry& entry, const PhotoFactsByPath& facts) {
  const auto found = facts.find(entry.Path);
  return found != facts.end() ? found->second : PhotoFacts{};
}

double takenDate(const TResultEntry& entry, const PhotoFactsByPath& facts) {
  return factsOf(entry, facts).taken.value_or(entry.FileDate);
}

bool isType(const TResultEntry& entry, PictureType type) { return PictureTypeOf(entry.Path) == type; }

int compareBy(const KeepStep& step, const TResultEntry& a, const TResultEntry& b, const PhotoFactsByPath& facts) {
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
    case KeepCriterion::PlainName: return -preferGreater(CopyMarkerCount(a.Path), CopyMarkerCount(b.Path));
    case KeepCriterion::TakenEarliest: return -preferGreater(takenDate(a, facts), takenDate(b, facts));
    case KeepCriterion::HasCameraData: return preferGreater(factsOf(a, facts).camera, factsOf(b, facts).camera);
    case KeepCriterion::RawFirst: return preferGreater(isType(a, PictureType::Raw), isType(b, PictureType::Raw));
    case KeepCriterion::JpegFirst: return preferGreater(isType(a, PictureType::Jpeg), isType(b, PictureType::Jpeg));
  }
  return 0;
}

bool keepsBetter(const std::vector<KeepStep>& steps, const PhotoFactsByPath& facts, const TResultEntry& a,
                 const TResultEntry& b) {
  for (const KeepStep& step : steps)
    if (const int order = compareBy(step, a, b, facts); order != 0) return order < 0;
  return a.Path < b.Path;
}

// Tells whether a path lies below one of the protected folders: by the device and
// inode of each folder above it, or, for folders that cannot be examined (a file
// gone since the scan), by the cleaned path text. One stat per distinct folder asked about.
class ProtectedFolders {
 public:
  explicit ProtectedFolders(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
      if (folder.empty()) continue;
      texts_.push_back(AddSlash(NormalPath(folder)));
      if (char* real = ::realpath(folder.c_str(), nullptr)) {
        texts_.push_back(AddSlash(real));
        std::free(real);
      }
      if (const auto identity = identityOf(folder)) identities_.insert(*identity);
    }
  }

  bool covers(const std::string& path) {
    if (texts_.empty()) return false;
    const std::string cleaned = NormalPath(path);
    const auto below = [&cleaned](const std::string& text) { return cleaned.starts_with(text); };
    return std::any_of(texts_.begin(), texts_.end(), below) || folderCovered(FolderOf(cleaned));
  }

 private:
  using Identity = std::pair<dev_t, ino_t>;

  static std::optional<Identity> identityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return Identity{st.st_dev, st.st_ino};
  }

  // True when the folder (ending in "/") or one above it is a protected one.
  bool folderCovered(const std::string& folder) {
    if (folder.empty()) return false;
    if (const auto known = answers_.find(folder); known != answers_.end()) return known->second;
    const auto identity = identityOf(folder);
    std::string parent = folder.size() > 1 ? FolderOf(folder.substr(0, folder.size() - 1)) : std::string();
    const bool covered = (identity && identities_.contains(*identity)) || folderCovered(parent);
    answers_.emplace(folder, covered);
    return covered;
  }

  std::vector<std::string> texts_;
  std::set<Identity> identities_;
  std::unordered_map<std::string, bool> answers_;
};

// Whether each entry takes part, in the order ApplyMarkRule walks the groups: every
// present entry that marking may choose (MarkableByRule), or with amongMarked the
// base and marked duplicates among them of the groups that have at least two.
std::vector<bool> takingPart(const ResultsModel& results, bool amongMarked) {
  std::vector<bool> part;
  for (const BaseGroupItem& group : results.FBaseGroups()) {
    const size_t first = part.size();
    size_t count = 0;
    for (const TResultEntry* entry = group.base; entry != nullptr; entry = entry->Next) {
      const bool takes = entry->Gone == 0 && MarkableByRule(*entry) &&
                         (!amongMarked || entry == group.base || entry->Marked != 0);
      part.push_back(takes);
      count += takes ? 1 : 0;
    }
    if (amongMarked && count < 2) std::fill(part.begin() + static_cast<std::ptrdiff_t>(first), part.end(), false);
  }
  return part;
}

// The best entry of a group among those taking part (from index `at` of `part` on).
const TResultEntry* keeperAmong(const TResultEntry* base, const std::vector<KeepStep>& steps,
                                const PhotoFactsByPath& facts, const std::vector<bool>& part, size_t at) {
  const TResultEntry* keeper = nullptr;
  for (const TResultEntry* entry = base; entry != nullptr; entry = entry->Next, ++at)
    if (part[at] && (keeper == nullptr || keepsBetter(steps, facts, *entry, *keeper))) keeper = entry;
  return keeper;
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

MarkRule DefaultMarkRule() {
  return {ParseKeepCriteria("resolution,largest,plain-name,oldest,shortest-path"), {}, true, true};
}

bool NeedsPhotoFacts(const std::vector<KeepStep>& steps) {
  return std::any_of(steps.begin(), steps.end(), [](const KeepStep& step) {
    return step.criterion == KeepCriterion::TakenEarliest || step.criterion == KeepCriterion::HasCameraData;
  });
}

std::vector<std::string> PhotoFactPaths(const ResultsModel& results, const std::vector<KeepStep>& steps) {
  std::vector<std::string> paths;
  if (!NeedsPhotoFacts(steps)) return paths;
  std::unordered_set<std::string_view> seen;
  for (const auto& entry : results.FResultEntries())
    if (entry->Gone == 0 && seen.insert(entry->Path).second) paths.emplace_back(entry->Path);
  return paths;
}

std::optional<PhotoFactsByPath> ReadPhotoFactsByPath(const std::vector<std::string>& paths, const CancelToken& cancel,
                                                     ProgressSink& sink) {
  const auto read = ReadPhotoFactsOf(paths, 0, cancel, sink);
  if (!read) return std::nullopt;
  PhotoFactsByPath facts;
  for (size_t i = 0; i < paths.size(); ++i) facts.emplace(paths[i], (*read)[i]);
  return facts;
}

const TResultEntry* KeeperOf(const TResultEntry& base, const std::vector<KeepStep>& steps,
                             const PhotoFactsByPath& facts) {
  const TResultEntry* keeper = nullptr;
  for (const TResultEntry* entry = &base; entry != nullptr; entry = entry->Next)
    if (entry->Gone == 0 && (keeper == nullptr || keepsBetter(steps, facts, *entry, *keeper))) keeper = entry;
  return keeper;
}

std::optional<MarkRuleOutcome> ReadFactsAndApplyMarkRule(ResultsModel& results, const MarkRule& rule,
                                                         const CancelToken& cancel, ProgressSink& sink) {
  const auto facts = ReadPhotoFactsByPath(PhotoFactPaths(results, rule.keep), cancel, sink);
  if (!facts) return std::nullopt;
  return ApplyMarkRule(results, rule, *facts);
}

MarkRuleOutcome ApplyMarkRule(ResultsModel& results, const MarkRule& rule, const PhotoFactsByPath& facts) {
  MarkRuleOutcome outcome;
  const std::vector<bool> part = takingPart(results, rule.amongMarked);
  std::unordered_set<std::string_view> kept;  // views of the entries' shared texts
  size_t at = 0;
  for (const BaseGroupItem& group : results.FBaseGroups()) {
    if (const TResultEntry* keeper = keeperAmong(group.base, rule.keep, facts, part, at)) {
      kept.insert(keeper->Path);
      ++outcome.groups;
    }
    for (const TResultEntry* entry = group.base; entry != nullptr; entry = entry->Next) ++at;
  }
  ProtectedFolders protection(rule.protectedFolders);
  std::unordered_set<std::string_view> markedPaths;
  const auto markable = [&](const TResultEntry& entry) {
    return !kept.contains(entry.Path) && !protection.covers(entry.Path);
  };
  // Every entry taking part is marked unless kept or protected; the others (with
  // amongMarked) follow the marks of their paths.
  for (const bool taking : {true, false}) {
    at = 0;
    for (const BaseGroupItem& group : results.FBaseGroups())
      for (TResultEntry* entry = group.base; entry != nullptr; entry = entry->Next, ++at) {
        if (part[at] != taking || entry->Gone != 0) continue;
        const bool wanted = taking || entry->Marked != 0 || markedPaths.contains(entry->Path);
        entry->Marked = wanted && markable(*entry) ? 1 : 0;
        if (taking && entry->Marked != 0 && rule.amongMarked) markedPaths.insert(entry->Path);
        outcome.marked += entry->Marked;
      }
  }
  return outcome;
}

void UnmarkAll(ResultsModel& results) {
  for (const auto& entry : results.FResultEntries()) entry->Marked = 0;
}

MarkRule LoadMarkRule() {
  if (!FileExists(AppIniFileName())) return DefaultMarkRule();
  MarkRule rule;
  for (const IniFile::KeyValue& pair : IniFile(AppIniFileName()).readSection(RuleSection)) {
    const std::string key = UpperAscii(pair.key);
    if (key.starts_with("KEEP")) {
      if (const auto step = parseToken(pair.value)) rule.keep.push_back(*step);
    } else if (key.starts_with("PROTECT") && !pair.value.empty()) {
      rule.protectedFolders.push_back(pair.value);
    } else if (key == "APPLYAFTERSCAN") {
      rule.applyAfterScan = UpperAscii(pair.value) == "TRUE";
    } else if (key == "AMONGMARKED") {
      rule.amongMarked = UpperAscii(pair.value) == "TRUE";
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
  pairs.push_back({"AmongMarked", rule.amongMarked ? "True" : "False"});
  IniFile(AppIniFileName()).writeSection(RuleSection, pairs);
}

void StoreNewSettingsFile() {
  if (CreateSettingsFile(AppIniFileName())) SaveMarkRule(DefaultMarkRule());
}

}  // namespace vl
