// Decoding one picture file for a preview pane: JPEG through libjpeg at the View menu's scale, PNG, TIFF, WebP, HEIF/AVIF and JPEG XL through the fingerprint decoders, camera raw through libraw, the other formats through Qt.
#include "app/components/preview_decoder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>
#include <sys/stat.h>

#include <vector>

#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/modern_decoders.h"
#include "core/fingerprint/raw_decoder.h"

namespace vl::gui {
namespace {

// Files larger than this are not read for a preview.
constexpr qint64 MaxPreviewFileBytes = qint64(1) << 30;

// Only regular files are read: opening a FIFO named like a picture would wait forever.
bool isRegularFile(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QImage oriented(QImage image, QImageIOHandler::Transformations transformation) {
  if (transformation == QImageIOHandler::TransformationNone) return image;
  if (transformation == QImageIOHandler::TransformationRotate270)
    return image.transformed(QTransform().rotate(270));
  image = image.mirrored(transformation & QImageIOHandler::TransformationMirror,
                         transformation & QImageIOHandler::TransformationFlip);
  if (transformation & QImageIOHandler::TransformationRotate90) image = image.transformed(QTransform().rotate(90));
  return image;
}

bool turnsSideways(QImageIOHandler::Transformations transformation) {
  return transformation & QImageIOHandler::TransformationRotate90;
}

QImage wrap(PreviewPicture& picture) {
  uint32_t* pixels = picture.pixels.release();
  return QImage(reinterpret_cast<uchar*>(pixels), picture.width, picture.height, picture.width * 4,
                QImage::Format_RGB32, [](void* data) { delete[] static_cast<uint32_t*>(data); }, pixels);
}

QSize reducedSize(int width, int height, int denominator) {
  return {(width + denominator - 1) / denominator, (height + denominator - 1) / denominator};
}

DecodedPreview decodeJpeg(const QString& path, JpegPreviewOptions options, bool standIn) {
  DecodedPreview result;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPreviewFileBytes) return result;
  const QByteArray data = file.readAll();
  file.close();
  QImageReader header(path, "jpeg");
  const QImageIOHandler::Transformations transformation = header.transformation();
  if (turnsSideways(transformation)) std::swap(options.fitWidth, options.fitHeight);
  JpegPreviewOptions decodeOptions = options;
  if (standIn) decodeOptions.scaleDenominator = 8;
  PreviewPicture picture;
  if (!DecodeJpegPreview(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()), decodeOptions,
                         picture))
    return result;
  result.denominator = JpegPreviewDenominator(picture.fullWidth, picture.fullHeight, options);
  result.displaySize = reducedSize(picture.fullWidth, picture.fullHeight, result.denominator);
  result.fullSize = QSize(picture.fullWidth, picture.fullHeight);
  if (turnsSideways(transformation)) {
    result.displaySize.transpose();
    result.fullSize.transpose();
  }
  result.scalable = true;
  result.standIn = standIn && picture.scaleDenominator != result.denominator;
  result.image = oriented(wrap(picture), transformation);
  result.ok = true;
  return result;
}

DecodedPreview decodeWithQt(const QString& path, const QByteArray& format) {
  DecodedPreview result;
  if (QFileInfo(path).size() > MaxPreviewFileBytes) return result;
  QImageReader reader(path, format);
  reader.setDecideFormatFromContent(false);
  reader.setAutoTransform(true);
  if (!reader.read(&result.image) || result.image.isNull()) return result;
  result.displaySize = result.image.size();
  result.fullSize = result.image.size();
  result.ok = true;
  return result;
}

// The bitmap's pixels handed to a QImage that frees them with itself.
QImage wrap(WorkBitmap& bitmap) {
  auto* pixels = new std::vector<uint32_t>(std::move(bitmap.pixels));
  for (uint32_t& p : *pixels) p |= 0xFF000000u;
  return QImage(reinterpret_cast<uchar*>(pixels->data()), bitmap.width, bitmap.height, bitmap.width * 4,
                QImage::Format_RGB32, [](void* data) { delete static_cast<std::vector<uint32_t>*>(data); }, pixels);
}

// A TIFF of orientation 5 to 8 turned upright from the rows its decoder gives
// (libheif turns HEIF and AVIF pictures itself). O(pixels) when turned.
QImage uprightTiff(QImage image, const QByteArray& data) {
  const int orientation = TiffOrientationTag(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()));
  if (orientation == 5 || orientation == 7) return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
  if (orientation == 6 || orientation == 8) return image.transformed(QTransform(0, -1, -1, 0, 0, 0));
  return image;
}

// The whole file, or nothing when it cannot be read or is too large.
QByteArray readPreviewFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPreviewFileBytes) return {};
  return file.readAll();
}

