// The persistent fingerprint cache: MakeFingerprint results kept in SQLite, keyed by path and file identity.
#include "core/fingerprint/fingerprint_cache.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>
#include <vector>

#include "core/components/user_text.h"
#include "core/files/little_endian.h"

namespace vl {

namespace {

constexpr size_t BatchSize = 512;
constexpr int ReadBatchSize = 1024;
constexpr int BusyTimeoutMs = 2000;
constexpr int SchemaVersion = 3;
// Version 1 held no signatures, version 2 the 64-bit signatures of an earlier
// verification, which no longer count; the rows of both are kept, without a print.
constexpr int SignaturelessVersion = 1;
constexpr int OldSignatureVersion = 2;
constexpr uint8_t HighestToneCode = 3;
// A verified print in the signature column: the grid; of both grey views the
// structure, detail, mean and contrast (16 bits); the chroma cells, the flags (1
// coloured, 2 almost uniform) and the orientation.
constexpr size_t ViewBytes = StructureSize + 4;
constexpr size_t PrintBytes = FingerprintSize + 2 * ViewBytes + 2 * ChromaSide * ChromaSide + 2;

const char* const CreateTable =
    "CREATE TABLE IF NOT EXISTS fingerprints(path BLOB PRIMARY KEY NOT NULL, device INTEGER NOT NULL,"
    " inode INTEGER NOT NULL, size INTEGER NOT NULL, modified INTEGER NOT NULL, changed INTEGER NOT NULL,"
    " ok INTEGER NOT NULL, fingerprint BLOB, width INTEGER NOT NULL, height INTEGER NOT NULL, signature BLOB)"
    " WITHOUT ROWID";
const char* const AddSignatures = "ALTER TABLE fingerprints ADD COLUMN signature BLOB";
const char* const SelectRow =
    "SELECT device, inode, size, modified, changed, ok, fingerprint, width, height, signature FROM fingerprints"
    " WHERE path = ?";
const char* const InsertRow = "INSERT OR REPLACE INTO fingerprints VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

int64_t nanoseconds(const struct timespec& time) { return int64_t(time.tv_sec) * 1'000'000'000 + time.tv_nsec; }

int64_t fileSize(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? int64_t(st.st_size) : 0;
}

std::optional<int64_t> integerColumn(sqlite3_stmt* statement, int column) {
  if (sqlite3_column_type(statement, column) != SQLITE_INTEGER) return std::nullopt;
  return sqlite3_column_int64(statement, column);
}

std::optional<int32_t> dimensionColumn(sqlite3_stmt* statement, int column) {
  const auto value = integerColumn(statement, column);
  if (!value || *value < 1 || *value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(*value);
}

// The key columns 0 to 4 of a selected row; none when one is not an integer.
std::optional<FileKey> keyColumns(sqlite3_stmt* statement) {
  std::optional<int64_t> values[5];
  for (int column = 0; column < 5; ++column) {
    values[column] = integerColumn(statement, column);
    if (!values[column]) return std::nullopt;
  }
  return FileKey{uint64_t(*values[0]), uint64_t(*values[1]), *values[2], *values[3], *values[4]};
}

bool toneCodesOnly(const uint8_t* codes) {
  return std::none_of(codes, codes + FingerprintSize, [](uint8_t code) { return code > HighestToneCode; });
}

uint8_t* putView(uint8_t* at, const GreyView& view) {
  for (int8_t c : view.structure) *at++ = uint8_t(c);
  *at++ = view.detail;
  *at++ = view.mean;
  PutLE16(at, view.contrast);
  return at + 2;
}

const uint8_t* getView(const uint8_t* at, GreyView& view) {
  for (int8_t& c : view.structure) c = int8_t(*at++);
  view.detail = *at++;
  view.mean = *at++;
  view.contrast = GetLE16(at);
  return at + 2;
}

std::vector<uint8_t> printBytes(const VerifiedPrint& print) {
  std::vector<uint8_t> bytes(PrintBytes);
  uint8_t* at = std::copy(print.grid.begin(), print.grid.end(), bytes.data());
  const PictureSignature& s = print.signature;
  at = putView(putView(at, s.luminance), s.channelMean);
  for (int8_t c : s.chroma) *at++ = uint8_t(c);
  *at++ = uint8_t((s.coloured ? 1 : 0) | (s.almostUniform ? 2 : 0));
  *at = uint8_t(print.orientation);
  return bytes;
}

// The print of a signature column's bytes; none unless they are one a read can give.
std::optional<VerifiedPrint> printOf(const uint8_t* bytes, int length) {
  if (bytes == nullptr || length != int(PrintBytes) || !toneCodesOnly(bytes)) return std::nullopt;
  VerifiedPrint print;
  std::copy_n(bytes, FingerprintSize, print.grid.begin());
  PictureSignature& s = print.signature;
  const uint8_t* at = getView(getView(bytes + FingerprintSize, s.luminance), s.channelMean);
  for (int8_t& c : s.chroma) c = int8_t(*at++);
  const uint8_t flags = *at++;
  print.orientation = *at;
  if (flags > 3 || print.orientation >= OrientationCount) return std::nullopt;
  s.coloured = (flags & 1) != 0;
  s.almostUniform = (flags & 2) != 0;
  return print;
}

// The outcome columns 5 to 9 of a selected row; none unless they hold a result
// MakeFingerprint can give: a failure, or 100 tone codes with positive dimensions
// and a verified print (a blob), none (NULL) or an old signature (an integer, ignored).
std::optional<FingerprintOutcome> outcomeColumns(sqlite3_stmt* statement) {
  const auto ok = integerColumn(statement, 5);
  if (ok == 0) return FingerprintOutcome{};
  if (ok != 1 || sqlite3_column_type(statement, 6) != SQLITE_BLOB) return std::nullopt;
  const auto* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(statement, 6));
  const int length = sqlite3_column_bytes(statement, 6);
  const auto width = dimensionColumn(statement, 7);
  const auto height = dimensionColumn(statement, 8);
  if (bytes == nullptr || length != int(FingerprintSize) || !width || !height || !toneCodesOnly(bytes))
    return std::nullopt;
  FingerprintOutcome outcome;
  outcome.ok = true;
  outcome.width = *width;
  outcome.height = *height;
  std::copy(bytes, bytes + FingerprintSize, outcome.fingerprint.begin());
  const int signatureType = sqlite3_column_type(statement, 9);
  if (signatureType == SQLITE_BLOB) {
    outcome.verified = printOf(static_cast<const uint8_t*>(sqlite3_column_blob(statement, 9)),
                               sqlite3_column_bytes(statement, 9));
    if (!outcome.verified) return std::nullopt;
  } else if (signatureType != SQLITE_NULL && signatureType != SQLITE_INTEGER) {
    return std::nullopt;
  }
  return outcome;
}

}  // namespace

std::optional<FileKey> StatFileKey(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileKey{uint64_t(st.st_dev), uint64_t(st.st_ino), int64_t(st.st_size), nanoseconds(st.st_mtim),
                 nanoseconds(st.st_ctim)};
}

std::string DefaultFingerprintCachePath() {
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  std::string base = xdg != nullptr && xdg[0] == '/' ? xdg : "";
  if (base.empty()) {
    const char* home = std::getenv("HOME");
    base = std::string(home != nullptr ? home : "") + "/.cache";
  }
  return base + "/velloran/fingerprints.sqlite";
}

FingerprintCache::FingerprintCache(const std::string& path) : path_(path) {
  std::lock_guard lock(mutex_);
  open();
}

FingerprintCache::~FingerprintCache() {
  std::lock_guard lock(mutex_);
  writePending();
  close();
}

void FingerprintCache::open() {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
  if (error) return turnOff("cannot create the folder of " + path_ + " (" + error.message() + ")");
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr) != SQLITE_OK) return turnOffWithError("cannot open");
  sqlite3_busy_timeout(db_, BusyTimeoutMs);
  if (queryText("PRAGMA journal_mode=WAL") != "wal" || !execute("PRAGMA synchronous=NORMAL"))
    return turnOffWithError("cannot set up the journal");
  if (!ensureSchema()) return;
  if (sqlite3_prepare_v2(db_, SelectRow, -1, &select_, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db_, InsertRow, -1, &insert_, nullptr) != SQLITE_OK)
    turnOffWithError("unexpected contents");
}

