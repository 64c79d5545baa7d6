// TCommaParse: splits one record of delimited text, from a text or a file, honouring double quotes.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vl {

// Setting Data parses at once. A Data that names an existing file is opened (and kept
// open until Data or a delimiter changes) and its first record is read; any other Data
// is one record. Double quotes toggle a quoted state in which delimiters do not split;
// each field then loses one pair of outer quotes and "" becomes ". Setting a delimiter
// closes the file, clears Fields and empties Data. O(record length).
class TCommaParse {
 public:
  static constexpr char DefaultFieldDelimiter = ',';
  static constexpr char DefaultRecordDelimiter = '\r';
  // A file record is cut here, so a damaged file without delimiters cannot take
  // all memory.
  static constexpr size_t MaxRecordBytes = 16 * 1024 * 1024;

  const std::string& data() const { return data_; }
  void setData(const std::string& data);
  char fieldDelimiter() const { return fieldDelimiter_; }
  void setFieldDelimiter(char delimiter);
  char recordDelimiter() const { return recordDelimiter_; }
  void setRecordDelimiter(char delimiter);
  // The fields of the current record, index 0 first.
  const std::vector<std::string>& fields() const { return fields_; }

  // The fields of text as one record split at delimiter, without ever looking at the
  // file system. A text ending with the delimiter ends with an empty field; an empty
  // text gives one empty field.
  static std::vector<std::string> SplitText(std::string_view text, char delimiter);
  // The field without one pair of enclosing double quotes (a lone '"' becomes empty),
  // then with each pair of adjacent double quotes read left to right made one.
  static std::string Unquote(std::string_view field);

 private:
  void reset();
  void parseFile();

  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  std::string data_;
  char fieldDelimiter_ = DefaultFieldDelimiter;
  char recordDelimiter_ = DefaultRecordDelimiter;
  std::vector<std::string> fields_;
  std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace vl
