// The fingerprinting pass of an image scan.
#pragma once

#include <vector>

#include "core/components/job_progress.h"
#include "core/fingerprint/fingerprint_pool.h"
#include "core/fingerprint/scan_entry.h"

namespace vl {

// What one reading pass is: the phase it reports and which extensions are pictures
// (IsPictureName).
struct PicturePass {
  JobPhase phase = JobPhase::ReadingImages;
  bool modernTypes = true;
};

// Gives every picture of the list its fingerprint, width and height: entries that
// have one (from a database) are kept as they are; an entry whose path occurs in
// `second` takes a copy of that entry's fingerprint; other pictures are decoded.
// Entries without a picture extension, and files gone from a mounted volume, are
// removed; pictures that cannot be decoded stay without a fingerprint. Every 10
// positions the sink gets the progress in the pass's phase and the options' cancel
// flag is looked at: once set, it stops the pass. Cost: one decode per new picture;
// O(n + m) for the path lookup. With more than one job the decodes run on a pool and
// the results are taken in list order. Gives the count of pictures that could not
// be opened or read, gone ones included; `unreadable`, when given, receives each
// with the reason.
size_t ReadImages(ScanList& list, const ScanList* second, ProgressSink& sink, const FingerprintOptions& options = {},
                  std::vector<UnreadableFile>* unreadable = nullptr, const PicturePass& pass = {});

}  // namespace vl