// Creates the table of a new file, or brings a file of an earlier version up to
// date (version 1 gets the signature column, version 2 keeps its old signatures,
// which count as none), inside one write transaction, as two processes may do so at
// once; a file of any other schema version is not touched. Closing the connection
// on a failure rolls the transaction back.
bool FingerprintCache::ensureSchema() {
  if (!execute("BEGIN IMMEDIATE")) {
    turnOffWithError("cannot lock");
    return false;
  }
  const std::string current = std::to_string(SchemaVersion);
  const std::string signatureless = std::to_string(SignaturelessVersion);
  const std::string oldSignatures = std::to_string(OldSignatureVersion);
  const auto version = queryText("PRAGMA user_version");
  if (version && *version != "0" && *version != current && *version != signatureless && *version != oldSignatures) {
    turnOff(path_ + " was made by another version");
    return false;
  }
  // Version 2's table already has the column; its integers read as no print.
  const auto setUp = [&] {
    return version == oldSignatures || execute(version == signatureless ? AddSignatures : CreateTable);
  };
  const bool ready =
      version && (*version == current || (setUp() && execute(("PRAGMA user_version=" + current).c_str())));
  if (ready && execute("COMMIT")) return true;
  turnOffWithError("cannot set up the table");
  return false;
}

bool FingerprintCache::execute(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

std::optional<std::string> FingerprintCache::queryText(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  std::optional<std::string> text;
  if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW) {
    const auto* value = sqlite3_column_text(statement, 0);
    text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
  }
  sqlite3_finalize(statement);
  return text;
}

