// Decoding JPEG data at a reduced scale through libjpeg, with bounded memory and scan counts.
#include "core/fingerprint/jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jerror.h>
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
  const DecodeControl* control = nullptr;  // its cancel flag stops decoding
};

[[noreturn]] void onError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1); }

// Warnings and trace messages are neither shown nor counted.
void onMessage(j_common_ptr, int) {}

// libjpeg calls this for every row it gives and, for a progressive picture, while it
// reads the scans.
void onProgress(j_common_ptr cinfo) {
  auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
  const DecodeControl* control = reinterpret_cast<JpegErrors*>(cinfo->err)->control;
  if (dinfo->input_scan_number > MaxScans || (control != nullptr && control->cancelled())) onError(cinfo);
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

void storeYccRow(const JSAMPLE* in, uint32_t* out, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x, in += 3) out[x] = uint32_t(in[1]) << 16 | uint32_t(in[2]) << 8 | in[0];
}

void storeCmykRow(const JSAMPLE* in, uint32_t* out, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x, in += 4) {
    const uint32_t k = in[3];
    out[x] = (in[0] * k / 255) << 16 | (in[1] * k / 255) << 8 | (in[2] * k / 255);
  }
}

// Whether libjpeg stopped because the chroma is sampled at a fractional ratio of the
// luminance (3:2, say): it reads such a picture's luminance but cannot upsample its chroma.
bool chromaNotUpsampled(const Decompressor& d) { return d.errors.mgr.msg_code == JERR_FRACT_SAMPLE_NOTIMPL; }

void installErrorHandlers(Decompressor& d) {
  d.cinfo.err = jpeg_std_error(&d.errors.mgr);
  d.errors.mgr.error_exit = onError;
  d.errors.mgr.emit_message = onMessage;
}

// Creates the decompressor over the data and reads the header. Called after the
// caller's setjmp, which catches libjpeg's errors.
void readHeader(Decompressor& d, const uint8_t* data, size_t size) {
  jpeg_decompress_struct& cinfo = d.cinfo;
  jpeg_create_decompress(&cinfo);
  d.created = true;
  d.progress.progress_monitor = onProgress;
  cinfo.progress = &d.progress;
  cinfo.mem->max_memory_to_use = MaxDecoderMemory;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
}

// What libjpeg allocates for a picture besides the output rows: a band of rows per
// component and, for a picture of several scans, every coefficient (within the cap).
uint64_t libraryMemory(jpeg_decompress_struct& cinfo) {
  uint64_t coefficients = 0;
  if (jpeg_has_multiple_scans(&cinfo))
    for (int c = 0; c < cinfo.num_components; ++c)
      coefficients += uint64_t(cinfo.comp_info[c].width_in_blocks) * cinfo.comp_info[c].height_in_blocks * sizeof(JBLOCK);
  const uint64_t rows = uint64_t(cinfo.image_width) * uint64_t(cinfo.num_components) * 2 * DCTSIZE;
  return std::min<uint64_t>(coefficients, MaxDecoderMemory) + rows + uint64_t(cinfo.output_width) * 8;
}

// The decoding proper. No object with a destructor lives here, as libjpeg's errors
// leave through longjmp.
bool decode(Decompressor& d, const uint8_t* data, size_t size, PixelSink& sink, int32_t& width, int32_t& height,
            const DecodeControl& control, bool withChroma) {
  jpeg_decompress_struct& cinfo = d.cinfo;
  installErrorHandlers(d);
  d.errors.control = &control;
  if (setjmp(d.errors.jump)) return false;
  readHeader(d, data, size);
  width = int32_t(cinfo.image_width);
  height = int32_t(cinfo.image_height);
  const bool cmyk = isCmyk(cinfo);
  const bool chroma = withChroma && cinfo.jpeg_color_space == JCS_YCbCr;
  cinfo.scale_num = 1;
  cinfo.scale_denom = unsigned(JpegScaleDenominator(cinfo.image_width, cinfo.image_height));
  cinfo.out_color_space = cmyk ? JCS_CMYK : chroma ? JCS_YCbCr : JCS_GRAYSCALE;
  cinfo.dct_method = JDCT_ISLOW;
  // The chroma's precision matters little, and plain upsampling never touches the luminance.
  if (chroma) cinfo.do_fancy_upsampling = FALSE;
  jpeg_calc_output_dimensions(&cinfo);
  if (uint64_t(cinfo.output_width) * cinfo.output_height > MaxWorkPixels) return false;
  if (!sink.begin({cinfo.output_width, cinfo.output_height, 0, !cmyk, libraryMemory(cinfo), chroma})) return false;
  jpeg_start_decompress(&cinfo);
  const auto common = reinterpret_cast<j_common_ptr>(&cinfo);
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(common, JPOOL_IMAGE,
                                              cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
  auto* pixels = static_cast<uint32_t*>((*cinfo.mem->alloc_large)(common, JPOOL_IMAGE,
                                                                   cinfo.output_width * sizeof(uint32_t)));
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = int(cinfo.output_scanline);
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) return false;
    if (cmyk) storeCmykRow(row[0], pixels, cinfo.output_width);
    else if (chroma) storeYccRow(row[0], pixels, cinfo.output_width);
    else storeGreyRow(row[0], pixels, cinfo.output_width);
    sink.put(y, 0, int(cinfo.output_width), pixels);
  }
  return true;
}

// Reads the header alone; as decode(), nothing with a destructor lives here.
bool readSize(Decompressor& d, const uint8_t* data, size_t size, int32_t& width, int32_t& height) {
  installErrorHandlers(d);
  if (setjmp(d.errors.jump)) return false;
  readHeader(d, data, size);
  width = int32_t(d.cinfo.image_width);
  height = int32_t(d.cinfo.image_height);
  return true;
}

