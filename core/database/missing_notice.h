// The two-line notice a preview pane shows in place of a picture whose file is missing.
#pragma once

#include <string>

namespace vl {

struct MissingFileNotice {
  std::string line1;
  std::string line2;
};

// When the volume at the file's drive root now carries volumeLabel (the label the
// file was found on), the file itself is gone: "Image has been moved or Deleted."
// and the path. Otherwise its volume is not there: "Image : PATH not found." and a
// request to insert the disk by that label into the drive root. One mount-table
// read and one volume query.
MissingFileNotice MissingFileNoticeFor(const std::string& fileName, const std::string& volumeLabel);

}  // namespace vl
