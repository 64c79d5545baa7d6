// The texts the user reads from the core: marked for translation, translated through a hook the window installs.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vl {

// Translates `text` of `context`; `disambiguation` tells apart equal texts with
// different meanings (nullptr for none); `n` is the count of a plural text ("%n
// files"), -1 for none. Returns the translation, or the text itself when there is
// none. Called on any thread, so it must be thread-safe.
using TextTranslator = std::string (*)(const char* context, const char* text, const char* disambiguation, int n);

// Installs the translator every later UserText call goes through; nullptr takes it
// away. Without one (the command line, the tests) texts stay the English source.
// Thread-safe: an atomic store.
void SetTextTranslator(TextTranslator translator);

// A text the user reads, in the user's language: the installed translator's answer,
// or `text` without one, with every "%n" replaced by `n` (when n >= 0).
// lupdate finds these calls through `-tr-function-alias translate+=UserText`, so
// the context and the text must be string literals; the core always passes the
// context "vl::core". Keep the count argument a plain name or call: Debian's
// lupdate 6.4 hangs on a number literal or a subscript inside it.
// O(length of the text) plus the translator's own cost.
std::string UserText(const char* context, const char* text, const char* disambiguation = nullptr, int n = -1);

// A count as UserText takes it for "%n": capped at the largest int.
int TextCount(size_t count);

// Puts `args` in the places %1 .. %9 of `pattern` name, in one pass, so a
// translation can reorder them and an argument holding "%2" stays as it is; any
// other '%' stays too. O(length of the result).
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace vl
