// Decoding JPEG data at a reduced scale through libjpeg, with bounded memory and scan counts.
#include "core/fingerprint/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace vl {

namespace {

// libjpeg may use this much memory for whole-image buffers (progressive pictures);
// beyond it decoding fails instead of allocating without bound.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr long MaxDecoderMemory = 64L << 20;
#else
constexpr long MaxDecoderMemory = 512L << 20;
#endif
// No real picture has this many scans; damaged progressive files may claim thousands.
constexpr int MaxScans = 500;

struct JpegErrors {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1); }

// Warnings and trace messages are neither shown nor counted.
void onMessage(j_common_ptr, int) {}

void onProgress(j_common_ptr cinfo) {
  auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (dinfo->input_scan_number > MaxScans) onError(cinfo);
}

// Owns one libjpeg decompressor; destroys it however decoding ends.
struct Decompressor {
  jpeg_decompress_struct cinfo{};
  JpegErrors errors{};
  jpeg_progress_mgr progress{};
  bool created = false;
  ~Decompressor() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

bool isCmyk(const jpeg_decompress_struct& cinfo) {
  return cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
}

void storeGreyRow(const JSAMPLE* in, uint32_t* out, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x) out[x] = in[x];
}

void storeCmykRow(const JSAMPLE* in, uint32_t* out, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x, in += 4) {
    const uint32_t k = in[3];
    out[x] = (in[0] * k / 255) << 16 | (in[1] * k / 255) << 8 | (in[2] * k / 255);
  }
}

// The decoding proper. No object with a destructor lives here, as libjpeg's errors
// leave through longjmp.
bool decode(Decompressor& d, const uint8_t* data, size_t size, WorkBitmap& bitmap, int32_t& width, int32_t& height) {
  jpeg_decompress_struct& cinfo = d.cinfo;
  cinfo.err = jpeg_std_error(&d.errors.mgr);
  d.errors.mgr.error_exit = onError;
  d.errors.mgr.emit_message = onMessage;
  if (setjmp(d.errors.jump)) return false;
  jpeg_create_decompress(&cinfo);
  d.created = true;
  d.progress.progress_monitor = onProgress;
  cinfo.progress = &d.progress;
  cinfo.mem->max_memory_to_use = MaxDecoderMemory;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  width = int32_t(cinfo.image_width);
  height = int32_t(cinfo.image_height);
  const bool cmyk = isCmyk(cinfo);
  cinfo.scale_num = 1;
  cinfo.scale_denom = unsigned(JpegScaleDenominator(cinfo.image_width, cinfo.image_height));
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_GRAYSCALE;
  cinfo.dct_method = JDCT_ISLOW;
  jpeg_calc_output_dimensions(&cinfo);
  if (uint64_t(cinfo.output_width) * cinfo.output_height > MaxWorkPixels) return false;
  jpeg_start_decompress(&cinfo);
  if (!bitmap.reset(cinfo.output_width, cinfo.output_height, 0, !cmyk)) return false;
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = int(cinfo.output_scanline);
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) return false;
    if (cmyk) storeCmykRow(row[0], bitmap.row(y), cinfo.output_width);
    else storeGreyRow(row[0], bitmap.row(y), cinfo.output_width);
  }
  return true;
}

}  // namespace

int JpegScaleDenominator(int64_t width, int64_t height) {
  for (int denom : {8, 4, 2})
    if (width / denom > 50 && height / denom > 50) return denom;
  return 1;
}

bool DecodeJpeg(const uint8_t* data, size_t size, WorkBitmap& bitmap, int32_t& width, int32_t& height) {
  if (size == 0) return false;
  Decompressor d;
  return decode(d, data, size, bitmap, width, height);
}

}  // namespace vl