void FingerprintCache::turnOff(const std::string& reason) {
  if (!warned_) warning_ = FormatText(UserText("vl::core", "Fingerprint cache unavailable: %1; going on without it."), {reason});
  warned_ = true;
  pending_.clear();
  close();
}

void FingerprintCache::turnOffWithError(const std::string& action) {
  const std::string detail = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
  turnOff(path_ + ": " + action + " (" + detail + ")");
}

void FingerprintCache::close() {
  endReading();
  sqlite3_finalize(select_);
  sqlite3_finalize(insert_);
  sqlite3_close(db_);
  select_ = insert_ = nullptr;
  db_ = nullptr;
}

std::optional<FingerprintOutcome> FingerprintCache::lookup(const std::string& path, const FileKey& key,
                                                           bool withSignature) {
  std::lock_guard lock(mutex_);
  if (db_ == nullptr) return std::nullopt;
  const auto usable = [&](const Row& row) {
    return row.key == key && (!withSignature || !row.outcome.ok || row.outcome.verified);
  };
  const auto queued = pending_.find(path);
  if (queued != pending_.end()) {
    if (usable(queued->second)) return queued->second.outcome;
    return std::nullopt;
  }
  if (readsInTransaction_ == 0) execute("BEGIN");
  const auto row = readRow(path);
  if (++readsInTransaction_ >= ReadBatchSize) endReading();
  if (!row || !usable(*row)) return std::nullopt;
  return row->outcome;
}

// Lookups share one read transaction, ReadBatchSize at a time: a transaction of
// its own would cost each lookup several times the query. Another process's
// writes go on meanwhile (WAL); ours end the batch first.
void FingerprintCache::endReading() {
  if (readsInTransaction_ == 0 || db_ == nullptr) return;
  readsInTransaction_ = 0;
  execute("COMMIT");
}

std::optional<FingerprintCache::Row> FingerprintCache::readRow(const std::string& path) {
  sqlite3_reset(select_);
  sqlite3_bind_blob(select_, 1, path.data(), int(path.size()), SQLITE_TRANSIENT);
  const int step = sqlite3_step(select_);
  std::optional<Row> row;
  if (step == SQLITE_ROW) {
    const auto key = keyColumns(select_);
    const auto outcome = outcomeColumns(select_);
    if (key && outcome) row = Row{*key, *outcome};
  }
  sqlite3_reset(select_);
  if (step != SQLITE_ROW && step != SQLITE_DONE) turnOffWithError("cannot read");
  return row;
}

