// WebP decoding through libwebp's incremental decoder, rows handed on as they come; of an animation, libwebpdemux finds the first frame.
#include "core/fingerprint/modern_decoders.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include <webp/decode.h>
#include <webp/demux.h>

namespace vl {

namespace {

// After the headers (and, of a lossy picture, the macroblock modes, which come before
// any row), the data is given to the decoder FirstStep bytes at a time; the step
// shrinks while a step yields more rows than MaxRowsPerStep and grows while it yields
// few, so that the rows decoded but not yet handed on stay few.
constexpr size_t FirstStep = 64;
constexpr size_t SmallestStep = 16;
constexpr size_t LargestStep = size_t(64) << 10;
constexpr int MaxRowsPerStep = 256;

struct DemuxDeleter {
  void operator()(WebPDemuxer* demux) const { WebPDemuxDelete(demux); }
};
struct DecoderDeleter {
  void operator()(WebPIDecoder* decoder) const { WebPIDelete(decoder); }
};

// The decoder's output: an anonymous mapping of the whole RGBA picture whose pages
// are given back to the system once their rows are handed on, so that only the
// rows in flight take memory.
class OutputRows {
 public:
  OutputRows(int width, int height) : stride_(size_t(width) * 4), bytes_(stride_ * size_t(height)) {
    void* p = ::mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    base_ = p == MAP_FAILED ? nullptr : static_cast<uint8_t*>(p);
  }
  ~OutputRows() {
    if (base_ != nullptr) ::munmap(base_, bytes_);
  }
  OutputRows(const OutputRows&) = delete;
  OutputRows& operator=(const OutputRows&) = delete;

  uint8_t* data() const { return base_; }
  size_t stride() const { return stride_; }
  size_t bytes() const { return bytes_; }
  // Gives back the whole pages before row y.
  void releaseBefore(int y) {
    static const size_t page = size_t(::sysconf(_SC_PAGESIZE));
    const size_t end = size_t(y) * stride_ / page * page;
    if (end > released_) ::madvise(base_ + released_, end - released_, MADV_DONTNEED);
    released_ = std::max(released_, end);
  }

 private:
  size_t stride_;
  size_t bytes_;
  uint8_t* base_ = nullptr;
  size_t released_ = 0;
};

uint32_t littleEndian(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

// Where the first partition of a lossy bitstream ends (its headers and every
// macroblock's modes), found by walking the chunks of a file (after its RIFF
// header) or of an animation frame; 0 for a lossless picture or damaged chunks.
size_t modesEnd(const uint8_t* data, size_t size) {
  size_t at = size >= 12 && std::memcmp(data, "RIFF", 4) == 0 ? 12 : 0;
  while (at + 8 <= size) {
    const uint32_t length = littleEndian(data + at + 4, 4);
    if (std::memcmp(data + at, "VP8 ", 4) == 0) {
      if (at + 11 > size) return 0;
      return std::min<size_t>(size, at + 8 + 10 + (littleEndian(data + at + 8, 3) >> 5));
    }
    at += 8 + size_t(length) + (length & 1);
  }
  return 0;
}

// What libwebp holds besides the rows in flight: a lossless picture every pixel, a
// lossy one a few macroblock rows and, with alpha, its whole alpha plane.
uint64_t libraryMemory(const WebPBitstreamFeatures& f) {
  const uint64_t w = uint64_t(f.width), h = uint64_t(f.height);
  const uint64_t inFlight = w * 4 * (2 * MaxRowsPerStep + 32);
  if (f.format == 2) return w * h * 4 + inFlight;
  return w * 64 + (f.has_alpha ? w * h : 0) + inFlight;
}

// Decodes one still bitstream of width x height pixels and puts its rows, alpha
// over white, at (left, top) of the sink's picture.
bool decodeRows(const uint8_t* data, size_t size, int width, int height, int left, int top, PixelSink& sink,
                const DecodeControl& control) {
  OutputRows output(width, height);
  if (output.data() == nullptr) return false;
  WebPDecBuffer buffer;
  WebPInitDecBuffer(&buffer);
  buffer.colorspace = MODE_RGBA;
  buffer.is_external_memory = 1;
  buffer.u.RGBA.rgba = output.data();
  buffer.u.RGBA.stride = int(output.stride());
  buffer.u.RGBA.size = output.bytes();
  const std::unique_ptr<WebPIDecoder, DecoderDeleter> decoder(WebPINewDecoder(&buffer));
  if (!decoder) return false;
  std::vector<uint32_t> row(static_cast<size_t>(width));
  size_t given = modesEnd(data, size), step = FirstStep;
  int done = 0;
  for (bool more = true; more && done < height && !control.cancelled();) {
    given = std::min(size, given + step);
    more = given < size;
    const VP8StatusCode status = WebPIUpdate(decoder.get(), data, given);
    if (status != VP8_STATUS_OK && status != VP8_STATUS_SUSPENDED) return false;
    int decoded = done;
    if (WebPIDecGetRGB(decoder.get(), &decoded, nullptr, nullptr, nullptr) == nullptr) decoded = done;
    decoded = std::min(decoded, height);
    for (int y = done; y < decoded; ++y) {
      const uint8_t* rgba = output.data() + size_t(y) * output.stride();
      PutConverted(sink, top + y, left, width, 1, row, [rgba](int i) {
        const uint8_t* p = rgba + 4 * i;
        return OverWhite(p[0], p[1], p[2], p[3]);
      });
    }
    output.releaseBefore(decoded);
    if (decoded - done > MaxRowsPerStep) step = std::max(SmallestStep, step / 2);
    else if (decoded - done < MaxRowsPerStep / 4) step = std::min(LargestStep, step * 2);
    done = decoded;
  }
  return done == height && !control.cancelled();
}

// The first frame of an animation as it shows on its canvas (the canvas starts
// transparent, so the rest is white). Only that frame is decoded, and the canvas is
// announced only once the frame is found inside it. A bitstream smaller than its
// frame leaves the rest of the frame white; a larger one is refused.
bool decodeFirstFrame(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control) {
  const WebPData input{data, size};
  std::unique_ptr<WebPDemuxer, DemuxDeleter> demux(WebPDemux(&input));
  WebPIterator frame;
  if (!demux || !WebPDemuxGetFrame(demux.get(), 1, &frame)) return false;
  const int64_t width = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH);
  const int64_t height = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT);
  WebPBitstreamFeatures features;
  const bool ok = frame.x_offset >= 0 && frame.y_offset >= 0 && frame.x_offset + frame.width <= width &&
                  frame.y_offset + frame.height <= height &&
                  WebPGetFeatures(frame.fragment.bytes, frame.fragment.size, &features) == VP8_STATUS_OK &&
                  features.width <= frame.width && features.height <= frame.height &&
                  sink.begin({width, height, 0xFFFFFF, false, libraryMemory(features)}) &&
                  decodeRows(frame.fragment.bytes, frame.fragment.size, features.width, features.height,
                             frame.x_offset, frame.y_offset, sink, control);
  WebPDemuxReleaseIterator(&frame);
  return ok;
}

}  // namespace

bool DecodeWebp(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control) {
  WebPBitstreamFeatures features;
  if (WebPGetFeatures(data, size, &features) != VP8_STATUS_OK) return false;
  if (features.has_animation) return decodeFirstFrame(data, size, sink, control);
  return sink.begin({features.width, features.height, OverWhite(0, 0, 0, 0), false, libraryMemory(features)}) &&
         decodeRows(data, size, features.width, features.height, 0, 0, sink, control);
}

}  // namespace vl
