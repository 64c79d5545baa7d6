// TSorter: in-place quicksort of string lists and pointer lists with built-in or owner comparisons.
#include "core/components/sorter.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <optional>
#include <string_view>

#include "core/files/paths.h"

namespace vl {

namespace {

// The environment's collation, character classes and number format, made once without
// touching the process locale; the C locale when the environment names none that exists.
locale_t userLocale() {
  static const locale_t locale = [] {
    locale_t made = newlocale(LC_COLLATE_MASK | LC_CTYPE_MASK | LC_NUMERIC_MASK, "", locale_t(nullptr));
    return made ? made : newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  }();
  return locale;
}

int signOf(long long value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

int negated(int compare) { return compare == INT_MIN ? INT_MAX : -compare; }

int compareWinCase(const std::string& s1, const std::string& s2) {
  return signOf(strcoll_l(s1.c_str(), s2.c_str(), userLocale()));
}

// The text lower-cased by the locale's character classes, or nothing when it is not
// valid multibyte text there (the C locale included for bytes above 0x7f).
std::optional<std::wstring> foldedWide(const std::string& text) {
  // ASCII reads as itself in every multibyte character set the system offers.
  if (std::all_of(text.begin(), text.end(), [](char c) { return c > 0; })) {
    std::wstring wide(text.begin(), text.end());
    for (wchar_t& c : wide) c = static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), userLocale()));
    return wide;
  }
  const locale_t previous = uselocale(userLocale());
  std::wstring wide(text.size() + 1, L'\0');
  std::mbstate_t state{};
  const char* source = text.c_str();
  const size_t length = std::mbsrtowcs(wide.data(), &source, wide.size(), &state);
  uselocale(previous);
  if (length == static_cast<size_t>(-1)) return std::nullopt;
  wide.resize(length);
  for (wchar_t& c : wide) c = static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), userLocale()));
  return wide;
}

int compareWinNoCase(const std::string& s1, const std::string& s2) {
  if (std::strcmp(nl_langinfo_l(CODESET, userLocale()), "ANSI_X3.4-1968") != 0) {
    const auto w1 = foldedWide(s1);
    const auto w2 = foldedWide(s2);
    if (w1 && w2) return signOf(wcscoll_l(w1->c_str(), w2->c_str(), userLocale()));
  }
  return compareWinCase(UpperAscii(s1), UpperAscii(s2));
}

// The bytes of strxfrm_l(text) in the user's locale.
std::string transformed(const std::string& text) {
  std::string key(text.size() * 4 + 16, '\0');
  size_t length = strxfrm_l(key.data(), text.c_str(), key.size(), userLocale());
  if (length >= key.size()) {
    key.resize(length + 1);
    length = strxfrm_l(key.data(), text.c_str(), key.size(), userLocale());
  }
  key.resize(length);
  return key;
}

// Appends a non-negative 31-bit value in the order-keeping variable-length form of
// UTF-8 (one byte below 0x80, up to six bytes), so that byte order is value order.
void appendOrdered(std::string& bytes, uint32_t code) {
  if (code < 0x80) {
    bytes.push_back(static_cast<char>(code));
    return;
  }
  int trailing = code < 0x800 ? 1 : code < 0x10000 ? 2 : code < 0x200000 ? 3 : code < 0x4000000 ? 4 : 5;
  const uint8_t lead = static_cast<uint8_t>(0xFF00 >> (trailing + 1));
  bytes.push_back(static_cast<char>(lead | (code >> (6 * trailing))));
  while (trailing-- > 0) bytes.push_back(static_cast<char>(0x80 | ((code >> (6 * trailing)) & 0x3F)));
}

// The wide key of wcsxfrm_l(text), each character in the order-keeping form above.
std::string transformedWide(const std::wstring& text) {
  std::wstring key(text.size() * 4 + 16, L'\0');
  size_t length = wcsxfrm_l(key.data(), text.c_str(), key.size(), userLocale());
  if (length >= key.size()) {
    key.resize(length + 1);
    length = wcsxfrm_l(key.data(), text.c_str(), key.size(), userLocale());
  }
  std::string bytes;
  bytes.reserve(length + 8);
  for (size_t i = 0; i < length; ++i) appendOrdered(bytes, static_cast<uint32_t>(key[i]) & 0x7FFFFFFF);
  return bytes;
}

