// Records what a pairing reports (groups and progress calls), to compare two pairings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/scan/pairing.h"

namespace vl::test {

// What a pairing reported: every group in order and every progress call.
struct Outcome {
  bool finished = false;
  std::vector<std::string> lines;
  bool operator==(const Outcome&) const = default;
};

inline std::string Describe(const PairedGroup& group) {
  std::string line = std::to_string(group.head) + ":";
  for (const PairedDuplicate& d : group.duplicates) line += " " + std::to_string(d.index) + "/" + std::to_string(d.errors);
  return line;
}

// Runs a pairing, recording its calls; progress stops it at `stopAt` when given.
template <class Pairing>
Outcome Record(Pairing pairing, size_t stopAt = SIZE_MAX) {
  Outcome outcome;
  const PairingProgress progress = [&](size_t index, size_t count) {
    outcome.lines.push_back("progress " + std::to_string(index) + "/" + std::to_string(count));
    return index < stopAt;
  };
  outcome.finished = pairing(progress, [&](const PairedGroup& group) { outcome.lines.push_back(Describe(group)); });
  return outcome;
}

}  // namespace vl::test
