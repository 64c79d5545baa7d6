// SharedText: an immutable, reference-counted text that reads as a const std::string.
#pragma once

#include <atomic>
#include <compare>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace vl {

// An immutable text whose copies share one block (a count and the characters), so
// that a path held by many entries is stored once. It is one pointer wide; the
// empty text holds no block. Reads as a const std::string or a std::string_view
// (implicitly), so it passes wherever one is read; a std::string is taken in
// explicitly or by assignment.
// Copies may be made and dropped on several threads (the count is atomic).
class SharedText {
 public:
  SharedText() noexcept = default;
  explicit SharedText(std::string text) : block_(text.empty() ? nullptr : new Block{{1}, std::move(text)}) {}
  SharedText(const SharedText& other) noexcept : block_(other.block_) {
    if (block_ != nullptr) block_->references.fetch_add(1, std::memory_order_relaxed);
  }
  SharedText(SharedText&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
  SharedText& operator=(SharedText other) noexcept {
    std::swap(block_, other.block_);
    return *this;
  }
  SharedText& operator=(std::string text) { return *this = SharedText(std::move(text)); }
  SharedText& operator=(const char* text) { return *this = SharedText(std::string(text)); }
  ~SharedText() {
    if (block_ != nullptr && block_->references.fetch_sub(1, std::memory_order_acq_rel) == 1) delete block_;
  }

  const std::string& str() const noexcept { return block_ != nullptr ? block_->text : emptyText(); }
  operator const std::string&() const noexcept { return str(); }  // NOLINT: reads as the text
  operator std::string_view() const noexcept { return str(); }    // NOLINT: reads as the text
  std::string_view view() const noexcept { return str(); }

  size_t size() const noexcept { return str().size(); }
  bool empty() const noexcept { return block_ == nullptr; }
  const char* c_str() const noexcept { return str().c_str(); }
  const char* data() const noexcept { return str().data(); }
  char operator[](size_t at) const noexcept { return str()[at]; }
  std::string::const_iterator begin() const noexcept { return str().begin(); }
  std::string::const_iterator end() const noexcept { return str().end(); }
  size_t find(std::string_view what, size_t from = 0) const noexcept { return str().find(what, from); }
  size_t find(char what, size_t from = 0) const noexcept { return str().find(what, from); }
  size_t rfind(std::string_view what, size_t from = std::string::npos) const noexcept {
    return str().rfind(what, from);
  }
  size_t rfind(char what, size_t from = std::string::npos) const noexcept { return str().rfind(what, from); }
  std::string substr(size_t at = 0, size_t count = std::string::npos) const { return str().substr(at, count); }
  int compare(std::string_view other) const noexcept { return str().compare(other); }
  int compare(size_t at, size_t count, std::string_view other) const { return str().compare(at, count, other); }
  bool starts_with(std::string_view prefix) const noexcept { return str().starts_with(prefix); }
  bool ends_with(std::string_view suffix) const noexcept { return str().ends_with(suffix); }
  // True when both hold the same block: equal without comparing characters.
  bool sharesWith(const SharedText& other) const noexcept { return block_ == other.block_; }

  friend bool operator==(const SharedText& a, const SharedText& b) noexcept {
    return a.block_ == b.block_ || a.str() == b.str();
  }
  friend bool operator==(const SharedText& a, std::string_view b) noexcept { return a.view() == b; }
  friend std::strong_ordering operator<=>(const SharedText& a, const SharedText& b) noexcept {
    return a.view() <=> b.view();
  }
  friend std::strong_ordering operator<=>(const SharedText& a, std::string_view b) noexcept {
    return a.view() <=> b;
  }
  friend std::string operator+(const SharedText& a, std::string_view b) { return std::string(a.view()) += b; }
  friend std::string operator+(std::string_view a, const SharedText& b) { return std::string(a) += b.view(); }
  friend std::ostream& operator<<(std::ostream& out, const SharedText& text) { return out << text.view(); }

 private:
  struct Block {
    std::atomic<size_t> references;
    std::string text;
  };

  static const std::string& emptyText() noexcept {
    static const std::string empty;
    return empty;
  }

  Block* block_ = nullptr;
};

}  // namespace vl