void FingerprintCache::store(const std::string& path, const FileKey& key, const FingerprintOutcome& outcome) {
  std::lock_guard lock(mutex_);
  if (db_ == nullptr) return;
  pending_.insert_or_assign(path, Row{key, outcome.ok ? outcome : FingerprintOutcome{}});
  if (pending_.size() >= BatchSize) writePending();
}

void FingerprintCache::flush() {
  std::lock_guard lock(mutex_);
  writePending();
}

void FingerprintCache::writePending() {
  if (db_ == nullptr || pending_.empty()) return;
  endReading();
  bool written = execute("BEGIN IMMEDIATE");
  for (auto it = pending_.begin(); written && it != pending_.end(); ++it) written = writeRow(it->first, it->second);
  if (written && execute("COMMIT")) {
    pending_.clear();
    return;
  }
  const std::string detail = sqlite3_errmsg(db_);
  execute("ROLLBACK");
  turnOff(path_ + ": cannot write (" + detail + ")");
}

bool FingerprintCache::writeRow(const std::string& path, const Row& row) {
  sqlite3_reset(insert_);
  sqlite3_bind_blob(insert_, 1, path.data(), int(path.size()), SQLITE_TRANSIENT);
  sqlite3_bind_int64(insert_, 2, int64_t(row.key.device));
  sqlite3_bind_int64(insert_, 3, int64_t(row.key.inode));
  sqlite3_bind_int64(insert_, 4, row.key.size);
  sqlite3_bind_int64(insert_, 5, row.key.modified);
  sqlite3_bind_int64(insert_, 6, row.key.changed);
  sqlite3_bind_int(insert_, 7, row.outcome.ok ? 1 : 0);
  if (row.outcome.ok)
    sqlite3_bind_blob(insert_, 8, row.outcome.fingerprint.data(), int(FingerprintSize), SQLITE_TRANSIENT);
  else
    sqlite3_bind_null(insert_, 8);
  sqlite3_bind_int(insert_, 9, row.outcome.width);
  sqlite3_bind_int(insert_, 10, row.outcome.height);
  if (row.outcome.ok && row.outcome.verified) {
    const std::vector<uint8_t> print = printBytes(*row.outcome.verified);
    sqlite3_bind_blob(insert_, 11, print.data(), int(print.size()), SQLITE_TRANSIENT);
  } else {
    sqlite3_bind_null(insert_, 11);
  }
  const bool done = sqlite3_step(insert_) == SQLITE_DONE;
  sqlite3_reset(insert_);
  return done;
}

std::optional<std::string> FingerprintCache::takeWarning() {
  std::lock_guard lock(mutex_);
  return std::exchange(warning_, std::nullopt);
}

FingerprintCacheStats FingerprintCache::stats() {
  std::lock_guard lock(mutex_);
  writePending();
  endReading();
  FingerprintCacheStats stats;
  if (db_ != nullptr) {
    const auto count = queryText("SELECT count(*) FROM fingerprints");
    if (!count) turnOffWithError("cannot count");
    else stats.entries = std::strtoll(count->c_str(), nullptr, 10);
  }
  stats.bytes = fileSize(path_) + fileSize(path_ + "-wal");
  return stats;
}

bool FingerprintCache::clear() {
  std::lock_guard lock(mutex_);
  pending_.clear();
  if (db_ == nullptr) return false;
  endReading();
  if (execute("DELETE FROM fingerprints") && execute("VACUUM") && execute("PRAGMA wal_checkpoint(TRUNCATE)"))
    return true;
  turnOffWithError("cannot clear");
  return false;
}

std::optional<std::string> ClearFingerprintCache(const std::string& path) {
  if (FingerprintCache(path).clear()) return std::nullopt;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    const std::string file = path + suffix;
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) return "cannot remove " + file + ": " + std::strerror(errno);
  }
  return FingerprintCache(path).takeWarning();
}

}  // namespace vl