void setPreviewParameters(jpeg_decompress_struct& cinfo, const JpegPreviewOptions& options, bool luminance) {
  cinfo.scale_num = 1;
  cinfo.scale_denom = unsigned(JpegPreviewDenominator(cinfo.image_width, cinfo.image_height, options));
  cinfo.out_color_space = luminance ? JCS_GRAYSCALE : isCmyk(cinfo) ? JCS_CMYK : JCS_EXT_BGRX;
  cinfo.dct_method = options.fast ? JDCT_IFAST : JDCT_ISLOW;
  cinfo.do_fancy_upsampling = options.fast ? FALSE : TRUE;
}

void cmykToRgb(uint32_t* row, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x) {
    const auto* in = reinterpret_cast<const JSAMPLE*>(&row[x]);
    const uint32_t k = in[3];
    row[x] = 0xFF000000u | (in[0] * k / 255) << 16 | (in[1] * k / 255) << 8 | (in[2] * k / 255);
  }
}

// Widens a row of grey bytes, held at the start of the row, to opaque pixels in place.
void greyToRgb(uint32_t* row, JDIMENSION width) {
  const auto* grey = reinterpret_cast<const JSAMPLE*>(row);
  for (JDIMENSION x = width; x-- > 0;) row[x] = 0xFF000000u | uint32_t(grey[x]) * 0x010101u;
}

// The preview decoding proper, in colour or of the luminance alone; as decode(),
// nothing with a destructor lives here.
bool decodePreview(Decompressor& d, const uint8_t* data, size_t size, const JpegPreviewOptions& options,
                   bool luminance, PreviewPicture& picture) {
  jpeg_decompress_struct& cinfo = d.cinfo;
  installErrorHandlers(d);
  if (setjmp(d.errors.jump)) return false;
  readHeader(d, data, size);
  setPreviewParameters(cinfo, options, luminance);
  jpeg_calc_output_dimensions(&cinfo);
  const int64_t pixels = int64_t(cinfo.output_width) * cinfo.output_height;
  if (pixels <= 0 || pixels > MaxPreviewPixels) return false;
  picture.fullWidth = int32_t(cinfo.image_width);
  picture.fullHeight = int32_t(cinfo.image_height);
  picture.width = int32_t(cinfo.output_width);
  picture.height = int32_t(cinfo.output_height);
  picture.scaleDenominator = int(cinfo.scale_denom);
  picture.pixels.reset(new uint32_t[size_t(pixels)]);
  jpeg_start_decompress(&cinfo);
  const bool cmyk = cinfo.out_color_space == JCS_CMYK;
  while (cinfo.output_scanline < cinfo.output_height) {
    uint32_t* row = picture.pixels.get() + size_t(cinfo.output_scanline) * cinfo.output_width;
    JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(row)};
    if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) return false;
    if (cmyk) cmykToRgb(row, cinfo.output_width);
    else if (luminance) greyToRgb(row, cinfo.output_width);
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

}  // namespace

int JpegCoveringDenominator(int64_t width, int64_t height, int fitWidth, int fitHeight) {
  if (fitWidth <= 0 || fitHeight <= 0 || width <= 0 || height <= 0) return 1;
  // The fitted size is the picture scaled by min(fitWidth / width, fitHeight / height).
  const bool widthBinds = int64_t(fitWidth) * height <= int64_t(fitHeight) * width;
  for (int denom : {8, 4, 2}) {
    const int64_t reduced = ((widthBinds ? width : height) + denom - 1) / denom;
    if (reduced >= (widthBinds ? fitWidth : fitHeight)) return denom;
  }
  return 1;
}

int JpegPreviewDenominator(int64_t width, int64_t height, const JpegPreviewOptions& options) {
  const int covering = JpegCoveringDenominator(width, height, options.fitWidth, options.fitHeight);
  for (int allowed : {8, 4, 2})
    if (options.scaleDenominator == allowed) return std::max(covering, allowed);
  return covering;
}

int JpegScaleDenominator(int64_t width, int64_t height) {
  for (int denom : {8, 4, 2})
    if (width / denom > 50 && height / denom > 50) return denom;
  return 1;
}

bool DecodeJpeg(const uint8_t* data, size_t size, PixelSink& sink, int32_t& width, int32_t& height,
                const DecodeControl& control, bool withChroma) {
  if (size == 0) return false;
  Decompressor d;
  if (decode(d, data, size, sink, width, height, control, withChroma)) return true;
  // A picture whose chroma libjpeg cannot upsample is read without it, as a classic
  // scan reads every picture.
  if (!withChroma || !chromaNotUpsampled(d)) return false;
  Decompressor luminance;
  return decode(luminance, data, size, sink, width, height, control, false);
}

bool JpegSize(const uint8_t* data, size_t size, int32_t& width, int32_t& height) {
  if (size == 0) return false;
  Decompressor d;
  return readSize(d, data, size, width, height);
}

bool DecodeJpegPreview(const uint8_t* data, size_t size, const JpegPreviewOptions& options, PreviewPicture& picture) {
  picture = PreviewPicture{};
  if (size == 0) return false;
  Decompressor d;
  if (decodePreview(d, data, size, options, false, picture)) return true;
  picture = PreviewPicture{};
  // A picture whose chroma libjpeg cannot upsample is shown in grey.
  Decompressor luminance;
  if (chromaNotUpsampled(d) && decodePreview(luminance, data, size, options, true, picture)) return true;
  picture = PreviewPicture{};
  return false;
}

}  // namespace vl
