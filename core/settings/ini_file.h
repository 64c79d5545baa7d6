// Single keys of an INI settings file, read and written with profile-file semantics.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vl {

// The text as a whole decimal number: an optional sign, then only digits, within the
// range of int; nothing otherwise (an empty text included).
std::optional<int> ParseWholeNumber(std::string_view text);

// Raised when a key cannot be written; what() is "Unable to write to <file>".
class IniWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Section and key names compare without regard to case (a to z) and without their
// surrounding blanks. Outside a batch there is no cache: each call reads the file
// (O(file size)), and each write rewrites it through a temporary file and a rename. A value in one pair of
// matching quotes (double or single) comes back without them; values are cut at
// MaxValueLength characters. A missing or unreadable file or key reads as the default;
// so does a file larger than MaxFileSize. A file that exists but cannot be read in
// full is never rewritten (the write fails instead of dropping its other keys).
class IniFile {
 public:
  static constexpr size_t MaxValueLength = 2048;
  static constexpr size_t MaxFileSize = 16 * 1024 * 1024;

  struct KeyValue {
    std::string key;
    std::string value;
  };

  explicit IniFile(std::string fileName);

  const std::string& fileName() const { return fileName_; }

  // The value of the first matching key of the first matching section.
  std::string readString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // The value as a whole decimal number (an optional sign, then digits, within the
  // range of int), or the default when missing or not one.
  int readInteger(const std::string& section, const std::string& key, int defaultValue) const;
  // Every key line of the first matching section in file order, values read as by
  // readString; empty when the section is missing. One read for the whole section.
  std::vector<KeyValue> readSection(const std::string& section) const;
  bool keyExists(const std::string& section, const std::string& key) const;
  bool sectionExists(const std::string& section) const;

  // Replaces the key's line, or appends it after the last key of its section; a
  // missing section is created at the end of the file, a missing file is created.
  // Line breaks in the value are written as spaces so that a value cannot add lines.
  // Throws IniWriteError when the file cannot be written.
  void writeString(const std::string& section, const std::string& key, const std::string& value);
  // Removes every section of that name with all its lines; nothing happens when there
  // is none. Throws IniWriteError when the file cannot be written.
  void eraseSection(const std::string& section);
  // Replaces every section of that name by one at the end of the file holding exactly
  // `pairs`, in one rewrite. Throws IniWriteError when the file cannot be written.
  void writeSection(const std::string& section, const std::vector<KeyValue>& pairs);

  // A batch of writes: after beginBatch() the writes change the file's lines in
  // memory only (reads see them), and commitBatch() writes the file once when any
  // changed, ending the batch. Without a commit the file stays as it was. Throws
  // IniWriteError when the file cannot be read in full or written.
  void beginBatch();
  void commitBatch();

 private:
  // The file's lines; empty when it does not exist, nothing when it cannot be read.
  std::optional<std::vector<std::string>> loadLines() const;
  std::vector<std::string> readLines() const;
  // The lines of the file about to be rewritten; throws IniWriteError when unreadable.
  std::vector<std::string> linesToRewrite() const;
  // Writes the lines to the file, or into the batch while one is open.
  void writeLines(std::vector<std::string> lines);
  [[noreturn]] void failWrite() const;

  std::string fileName_;
  std::optional<std::vector<std::string>> batch_;
  bool batchChanged_ = false;
};

}  // namespace vl
