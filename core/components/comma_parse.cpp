// TCommaParse: splits one record of delimited text, from a text or a file, honouring double quotes.
#include "core/components/comma_parse.h"

#include "core/files/paths.h"

namespace vl {

std::string TCommaParse::Unquote(std::string_view field) {
  if (!field.empty() && field.front() == '"' && field.back() == '"') {
    field = field.size() == 1 ? std::string_view() : field.substr(1, field.size() - 2);
  }
  std::string text;
  text.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    text += field[i];
    if (field[i] == '"' && i + 1 < field.size() && field[i + 1] == '"') ++i;
  }
  return text;
}

std::vector<std::string> TCommaParse::SplitText(std::string_view text, char delimiter) {
  std::vector<std::string> fields;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') {
      quoted = !quoted;
    } else if (text[i] == delimiter && !quoted) {
      fields.push_back(Unquote(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  fields.push_back(Unquote(text.substr(start)));
  return fields;
}

void TCommaParse::reset() {
  file_.reset();
  fields_.clear();
}

void TCommaParse::setData(const std::string& data) {
  reset();
  data_ = data;
  if (FileExists(data_)) {
    parseFile();
  } else {
    fields_ = SplitText(data_, fieldDelimiter_);
  }
}

void TCommaParse::setFieldDelimiter(char delimiter) {
  reset();
  data_.clear();
  fieldDelimiter_ = delimiter;
}

void TCommaParse::setRecordDelimiter(char delimiter) {
  reset();
  data_.clear();
  recordDelimiter_ = delimiter;
}

void TCommaParse::parseFile() {
  file_.reset(std::fopen(data_.c_str(), "rb"));
  std::string field;
  bool quoted = false;
  for (size_t read = 0; file_ != nullptr && read < MaxRecordBytes; ++read) {
    const int byte = std::fgetc(file_.get());
    if (byte == EOF) break;
    const char c = static_cast<char>(byte);
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == fieldDelimiter_) {
      fields_.push_back(Unquote(field));
      field.clear();
      continue;
    } else if (!quoted && c == recordDelimiter_) {
      break;
    }
    field += c;
  }
  fields_.push_back(Unquote(field));
}

}  // namespace vl
