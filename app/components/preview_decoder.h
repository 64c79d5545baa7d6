// Decoding one picture file for a preview pane: JPEG through libjpeg at the View menu's scale, PNG, TIFF, WebP, HEIF/AVIF and JPEG XL through the fingerprint decoders, camera raw through libraw, the other formats through Qt.
#pragma once

#include <QImage>
#include <QString>

#include "core/fingerprint/jpeg_decoder.h"

namespace vl::gui {

// A decoded preview, turned upright by its EXIF orientation.
struct DecodedPreview {
  bool ok = false;
  QImage image;
  // The size the picture is shown at full size (the JPEG scale applied); a stand-in
  // decoded smaller than this is drawn enlarged until the real one arrives.
  QSize displaySize;
  // The upright full size; for a JPEG, the denominator of its full decode.
  QSize fullSize;
  int denominator = 1;
  bool scalable = false;  // a JPEG: the options decide its decode
  bool standIn = false;
};

// True when the preview is the full decode the options ask for.
bool PreviewServes(const DecodedPreview& preview, const JpegPreviewOptions& options);

// The picture format the file's extension names: "jpeg", "gif", "bmp", "ico",
// "emf", "wmf", "png", "tiff" (.tif too), "webp", "heif" (.heic and .avif too), "jxl",
// "raw" (the camera raw extensions), or empty when the extension names none (".j"
// passes the picture test but names no format).
QByteArray PictureFormatOf(const QString& path);

// Decodes the file as its extension's format. JPEGs honour the options (scale,
// DCT choice, fit box, given for the upright picture); other formats ignore them.
// PNG, TIFF, WebP, HEIF/AVIF and JPEG XL pictures are decoded as for their
// fingerprints (the first page or frame, alpha over white; at most MaxPreviewPixels).
// A camera raw file shows its embedded preview at full size when it is large enough,
// else its sensor data developed at half size, turned upright as libraw says.
// With standIn, a JPEG is decoded at 1/8 only (a quick first view). Anything but
// a regular file, and any failure, gives ok false. Runs on any thread; O(file size + decoded pixels).
DecodedPreview DecodePreviewFile(const QString& path, const JpegPreviewOptions& options, bool standIn = false);

// The picture of a file for a thumbnail of box: upright, a JPEG at the smallest
// scale that still covers the box; null when it cannot be read. Runs on any thread.
QImage DecodeThumbnailPicture(const QString& path, QSize box);

// True when a JPEG decode for these options is worth a 1/8 stand-in first: the
// final decode holds more than StandInPixels pixels.
bool WantsStandIn(const QString& path, const JpegPreviewOptions& options);
inline constexpr qint64 StandInPixels = 3'000'000;

}  // namespace vl::gui
