// velloran-cli volumes: prints the volume table.
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
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
      "\"Check A / B Drives.\" is on. The root and the label are escaped: a backslash is\n"
      "written \\\\, a tab \\t, a line feed \\n and any other control byte \\xHH.\n";
  const ParsedArgs parsed(args, {}, {});
  if (WantsHelp(parsed, usage)) return ExitOk;
  if (!parsed.operands().empty()) return UsageFailure("volumes: takes no arguments", usage);
  RefreshVolumeTable(LoadSettings().checkABDrives);
  const LineOutput output;
  for (const VolumeEntry& entry : VolumeTable())
    output.write(output.name(entry.Root) + '\t' + entry.DriveTypeText + '\t' + output.name(entry.VolumeLabel));
  return FinishOutput(ExitOk);
}

}  // namespace vl::cli
