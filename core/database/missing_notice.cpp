// The two-line notice a preview pane shows in place of a picture whose file is missing.
#include "core/database/missing_notice.h"

#include "core/database/volume_table.h"

namespace vl {

MissingFileNotice MissingFileNoticeFor(const std::string& fileName, const std::string& volumeLabel) {
  if (PresentVolumeLabel(fileName) == volumeLabel) return {"Image has been moved or Deleted.", fileName};
  return {"Image : " + fileName + " not found.",
          "Insert disk \"" + volumeLabel + "\" into your " + PresentDriveRoot(fileName) + " drive and try again."};
}

}  // namespace vl
