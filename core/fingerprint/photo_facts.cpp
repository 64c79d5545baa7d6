// Reading the date taken and the camera's name from EXIF blocks through libexif.
#include "core/fingerprint/photo_facts.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

#include <libexif/exif-data.h>
#include <libheif/heif.h>

#include "core/components/parallel_run.h"
#include "core/files/file_checks.h"
#include "core/fingerprint/fingerprint.h"

namespace vl {

namespace {

struct ExifFree {
  void operator()(ExifData* data) const { exif_data_unref(data); }
};

const char ExifHeader[] = {'E', 'x', 'i', 'f', '\0', '\0'};

// The text of an ASCII tag, without its closing zero; empty when the tag is missing or of another format.
std::string asciiTag(ExifContent* content, ExifTag tag) {
  const ExifEntry* entry = exif_content_get_entry(content, tag);
  if (entry == nullptr || entry->format != EXIF_FORMAT_ASCII || entry->data == nullptr) return {};
  const auto* text = reinterpret_cast<const char*>(entry->data);
  return std::string(text, strnlen(text, entry->size));
}

bool hasText(const std::string& text) { return text.find_first_not_of(" \t") != std::string::npos; }

// "YYYY:MM:DD HH:MM:SS" as days since 30 December 1899; nothing for a blank or impossible date.
std::optional<double> exifDateTime(const std::string& text) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (std::sscanf(text.c_str(), "%4d:%2d:%2d %2d:%2d:%2d", &year, &month, &day, &hour, &minute, &second) != 6 ||
      year < 1900 || month < 1 || day < 1 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
      second > 60)
    return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                         std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok()) return std::nullopt;
  constexpr std::chrono::sys_days Epoch{std::chrono::year(1899) / 12 / 30};
  const auto days = (std::chrono::sys_days(date) - Epoch).count();
  return static_cast<double>(days) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

PhotoFacts factsOf(const ExifData& exif) {
  PhotoFacts facts;
  facts.taken = exifDateTime(asciiTag(exif.ifd[EXIF_IFD_EXIF], EXIF_TAG_DATE_TIME_ORIGINAL));
  facts.camera = hasText(asciiTag(exif.ifd[EXIF_IFD_0], EXIF_TAG_MAKE)) ||
                 hasText(asciiTag(exif.ifd[EXIF_IFD_0], EXIF_TAG_MODEL));
  return facts;
}

// The bytes libexif is given for a file's first bytes: a JPEG as it is, anything else
// as the TIFF structure of an EXIF block.
std::string exifDataOfHead(const std::string& path) {
  std::string head;
  std::string reason;
  if (!ReadRegularFile(path, ExifProbeBytes, head, reason)) return {};
  head.resize(std::min(head.size(), ExifProbeBytes));
  if (head.size() >= 2 && static_cast<uint8_t>(head[0]) == 0xFF && static_cast<uint8_t>(head[1]) == 0xD8) return head;
  return std::string(ExifHeader, sizeof ExifHeader) + head;
}

// An open file libheif reads box by box, never past its size.
struct HeifFile {
  int fd = -1;
  int64_t size = 0;
  int64_t position = 0;
};

HeifFile& heifFile(void* user) { return *static_cast<HeifFile*>(user); }

int readHeifFile(void* data, size_t size, void* user) {
  HeifFile& file = heifFile(user);
  auto* bytes = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t got = ::pread(file.fd, bytes, size, file.position);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return 1;
    bytes += got;
    size -= static_cast<size_t>(got);
    file.position += got;
  }
  return 0;
}

const heif_reader HeifFileReader{
    1,
    [](void* user) { return heifFile(user).position; },
    readHeifFile,
    [](int64_t position, void* user) {
      if (position < 0 || position > heifFile(user).size) return 1;
      heifFile(user).position = position;
      return 0;
    },
    [](int64_t target, void* user) {
      return target <= heifFile(user).size ? heif_reader_grow_status_size_reached
                                           : heif_reader_grow_status_size_beyond_eof;
    }};

struct HeifContextFree {
  void operator()(heif_context* context) const { heif_context_free(context); }
};

// A HEIF Exif item framed for libexif: the item opens with the big-endian offset of
// its TIFF header from the end of those four bytes. Empty when it is damaged or larger
// than any EXIF block libexif reads.
std::string exifDataOfItem(const heif_image_handle* handle, heif_item_id id) {
  const size_t size = heif_image_handle_get_metadata_size(handle, id);
  if (size < 4 || size > ExifProbeBytes) return {};
  std::string item(size, '\0');
  if (heif_image_handle_get_metadata(handle, id, item.data()).code != heif_error_Ok) return {};
  uint32_t offset = 0;
  for (int i = 0; i < 4; ++i) offset = offset << 8 | static_cast<uint8_t>(item[static_cast<size_t>(i)]);
  if (offset > size - 4) return {};
  return std::string(ExifHeader, sizeof ExifHeader) + item.substr(4 + offset);
}

// The EXIF block of a HEIF file's primary picture, framed for libexif; empty when it
// has none. libheif reads the boxes before the picture data and the Exif item.
std::string exifDataOfHeif(const std::string& path) {
  std::string reason;
  HeifFile file;
  file.fd = OpenRegularFile(path, reason);
  if (file.fd < 0) return {};
  struct stat st {};
  file.size = ::fstat(file.fd, &st) == 0 ? st.st_size : 0;
  const std::unique_ptr<heif_context, HeifContextFree> context(heif_context_alloc());
  std::string data;
  heif_image_handle* handle = nullptr;
  heif_item_id id = 0;
  if (heif_context_read_from_reader(context.get(), &HeifFileReader, &file, nullptr).code == heif_error_Ok &&
      heif_context_get_primary_image_handle(context.get(), &handle).code == heif_error_Ok) {
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", &id, 1) == 1)
      data = exifDataOfItem(handle, id);
    heif_image_handle_release(handle);
  }
  ::close(file.fd);
  return data;
}

}  // namespace

PhotoFacts PhotoFactsOfExif(const uint8_t* data, size_t size) {
  if (size == 0 || size > std::numeric_limits<unsigned int>::max()) return {};
  const std::unique_ptr<ExifData, ExifFree> exif(exif_data_new());
  if (!exif) return {};
  // Read what the file holds: following the standard would add default tags that are not there.
  exif_data_unset_option(exif.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_load_data(exif.get(), data, static_cast<unsigned int>(size));
  return factsOf(*exif);
}

PhotoFacts ReadPhotoFacts(const std::string& path) {
  const std::string data = PictureTypeOf(path) == PictureType::Heif ? exifDataOfHeif(path) : exifDataOfHead(path);
  return PhotoFactsOfExif(reinterpret_cast<const uint8_t*>(data.data()), data.size());
}

std::optional<std::vector<PhotoFacts>> ReadPhotoFactsOf(const std::vector<std::string>& paths, int jobs,
                                                        const CancelToken& cancel, ProgressSink& sink) {
  std::vector<PhotoFacts> facts(paths.size());
  if (paths.empty()) return facts;
  std::atomic<size_t> done{0};
  const auto read = [&](size_t i) {
    facts[i] = ReadPhotoFacts(paths[i]);
    done.fetch_add(1, std::memory_order_relaxed);
  };
  const auto idle = [&] {
    sink.report({JobPhase::Marking, done.load(std::memory_order_relaxed), paths.size()});
    return !cancel.cancelled();
  };
  if (!RunInParallel(paths.size(), jobs, read, idle) || cancel.cancelled()) return std::nullopt;
  return facts;
}

}  // namespace vl
