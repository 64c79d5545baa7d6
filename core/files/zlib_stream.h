// Streaming zlib (RFC 1950) compression into files and decompression from files or memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include <zlib.h>

#include "core/files/safe_file_writer.h"

namespace vl {

// Raised when compressed data is not a zlib stream or is damaged. reason() is zlib's
// own message (e.g. "incorrect header check", "invalid distance too far back") or
// "unexpected end of file"; what() puts the file's name in front when it has one.
class ZlibDataError : public std::runtime_error {
 public:
  explicit ZlibDataError(const std::string& reason, const std::string& fileName = "")
      : std::runtime_error(fileName.empty() ? reason : fileName + ": " + reason), reason_(reason) {}
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

// Compresses everything written to it into one zlib stream (default level 1) and
// stores it at `target` through a SafeFileWriter: the target is replaced only by
// commit(), so a failed or abandoned write leaves any old file untouched. Every
// failure (compressor, write, flush, rename) throws std::runtime_error.
// Memory: one 64 KiB output buffer; the compressor's own state (about 256 KiB).
class ZlibFileWriter {
 public:
  explicit ZlibFileWriter(const std::string& target, int level = 1);
  ~ZlibFileWriter();
  ZlibFileWriter(const ZlibFileWriter&) = delete;
  ZlibFileWriter& operator=(const ZlibFileWriter&) = delete;

  void write(const void* data, size_t size);
  // Finishes the stream (pending output and the Adler-32 trailer), then syncs the
  // file and renames it over the target. Writing after commit() is an error.
  void commit();

 private:
  void deflateAll(int flush);

  SafeFileWriter file_;
  z_stream stream_{};
  bool finished_ = false;
  std::vector<unsigned char> output_;
};

// Decompresses one zlib stream from some source of compressed bytes. read() fills
// the whole buffer unless the stream's verified end (Adler-32 trailer checked) comes
// first, so a short count always means that end. Data that is not a zlib stream, or
// damaged data (a wrong checksum, a source that runs out before the stream's end),
// throws ZlibDataError instead, once every byte decompressed before the damage has
// been handed over. Bytes after the stream's end are ignored.
// Cost: O(data) with one 64 KiB output buffer.
class ZlibReader {
 public:
  ZlibReader();
  virtual ~ZlibReader();
  ZlibReader(const ZlibReader&) = delete;
  ZlibReader& operator=(const ZlibReader&) = delete;

  // Copies up to n decompressed bytes into buffer; returns how many.
  size_t read(void* buffer, size_t n);
  // Reads one record of n bytes: true when it was read whole, false at the stream's
  // end; a stream that ends inside the record is damaged and throws ZlibDataError.
  bool readRecord(void* record, size_t n);
  // True when the stream ended with its trailer checked.
  bool complete() const { return complete_; }
  // Bounds the output by what the input can genuinely hold: once more than 64 KiB
  // have come out, more than `ratio` output bytes per input byte is damage (a
  // crafted stream expands up to about 1000 times). 0, the default, sets no bound.
  void limitExpansion(size_t ratio) { expansionLimit_ = ratio; }

 protected:
  // Points `data` at the next compressed bytes and returns their count; 0 at the end
  // of the source. The bytes must stay valid until the next call.
  virtual size_t fetch(const unsigned char*& data) = 0;
  // The name that damage reports carry; empty for a source without one.
  virtual std::string sourceName() const { return {}; }

 private:
  // Inflates more output into output_; false when no more data will come.
  bool refill();

  z_stream stream_{};
  std::vector<unsigned char> output_;
  size_t outputPos_ = 0;
  size_t outputEnd_ = 0;
  bool sourceDone_ = false;
  bool complete_ = false;
  size_t expansionLimit_ = 0;
  std::string pendingError_;  // damage met after the output now buffered
};

// A ZlibReader over a file, read in 256 KiB blocks. The constructor throws
// std::runtime_error naming the file when it cannot be opened; a read error of the
// file throws std::runtime_error too (it is not the end of the data).
class ZlibFileReader : public ZlibReader {
 public:
  explicit ZlibFileReader(const std::string& fileName);
  ~ZlibFileReader() override;

 protected:
  size_t fetch(const unsigned char*& data) override;
  std::string sourceName() const override { return fileName_; }

 private:
  std::string fileName_;
  std::FILE* file_ = nullptr;
  std::vector<unsigned char> input_;
};

// A ZlibReader over bytes in memory, which the caller keeps alive while reading.
class ZlibMemoryReader : public ZlibReader {
 public:
  ZlibMemoryReader(const void* data, size_t size);

 protected:
  size_t fetch(const unsigned char*& data) override;

 private:
  const unsigned char* data_;
  size_t size_;
};

// The zlib stream (default level 1) of the given bytes, all at once.
std::vector<uint8_t> ZlibCompress(const void* data, size_t size, int level = 1);

}  // namespace vl
