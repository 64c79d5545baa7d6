// The four ways a scan pairs files; the numbers are those the dialogs and settings store.
#pragma once

namespace vl {

enum class ScanMode { Images = 0, Names = 1, NamesAndSize = 2, Contents = 3 };

}  // namespace vl
