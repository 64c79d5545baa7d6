// JSON and CSV exports read back by Python's own parsers: awkward paths, bytes outside UTF-8, dates and marks.
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "core/results/results_export.h"
#include "tests/core/results_fixture.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

using test::AddGroup;

// Reads the export back with json or csv and prints one line per file:
// group|role|hex of the path's bytes|size|date|width|height|errors|marked|gone.
const char* const Reader = R"(
import csv, json, sys, urllib.parse
def row(group, role, raw, f):
    print("|".join([str(group), role, raw.hex(), *[str(f[k]) for k in
        ("size", "date", "width", "height", "errors", "marked", "gone")]]))
for name in sys.argv[1:]:
  if name.lower().endswith(".json"):
    doc = json.load(open(name, encoding="utf-8"))
    for g in doc["groups"]:
      for role, f in [("base", g["base"])] + [("duplicate", d) for d in g["duplicates"]]:
        f = dict(f, marked=int(f["marked"]), gone=int(f["gone"]))
        row(g["group"], role, f["path"].encode("utf-8", "surrogateescape"), f)
  else:
    for r in csv.DictReader(open(name, newline="", encoding="utf-8")):
      raw = urllib.parse.unquote_to_bytes(r["path"]) if r["path_escaped"] == "1" else r["path"].encode("utf-8")
      r = {k: (None if v == "" and k in ("width", "height", "date") else v) for k, v in r.items()}
      row(r["group"], r["role"], raw, r)
)";

std::string hexOf(const std::string& bytes) {
  std::string hex;
  char pair[3];
  for (const unsigned char byte : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
  }
  return hex;
}

// What the reader prints for the files, in order; empty when python3 cannot run.
std::string readBack(const test::TempDir& dir, const std::string& json, const std::string& csv) {
  const std::string script = dir.write("reader.py", std::string(Reader));
  const std::string command = "python3 '" + script + "' '" + json + "' '" + csv + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  while (size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, got);
  pclose(pipe);
  return out;
}

// Groups with a comma, quotes and a line break in paths, a path outside UTF-8 (with a
// "%" that must not be taken for an escape), a far-off date, unknown dimensions and
// a gone base and duplicate.
class ResultsExport : public ::testing::Test {
 protected:
  void SetUp() override {
    TResultEntry* base = AddGroup(model, {"/p/a \"quoted\", with comma.jpg", 1234}, {{"/p/line\nbreak.jpg", 99, 7}});
    base->Next->Marked = 1;
    base->Next->Width = -1;
    base->Next->Height = -1;
    base->FileDate = 45292.75;  // 2024-01-01 18:00
    base->Next->FileDate = -1e9;
    const std::string odd = "/p/caf\xc3\xa9 \xff\xe9%41\\.jpg";
    TResultEntry* second = AddGroup(model, {odd}, {{"/p/gone.jpg"}, {"/p/x.jpg"}});
    second->Gone = 1;
    second->Next->Gone = 1;
  }

  // The lines the reader prints for the model's three files that are not Gone duplicates.
  std::string expected() const {
    return "1|base|" + hexOf("/p/a \"quoted\", with comma.jpg") + "|1234|2024-01-01T18:00:00|640|480|0|0|0\n" +
           "1|duplicate|" + hexOf("/p/line\nbreak.jpg") + "|99|None|None|None|7|1|0\n" +
           "2|base|" + hexOf("/p/caf\xc3\xa9 \xff\xe9%41\\.jpg") + "|100|2023-03-15T12:00:00|640|480|0|0|1\n" +
           "2|duplicate|" + hexOf("/p/x.jpg") + "|100|2023-03-15T12:00:00|640|480|0|0|0\n";
  }

  ResultsModel model;
  test::TempDir dir;
};

// A failed write names the file.
TEST_F(ResultsExport, JsonAndCsvGiveBackEveryPathByteToPythonsParsersAndFailuresNameTheFile) {
  const std::string missing = dir.file("missing/r.csv");
  try {
    ExportResults(missing, model, ExportFormat::Csv);
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
  }
  EXPECT_NE(ResultsText(model, ExportFormat::Csv).find(",\"/p/line\nbreak.jpg\",0,"), std::string::npos);
  if (std::system("python3 -c 'import json, csv' >/dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is needed";
  const std::string json = dir.file("r.JSON"), csv = dir.file("r.csv");
  ExportResults(json, model, ExportFormatFor(json));
  ExportResults(csv, model, ExportFormatFor(csv));
  EXPECT_EQ(readBack(dir, json, csv), expected() + expected());
}

}  // namespace
}  // namespace vl
