// The translator hook and the substitution of arguments into translated texts.
#include "core/components/user_text.h"

#include <atomic>
#include <climits>
#include <utility>

namespace vl {
namespace {

std::atomic<TextTranslator> Translator{nullptr};

// Replaces every "%n" in `text` by `n`.
std::string withCount(std::string text, int n) {
  const std::string count = std::to_string(n);
  for (size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size()))
    text.replace(at, 2, count);
  return text;
}

}  // namespace

void SetTextTranslator(TextTranslator translator) { Translator.store(translator, std::memory_order_release); }

std::string UserText(const char* context, const char* text, const char* disambiguation, int n) {
  const TextTranslator translator = Translator.load(std::memory_order_acquire);
  std::string result = translator != nullptr ? translator(context, text, disambiguation, n) : std::string(text);
  return n >= 0 ? withCount(std::move(result), n) : result;
}

int TextCount(size_t count) { return count > size_t(INT_MAX) ? INT_MAX : int(count); }

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string result;
  result.reserve(pattern.size());
  for (size_t at = 0; at < pattern.size(); ++at) {
    const size_t index = at + 1 < pattern.size() ? size_t(pattern[at + 1] - '1') : args.size();
    if (pattern[at] == '%' && index < args.size() && index < 9) {
      result += args.begin()[index];
      ++at;
    } else {
      result += pattern[at];
    }
  }
  return result;
}

}  // namespace vl
