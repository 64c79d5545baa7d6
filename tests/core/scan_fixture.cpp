// A scan test's world: its own settings folder and cache, a request, folders of files and a scan runner.
#include "tests/core/scan_fixture.h"

#include <filesystem>

#include "core/scan/not_duplicates.h"
#include "core/settings/settings.h"
#include "tests/support/image_writer.h"

namespace vl::test {

ScanFixture::ScanFixture() {
  request = ScanRequestFromSettings(Settings());
  request.useDeletedList = false;
  request.notDuplicatesFile = NotDuplicatesFileName();
}

std::string ScanFixture::writePhoto(const std::string& relative, int variant, int quality) const {
  const std::string path = dir.file(relative);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const Picture picture =
      variant == 0 ? GradientPicture(160, 120)
                   : BlockPicture(160, 120, 20, {Rgb(250, 10, 10), Rgb(0, 0, 60), White}, static_cast<uint32_t>(variant));
  WriteJpeg(path, picture, {.quality = quality});
  return path;
}

std::string ScanFixture::copyFile(const std::string& from, const std::string& relative) const {
  return dir.write(relative, ReadFileBytes(from));
}

const ScanOutcome& ScanFixture::scan(ScanMode mode, const std::vector<std::string>& base,
                                     const std::vector<std::string>& compare, const std::string& mask) {
  request.mode = mode;
  request.mask = mask;
  request.baseEntries = base;
  request.compareEntries = compare;
  cancel.emplace();
  outcome = RunScanJob(request, deletedList, *cancel, host);
  deletion = FinishScan(request, outcome, deletedList, host, [this](const std::vector<DeletedMatch>& matches) {
    return host.askYesNo(AutoDeletionQuestion(matches, request.recycle));
  });
  return outcome;
}

std::vector<std::string> ScanFixture::groups() const {
  const auto relative = [this](const std::string& path) {
    return path.rfind(dir.path() + "/", 0) == 0 ? path.substr(dir.path().size() + 1) : path;
  };
  std::vector<std::string> lines;
  for (const BaseGroupItem& group : outcome.results.FBaseGroups()) {
    std::string line = relative(group.base->Path) + (group.base->Marked ? "*" : "") + ":";
    for (const TResultEntry* entry = group.base->Next; entry != nullptr; entry = entry->Next)
      line += " " + relative(entry->Path) + "(" + std::to_string(entry->Errors) + (entry->Marked ? ",*" : "") + ")";
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> ScanFixture::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& message : host.messages) texts.push_back(message.text);
  return texts;
}

ScanList ScanFixture::listOf(const std::vector<std::string>& paths) {
  ScanList list;
  for (const auto& path : paths) {
    auto entry = std::make_unique<TScanEntry>();
    entry->Path = path;
    list.push_back(std::move(entry));
  }
  return list;
}

std::vector<std::string> ScanFixture::describe(const ScanList& list) {
  std::vector<std::string> lines;
  for (const auto& entry : list) {
    std::string line = entry->Path + " " + std::to_string(entry->Width) + "x" + std::to_string(entry->Height);
    if (entry->Fingerprint) line += " " + std::string(entry->Fingerprint->begin(), entry->Fingerprint->end());
    lines.push_back(line);
  }
  return lines;
}

}  // namespace vl::test
