// Single keys of an INI settings file, read and written with profile-file semantics.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace vl {

// Raised when a key cannot be written; what() is "Unable to write to <file>".
class IniWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Section and key names compare without regard to case. There is no cache: each
// call reads the file (O(file size)). A value in one pair of matching quotes comes
// back without them; values are cut at 2,048 characters. A missing file or key reads
// as the default. Writing replaces the key's line or appends it to its section (the
// section is created at the end of the file), through a temporary file and a rename.
class IniFile {
 public:
  explicit IniFile(std::string fileName);

  const std::string& fileName() const { return fileName_; }

  std::string readString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // The value as a whole decimal number, or the default when missing or not one.
  int readInteger(const std::string& section, const std::string& key, int defaultValue) const;
  bool keyExists(const std::string& section, const std::string& key) const;
  bool sectionExists(const std::string& section) const;

  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void eraseSection(const std::string& section);

 private:
  std::string fileName_;
};

}  // namespace vl
