// Reading the version word and the first block of a file to tell a results list from an image database.
#include "core/results/saved_file_kind.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <exception>

#include "core/components/user_text.h"
#include "core/files/little_endian.h"
#include "core/files/paths.h"
#include "core/files/zlib_stream.h"

namespace vl {

namespace {

constexpr uint32_t SavedFileVersion = 1000;
// The longer of the two first blocks: a database record; a results block is 304 bytes.
constexpr size_t DatabaseRecordBytes = 392;
constexpr size_t ResultsBlockBytes = 304;
constexpr size_t MaxVolumeLength = 13;

// A database record: flag 0 or 1, the path's length byte, the path; the volume
// label's length byte at offset 257.
bool isDatabaseRecord(const uint8_t* record, size_t have) {
  if (have < DatabaseRecordBytes) return false;
  return record[0] <= 1 && record[1] > 0 && record[2] == '/' && record[257] <= MaxVolumeLength;
}

// A results block of a base: Base (offset 4) zero, Gone and Marked 0 or 1, the
// path's length byte at 11 and the path at 12, the volume's length byte at 267.
bool isResultsBase(const uint8_t* block, size_t have) {
  if (have < ResultsBlockBytes) return false;
  return GetLE32(block + 4) == 0 && block[9] <= 1 && block[10] <= 1 && block[11] > 0 && block[12] == '/' &&
         block[267] <= MaxVolumeLength;
}

}  // namespace

SavedFileKind KindOfSavedFile(const std::string& fileName) {
  struct stat st {};
  if (::stat(fileName.c_str(), &st) != 0) return errno == ENOENT ? SavedFileKind::Absent : SavedFileKind::Other;
  std::array<uint8_t, 4 + DatabaseRecordBytes> data{};
  size_t got = 0;
  try {
    ZlibFileReader reader(fileName);
    for (size_t n = 1; n > 0 && got < data.size(); got += n) n = reader.read(data.data() + got, data.size() - got);
  } catch (const std::exception&) {
    // damaged or unreadable: judged by the bytes read before
  }
  if (got < 4 || GetLE32(data.data()) != SavedFileVersion) return SavedFileKind::Other;
  if (got == 4) return SavedFileKind::Empty;
  if (isDatabaseRecord(data.data() + 4, got - 4)) return SavedFileKind::Database;
  if (isResultsBase(data.data() + 4, got - 4)) return SavedFileKind::Results;
  return SavedFileKind::Other;
}

std::string RefusalToWrite(const std::string& fileName, SavedFileKind writing) {
  const bool results = writing == SavedFileKind::Results;
  const SavedFileKind kind = KindOfSavedFile(fileName);
  const SavedFileKind otherKind = results ? SavedFileKind::Database : SavedFileKind::Results;
  const bool ownExtension = results ? HasResultsExtension(fileName) : HasDatabaseExtension(fileName);
  const bool otherExtension = results ? HasDatabaseExtension(fileName) : HasResultsExtension(fileName);
  if (kind == otherKind)
    return FormatText(results ? UserText("vl::core", "%1\n\nis an image database (*.vdb) file; it was left unchanged.")
                              : UserText("vl::core", "%1\n\nis a results list (*.vlr) file; it was left unchanged."),
                      {fileName});
  if (otherExtension)
    return FormatText(
        results ? UserText("vl::core", "%1\n\nis the name of an image database (*.vdb); save the results list as a .vlr file.")
                : UserText("vl::core", "%1\n\nis the name of a results list (*.vlr); save the database as a .vdb file."),
        {fileName});
  if (kind == SavedFileKind::Other && !ownExtension)
    return FormatText(results ? UserText("vl::core", "%1\n\nis not a results list (*.vlr) file; it was left unchanged.")
                              : UserText("vl::core", "%1\n\nis not a VL Database (*.VDB) file; it was left unchanged."),
                      {fileName});
  return {};
}

bool HasResultsExtension(const std::string& fileName) { return UpperAscii(ExtensionOf(fileName)) == ".VLR"; }

bool HasDatabaseExtension(const std::string& fileName) { return UpperAscii(ExtensionOf(fileName)) == ".VDB"; }

}  // namespace vl
