// Telling results lists and image databases apart: both are zlib streams that begin with version 1000.
#pragma once

#include <string>

namespace vl {

enum class SavedFileKind {
  Absent,    // nothing at the name
  Results,   // a results list: its first block is a group's base with an absolute path
  Database,  // an image database: its first record holds an absolute path
  Empty,     // version 1000 and nothing more: either kind, holding nothing
  Other,     // anything else: no zlib stream, another version, or neither layout
};

// The kind of the file at fileName, told from its version word and its first block
// (a results block has the path at offset 12 behind a zero Base field, a database
// record at offset 2 behind its flag byte). Data damaged after the first block does
// not change the answer. One open and at most 396 decompressed bytes.
SavedFileKind KindOfSavedFile(const std::string& fileName);

// Why a file of kind `writing` (Results or Database) must not be written at
// fileName, with the message naming it; empty when it may. A file of the other
// kind, or a name with the other kind's extension, is never written over, and
// neither is an existing file of neither kind unless the name has the extension of
// `writing`. One KindOfSavedFile.
std::string RefusalToWrite(const std::string& fileName, SavedFileKind writing);

// True when the name's extension, upper-cased, is ".VLR" (a results list's) or
// ".VDB" (a database's).
bool HasResultsExtension(const std::string& fileName);
bool HasDatabaseExtension(const std::string& fileName);

}  // namespace vl
