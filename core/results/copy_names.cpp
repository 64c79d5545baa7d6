// Counting the copy markers that file managers, browsers and cameras' import tools put into the names of copies.
#include "core/results/copy_names.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace vl {

namespace {

// The word for "copy" as desktops write it, lower-cased where its letters are ASCII
// (the Cyrillic word comes in both letter cases).
constexpr std::string_view CopyWords[] = {"copy",  "kopie",   "copie", "copia", "cópia", "kopia",  "kopio",
                                          "kopya", "másolat", "копия", "Копия", "コピー", "副本", "복사본"};
// Leading forms, lower-cased: "Copy of sunset.jpg", "Kopie von sunset.jpg".
constexpr std::string_view CopyPrefixes[] = {"copy of ", "kopie von ", "copie de ", "copia de ", "copia di ",
                                             "cópia de "};
// What may stand between a name and a copy word: "sunset copy", "sunset - Copy", "sunset_copy".
constexpr std::string_view WordSeparators = " -_.";
// What may stand before a bare copy number: "sunset 2", "sunset-2", "sunset_2".
constexpr std::string_view NumberSeparators = " -_";
// A name with more markers than this is counted as having this many.
constexpr int MaxMarkers = 16;

std::string lowerAscii(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lowered;
}

// The name without its folder and its extension (a leading dot starts no extension).
std::string_view stemOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return name;
}

std::string_view trimmedEnd(std::string_view text, std::string_view characters) {
  const size_t last = text.find_last_not_of(characters);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

bool isNumber(std::string_view text, size_t maxDigits) {
  return !text.empty() && text.size() <= maxDigits &&
         std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

bool isCopyWord(std::string_view text) {
  return std::find(std::begin(CopyWords), std::end(CopyWords), text) != std::end(CopyWords);
}

// "2nd", "3rd", "11th": the form of GNOME's "(3rd copy)".
bool isOrdinal(std::string_view text) {
  if (text.size() < 3) return false;
  const std::string_view suffix = text.substr(text.size() - 2);
  return isNumber(text.substr(0, text.size() - 2), 3) &&
         (suffix == "st" || suffix == "nd" || suffix == "rd" || suffix == "th");
}

// What a copy holds in parentheses: "1", "copy", "copy 2", "another copy", "3rd copy".
bool marksInParentheses(std::string_view inner) {
  if (isNumber(inner, 3) || isCopyWord(inner) || inner == "another copy") return true;
  const size_t space = inner.rfind(' ');
  if (space == std::string_view::npos) return false;
  const std::string_view head = inner.substr(0, space);
  const std::string_view tail = inner.substr(space + 1);
  return (isCopyWord(head) && isNumber(tail, 3)) || (tail == "copy" && isOrdinal(head));
}

// The length of the lower-cased stem without the marker at its end; nothing when it
// ends in none or the marker would be all of it.
std::optional<size_t> withoutEndMarker(std::string_view stem) {
  const auto kept = [](std::string_view rest) -> std::optional<size_t> {
    if (rest.empty()) return std::nullopt;
    return rest.size();
  };
  if (stem.ends_with(')')) {
    const size_t open = stem.rfind('(');
    if (open != std::string_view::npos && marksInParentheses(stem.substr(open + 1, stem.size() - open - 2)))
      return kept(trimmedEnd(stem.substr(0, open), " "));
  }
  for (const std::string_view word : CopyWords) {
    if (stem.size() <= word.size() || !stem.ends_with(word)) continue;
    const size_t at = stem.size() - word.size();
    if (WordSeparators.find(stem[at - 1]) != std::string_view::npos)
      return kept(trimmedEnd(stem.substr(0, at), WordSeparators));
  }
  const size_t separator = stem.find_last_not_of("0123456789");
  const size_t digits = separator == std::string_view::npos ? 0 : stem.size() - 1 - separator;
  if (digits >= 1 && digits <= 2 && stem[separator + 1] != '0' &&
      NumberSeparators.find(stem[separator]) != std::string_view::npos)
    return kept(trimmedEnd(stem.substr(0, separator), NumberSeparators));
  return std::nullopt;
}

// How many bytes a leading marker takes ("copy of ", "copy (2) of "); nothing
// when there is none or it would be all of the stem.
std::optional<size_t> frontMarkerLength(std::string_view stem) {
  for (const std::string_view prefix : CopyPrefixes)
    if (stem.size() > prefix.size() && stem.starts_with(prefix)) return prefix.size();
  if (!stem.starts_with("copy (")) return std::nullopt;
  const size_t close = stem.find(") of ");
  if (close == std::string_view::npos || !isNumber(stem.substr(6, close - 6), 3)) return std::nullopt;
  const size_t length = close + 5;
  if (stem.size() <= length) return std::nullopt;
  return length;
}

}  // namespace

int CopyMarkerCount(std::string_view path) {
  const std::string lowered = lowerAscii(stemOf(path));
  std::string_view stem = lowered;
  int count = 0;
  for (; count < MaxMarkers; ++count) {
    if (const auto length = withoutEndMarker(stem)) {
      stem = stem.substr(0, *length);
    } else if (const auto skip = frontMarkerLength(stem)) {
      stem = stem.substr(*skip);
    } else {
      break;
    }
  }
  return count;
}

}  // namespace vl
