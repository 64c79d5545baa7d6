// Streaming zlib (RFC 1950) compression into files and decompression from files or memory.
#include "core/files/zlib_stream.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/files/file_checks.h"

namespace vl {

namespace {

constexpr size_t OutputBlock = 64 * 1024;
constexpr size_t FileInputBlock = 256 * 1024;
constexpr size_t MemoryInputBlock = 1024 * 1024;  // keeps avail_in well inside uInt
const char* const TruncatedMessage = "unexpected end of file";
constexpr uLong ExpansionAllowance = OutputBlock;

std::string zlibMessage(const z_stream& stream, int code, const char* fallback) {
  if (stream.msg != nullptr) return stream.msg;
  if (code == Z_MEM_ERROR) return "insufficient memory";
  return fallback;
}

}  // namespace

ZlibFileWriter::ZlibFileWriter(const std::string& target, int level) : file_(target), output_(OutputBlock) {
  if (deflateInit(&stream_, level) != Z_OK) throw std::runtime_error("cannot start compressing " + target);
}

ZlibFileWriter::~ZlibFileWriter() { deflateEnd(&stream_); }

void ZlibFileWriter::deflateAll(int flush) {
  int code = Z_OK;
  do {
    stream_.next_out = output_.data();
    stream_.avail_out = static_cast<uInt>(output_.size());
    code = deflate(&stream_, flush);
    if (code == Z_STREAM_ERROR) throw std::runtime_error("compression failed for " + file_.target());
    file_.write(output_.data(), output_.size() - stream_.avail_out);
  } while (stream_.avail_out == 0 || (flush == Z_FINISH && code != Z_STREAM_END));
}

void ZlibFileWriter::write(const void* data, size_t size) {
  if (finished_) throw std::logic_error("write after commit to " + file_.target());
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const size_t chunk = std::min(size, MemoryInputBlock);
    stream_.next_in = const_cast<unsigned char*>(bytes);
    stream_.avail_in = static_cast<uInt>(chunk);
    deflateAll(Z_NO_FLUSH);
    bytes += chunk;
    size -= chunk;
  }
}

void ZlibFileWriter::commit() {
  if (finished_) throw std::logic_error("second commit to " + file_.target());
  stream_.next_in = nullptr;
  stream_.avail_in = 0;
  deflateAll(Z_FINISH);
  finished_ = true;
  file_.commit();
}

ZlibReader::ZlibReader() : output_(OutputBlock) {
  if (inflateInit(&stream_) != Z_OK) throw std::runtime_error("cannot start decompressing");
}

ZlibReader::~ZlibReader() { inflateEnd(&stream_); }

bool ZlibReader::refill() {
  outputPos_ = 0;
  outputEnd_ = 0;
  if (!pendingError_.empty()) throw ZlibDataError(pendingError_, sourceName());
  while (!complete_ && outputEnd_ == 0) {
    if (stream_.avail_in == 0 && !sourceDone_) {
      const unsigned char* data = nullptr;
      const size_t count = fetch(data);
      sourceDone_ = count == 0;
      stream_.next_in = const_cast<unsigned char*>(data);
      stream_.avail_in = static_cast<uInt>(count);
    }
    if (stream_.avail_in == 0 && sourceDone_) throw ZlibDataError(TruncatedMessage, sourceName());
    stream_.next_out = output_.data();
    stream_.avail_out = static_cast<uInt>(output_.size());
    const int code = inflate(&stream_, Z_NO_FLUSH);
    outputEnd_ = output_.size() - stream_.avail_out;
    if (expansionLimit_ != 0 && stream_.total_out > ExpansionAllowance &&
        stream_.total_out / expansionLimit_ > stream_.total_in)
      throw ZlibDataError("the data expands beyond what such a file holds", sourceName());
    if (code == Z_STREAM_END) {
      complete_ = true;
    } else if (code == Z_DATA_ERROR || code == Z_NEED_DICT || code == Z_MEM_ERROR || code == Z_STREAM_ERROR) {
      // Hand over what was decompressed before the damage; the error comes with the next refill.
      pendingError_ = zlibMessage(stream_, code, code == Z_NEED_DICT ? "need dictionary" : "stream error");
      if (outputEnd_ == 0) throw ZlibDataError(pendingError_, sourceName());
      break;
    }
  }
  return outputEnd_ > 0;
}

size_t ZlibReader::read(void* buffer, size_t n) {
  auto* out = static_cast<unsigned char*>(buffer);
  size_t done = 0;
  while (done < n) {
    if (outputPos_ == outputEnd_ && !refill()) break;
    const size_t chunk = std::min(n - done, outputEnd_ - outputPos_);
    std::memcpy(out + done, output_.data() + outputPos_, chunk);
    outputPos_ += chunk;
    done += chunk;
  }
  return done;
}

bool ZlibReader::readRecord(void* record, size_t n) {
  const size_t got = read(record, n);
  if (got == n) return true;
  if (got == 0) return false;
  throw ZlibDataError(std::string(TruncatedMessage) + " inside a record", sourceName());
}

ZlibFileReader::ZlibFileReader(const std::string& fileName) : fileName_(fileName), input_(FileInputBlock) {
  std::string reason;
  const int fd = OpenRegularFile(fileName, reason);
  if (fd >= 0 && (file_ = ::fdopen(fd, "rb")) == nullptr) {
    reason = std::strerror(errno);
    ::close(fd);
  }
  if (file_ == nullptr) throw std::runtime_error("cannot open " + fileName + ": " + reason);
}

ZlibFileReader::~ZlibFileReader() { std::fclose(file_); }

size_t ZlibFileReader::fetch(const unsigned char*& data) {
  const size_t count = std::fread(input_.data(), 1, input_.size(), file_);
  if (count == 0 && std::ferror(file_) != 0)
    throw std::runtime_error("cannot read " + fileName_ + ": " + std::strerror(errno));
  data = input_.data();
  return count;
}

ZlibMemoryReader::ZlibMemoryReader(const void* data, size_t size)
    : data_(static_cast<const unsigned char*>(data)), size_(size) {}

size_t ZlibMemoryReader::fetch(const unsigned char*& data) {
  const size_t count = std::min(size_, MemoryInputBlock);
  data = data_;
  data_ += count;
  size_ -= count;
  return count;
}

std::vector<uint8_t> ZlibCompress(const void* data, size_t size, int level) {
  uLongf capacity = compressBound(static_cast<uLong>(size));
  std::vector<uint8_t> out(capacity);
  const int code = compress2(out.data(), &capacity, static_cast<const Bytef*>(data), static_cast<uLong>(size), level);
  if (code != Z_OK) throw std::runtime_error("compression failed");
  out.resize(capacity);
  return out;
}

}  // namespace vl
