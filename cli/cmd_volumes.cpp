// velloran-cli volumes: prints the volume table.
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/database/volume_table.h"
#include "core/settings/settings.h"

namespace vl::cli {

int RunVolumes(const Args& args) {
  static const char* usage =
      "usage: velloran-cli volumes\n"
      "\n"
      "Prints the volume table, one line per volume, tab-separated: drive root (mount\n"
      "point), type (\"Fixed\", \"Removable\", \"Remote\", \"CDROM\", \"RamDisk\") and the\n"
      "label that files on it are recorded with (the serial number in decimal when\n"
      "the volume has no label). Floppy drives appear only when the setting\n"
      "\"Check A / B Drives.\" is on.\n";
  if (WantsHelp(args, usage)) return ExitOk;
  if (!args.empty()) return UsageFailure("volumes: takes no arguments", usage);
  LoadSettings();
  RefreshVolumeTable();
  for (const VolumeEntry& entry : VolumeTable()) {
    std::printf("%s\t%s\t%s\n", entry.Root.c_str(), entry.DriveTypeText.c_str(), entry.VolumeLabel.c_str());
  }
  return std::fflush(stdout) == 0 ? ExitOk : ExitFailure;
}

}  // namespace vl::cli