int compareCase(std::string_view s1, std::string_view s2) {
  const size_t common = std::min(s1.size(), s2.size());
  for (size_t i = 0; i < common; ++i) {
    const int difference = static_cast<unsigned char>(s1[i]) - static_cast<unsigned char>(s2[i]);
    if (difference != 0) return difference;
  }
  const long long lengths = static_cast<long long>(s1.size()) - static_cast<long long>(s2.size());
  return lengths > INT_MAX ? INT_MAX : (lengths < INT_MIN ? INT_MIN : static_cast<int>(lengths));
}

// The whole text (blanks around it allowed) as a decimal number with the locale's
// separator: sign, digits, separator and exponent only, so "inf", "nan" and hexadecimal
// forms are no numbers.
std::optional<double> wholeNumber(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const size_t last = text.find_last_not_of(' ');
  const std::string number = text.substr(first, last - first + 1);
  static const std::string allowed = std::string("0123456789+-eE") + nl_langinfo_l(RADIXCHAR, userLocale());
  if (number.find_first_not_of(allowed) != std::string::npos) return std::nullopt;
  char* end = nullptr;
  const double value = strtod_l(number.c_str(), &end, userLocale());
  if (end != number.c_str() + number.size()) return std::nullopt;
  return value;
}

std::optional<double> numberOf(const std::string& text) {
  if (const auto whole = wholeNumber(text)) return whole;
  const size_t run = text.find_first_not_of("0123456789.");
  const std::string leading = text.substr(0, run);
  if (leading.empty()) return std::nullopt;
  return wholeNumber(leading);
}

// Keeps a string list in update mode for its lifetime, also when a comparison throws.
class UpdateScope {
 public:
  explicit UpdateScope(SortableStrings& strings) : strings_(strings) { strings_.beginUpdate(); }
  ~UpdateScope() { strings_.endUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  SortableStrings& strings_;
};

int compareNumeric(const std::string& s1, const std::string& s2) {
  const auto n1 = numberOf(s1);
  const auto n2 = numberOf(s2);
  if (!n1 && !n2) return compareWinCase(s1, s2);
  if (!n1) return 1;
  if (!n2) return -1;
  return *n1 < *n2 ? -1 : (*n1 > *n2 ? 1 : 0);
}

}  // namespace

int TSorter::CompareStrings(const std::string& s1, const std::string& s2, TStringSortType sortType) {
  int compare = 0;
  switch (sortType) {
    case stWinNoCase:
      compare = compareWinNoCase(s1, s2);
      break;
    case stCase:
      compare = compareCase(s1, s2);
      break;
    case stNoCase:
      compare = compareCase(UpperAscii(s1), UpperAscii(s2));
      break;
    case stNumeric:
      compare = compareNumeric(s1, s2);
      break;
    case stCustom:
      if (OnCompareStrings) {
        OnCompareStrings(*this, s1, s2, hint_, compare);
      } else {
        compare = compareWinCase(s1, s2);
      }
      break;
    default:
      compare = compareWinCase(s1, s2);
      break;
  }
  return inverted_ ? negated(compare) : compare;
}

int TSorter::compareList(const void* p1, const void* p2) {
  int compare = 0;
  if (OnCompareList) OnCompareList(*this, p1, p2, hint_, compare);
  return inverted_ ? negated(compare) : compare;
}

void TSorter::SortStrings() {
  if (strings_ == nullptr || strings_->count() < 2) return;
  SortableStrings& strings = *strings_;
  const TStringSortType sortType = stringSortType_;
  const UpdateScope update(strings);
  QuickSortRange(
      0, strings.count() - 1, [&strings](int i) { return strings.text(i); },
      [this, sortType](const std::string& s1, const std::string& s2) { return CompareStrings(s1, s2, sortType); },
      [&strings](int i, int j) { strings.exchange(i, j); });
}

std::string CollationKey(const std::string& text, TStringSortType sortType) {
  if (sortType != stWinNoCase) return transformed(text);
  if (std::strcmp(nl_langinfo_l(CODESET, userLocale()), "ANSI_X3.4-1968") != 0) {
    if (const auto folded = foldedWide(text)) return transformedWide(*folded);
  }
  return transformed(UpperAscii(text));
}

}  // namespace vl
