// Builds result groups for the results tests the way a scan does.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/results/results_model.h"

namespace vl::test {

// One file of a group to build: its path, size and error count.
struct FileSpec {
  std::string path;
  int32_t size = 100;
  uint8_t errors = 0;
};

// Appends a group (base, then duplicates in order) with the scan's caption; returns the base.
inline TResultEntry* AddGroup(ResultsModel& model, const FileSpec& base, const std::vector<FileSpec>& duplicates) {
  const auto make = [&model](const FileSpec& file, TResultEntry* groupBase) {
    auto entry = std::make_unique<TResultEntry>();
    entry->Path = file.path;
    entry->Size = file.size;
    entry->Errors = file.errors;
    entry->Base = groupBase;
    entry->Volume = "DATA";
    entry->FileDate = 45000.5;
    entry->Width = 640;
    entry->Height = 480;
    return model.appendEntry(std::move(entry));
  };
  TResultEntry* first = make(base, nullptr);
  TResultEntry* previous = first;
  for (const FileSpec& file : duplicates) {
    TResultEntry* entry = make(file, first);
    previous->Next = entry;
    previous = entry;
  }
  model.appendGroup(GroupCaption(*first, static_cast<int>(duplicates.size())), first);
  return first;
}

// The captions of a list of group items.
inline std::vector<std::string> Captions(const std::vector<BaseGroupItem>& items) {
  std::vector<std::string> captions;
  for (const BaseGroupItem& item : items) captions.push_back(item.caption);
  return captions;
}

}  // namespace vl::test
