// The two-line notice a preview pane shows in place of a picture whose file is missing.
#include "core/database/missing_notice.h"

#include "core/components/user_text.h"
#include "core/database/volume_table.h"

namespace vl {

MissingFileNotice MissingFileNoticeFor(const std::string& fileName, const std::string& volumeLabel) {
  if (PresentVolumeLabel(fileName) == volumeLabel) return {UserText("vl::core", "Image has been moved or Deleted."), fileName};
  return {FormatText(UserText("vl::core", "Image : %1 not found."), {fileName}),
          FormatText(UserText("vl::core", "Insert disk \"%1\" into your %2 drive and try again."),
                     {volumeLabel, PresentDriveRoot(fileName)})};
}

}  // namespace vl
