// Result groups as JSON or CSV text for scripts and spreadsheets, and writing them to a file.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/results/results_model.h"

namespace vl {

enum class ExportFormat { Json, Csv };

// Receives exported text piece by piece.
using TextSink = std::function<void(std::string_view)>;

// Hands every group in FBaseGroups order to the sink, a line or a file at a time, so
// that nothing but the piece at hand is held. Json is one document:
// {"version":1,"groups":[{"group":1,"base":FILE,"duplicates":[FILE,...]},...]}, one group
// a line. A FILE is {"path","size","date","width","height","errors","marked","gone"};
// date is the local time "YYYY-MM-DDTHH:MM:SS" (null outside the years 1 to 9999),
// width and height are null when unknown. Duplicates that are Gone are left out. A
// byte of a path that is not part of valid UTF-8 is written "\udcXX" (XX its value,
// 80 to ff), which no valid text produces, so the path's bytes come back exactly
// (Python: json.loads, then .encode("utf-8", "surrogateescape")). Csv holds the same
// (RFC 4180: fields holding a comma, a double quote or a line break in double quotes
// with inner quotes doubled, lines ending CR LF): a header line, then one line per
// file with its group number (from 1) and role (base or duplicate). A path that is
// not valid UTF-8 has path_escaped 1, and each byte of it outside valid UTF-8 and
// each "%" written %XX (upper-case hexadecimal), so that percent-decoding gives its
// bytes back; a valid one is written as it is with path_escaped 0. O(entries).
void WriteResults(const ResultsModel& model, ExportFormat format, const TextSink& sink);
// WriteResults gathered into one text.
std::string ResultsText(const ResultsModel& model, ExportFormat format);

// JSON for a name ending in ".json" (any case), CSV otherwise.
ExportFormat ExportFormatFor(const std::string& fileName);
// Writes the groups in `format` to fileName through a temporary file, sync and
// rename, piece by piece. Throws std::runtime_error naming the file and the system's reason.
void ExportResults(const std::string& fileName, const ResultsModel& model, ExportFormat format);

}  // namespace vl