// PNG, TIFF, WebP, HEIF, AVIF and JPEG XL: the fingerprint decoders' full-size bitmap, alpha over white.
DecodedPreview decodeFullColour(const QString& path, const QByteArray& format) {
  DecodedPreview result;
  const QByteArray data = readPreviewFile(path);
  WorkBitmap bitmap;
  if (!DecodeFullColour(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()),
                        PictureTypeOf(QFile::encodeName(path).toStdString()), bitmap) ||
      int64_t(bitmap.width) * bitmap.height > MaxPreviewPixels)
    return result;
  result.image = wrap(bitmap);
  if (format == "tiff") result.image = uprightTiff(std::move(result.image), data);
  result.displaySize = result.image.size();
  result.fullSize = result.image.size();
  result.ok = true;
  return result;
}

// The turn Qt makes for an EXIF orientation value (1 to 8).
QImageIOHandler::Transformations transformationOfTag(int tag) {
  static const QImageIOHandler::Transformations byTag[9] = {
      QImageIOHandler::TransformationNone,        QImageIOHandler::TransformationNone,
      QImageIOHandler::TransformationMirror,      QImageIOHandler::TransformationRotate180,
      QImageIOHandler::TransformationFlip,        QImageIOHandler::TransformationFlipAndRotate90,
      QImageIOHandler::TransformationRotate90,    QImageIOHandler::TransformationMirrorAndRotate90,
      QImageIOHandler::TransformationRotate270};
  return byTag[tag >= 1 && tag <= 8 ? tag : 1];
}

// The stored picture of a raw file: its JPEG preview at full size, or its pixels.
QImage rawImage(const RawPicture& picture, bool fast) {
  if (!picture.jpeg) {
    const QImage::Format format = picture.colours == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
    return QImage(picture.data, picture.width, picture.height, picture.width * picture.colours, format)
        .convertToFormat(QImage::Format_RGB32);
  }
  JpegPreviewOptions options;
  options.fast = fast;
  PreviewPicture decoded;
  if (!DecodeJpegPreview(picture.data, picture.size, options, decoded)) return {};
  return wrap(decoded);
}

// A camera raw file: the picture libraw finds in it (see ReadRawPicture), turned upright.
DecodedPreview decodeRaw(const QString& path, bool fast) {
  DecodedPreview result;
  const QByteArray data = readPreviewFile(path);
  DecodeControl control;
  control.budget = nullptr;
  RawPicture picture;
  if (!ReadRawPicture(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()), control,
                      [](uint64_t) { return true; }, picture))
    return result;
  const QImage stored = rawImage(picture, fast);
  if (stored.isNull()) return result;
  result.image = oriented(stored, transformationOfTag(picture.orientationTag));
  result.displaySize = result.image.size();
  result.fullSize = result.image.size();
  result.ok = true;
  return result;
}

bool isFullColourFormat(const QByteArray& format) {
  return format == "png" || format == "tiff" || format == "webp" || format == "heif" || format == "jxl";
}

}  // namespace

QByteArray PictureFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return "jpeg";
  for (const char* format : {"gif", "bmp", "ico", "emf", "wmf", "png", "tiff", "webp"})
    if (suffix == QLatin1String(format)) return format;
  if (suffix == QLatin1String("tif")) return "tiff";
  if (suffix == QLatin1String("heic") || suffix == QLatin1String("heif") || suffix == QLatin1String("avif"))
    return "heif";
  if (suffix == QLatin1String("jxl")) return "jxl";
  if (PictureTypeOf(QFile::encodeName(path).toStdString()) == PictureType::Raw) return "raw";
  return {};
}

DecodedPreview DecodePreviewFile(const QString& path, const JpegPreviewOptions& options, bool standIn) {
  const QByteArray format = PictureFormatOf(path);
  if (format.isEmpty() || !isRegularFile(path)) return {};
  if (format == "jpeg") return decodeJpeg(path, options, standIn);
  if (isFullColourFormat(format)) return decodeFullColour(path, format);
  if (format == "raw") return decodeRaw(path, options.fast);
  return decodeWithQt(path, format);
}

QImage DecodeThumbnailPicture(const QString& path, QSize box) {
  JpegPreviewOptions options;
  options.fitWidth = box.width();
  options.fitHeight = box.height();
  options.fast = true;
  const DecodedPreview preview = DecodePreviewFile(path, options);
  return preview.ok ? preview.image : QImage();
}

bool PreviewServes(const DecodedPreview& preview, const JpegPreviewOptions& options) {
  if (!preview.ok || preview.standIn) return false;
  if (!preview.scalable) return true;
  return preview.denominator ==
         JpegPreviewDenominator(preview.fullSize.width(), preview.fullSize.height(), options);
}

bool WantsStandIn(const QString& path, const JpegPreviewOptions& options) {
  if (PictureFormatOf(path) != "jpeg" || !isRegularFile(path)) return false;
  QImageReader header(path, "jpeg");
  const QSize full = header.size();
  if (!full.isValid()) return false;
  JpegPreviewOptions upright = options;
  if (turnsSideways(header.transformation())) std::swap(upright.fitWidth, upright.fitHeight);
  const int denominator = JpegPreviewDenominator(full.width(), full.height(), upright);
  return denominator < 8 && qint64(full.width() / denominator) * (full.height() / denominator) > StandInPixels;
}

}  // namespace vl::gui
