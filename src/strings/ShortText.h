#pragma once

#include <cassert>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace zorvel {

// A text of at most kCapacity bytes kept inline. Every number and complex text
// that the arithmetic writes fits (the longest is two parts of 21 characters
// joined by a sign and closed by "i"), so the operations that run hundreds of
// thousands of times per keystroke never touch the heap.
class ShortText {
 public:
  static constexpr std::size_t kCapacity = 62;

  constexpr ShortText() = default;
  explicit ShortText(std::string_view text) { append(text); }

  void append(std::string_view text) {
    assert(size_ + text.size() <= kCapacity);
    std::memcpy(data_ + size_, text.data(), text.size());
    size_ = static_cast<unsigned char>(size_ + text.size());
  }
  void push_back(char c) {
    assert(size_ < kCapacity);
    data_[size_++] = c;
  }

  [[nodiscard]] std::size_t size() const { return size_; }
  [[nodiscard]] bool empty() const { return size_ == 0; }
  [[nodiscard]] const char* data() const { return data_; }
  [[nodiscard]] std::string_view view() const { return {data_, size_}; }
  operator std::string_view() const { return view(); }  // NOLINT: used as a text everywhere
  [[nodiscard]] std::string str() const { return std::string(view()); }

  friend bool operator==(const ShortText& a, const ShortText& b) { return a.view() == b.view(); }
  friend bool operator==(const ShortText& a, std::string_view b) { return a.view() == b; }

 private:
  char data_[kCapacity]{};
  unsigned char size_ = 0;
};

}  // namespace zorvel
