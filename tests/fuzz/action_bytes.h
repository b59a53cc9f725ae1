// The bytes that drive a harness, read as small numbers and strings. From a
// fuzzer's input they run out, and every read after that gives 0; from a
// seed (the soak) they never run out, and the same seed gives the same
// bytes on every machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rq51::fuzz {

class ActionBytes {
 public:
  ActionBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit ActionBytes(uint64_t seed) : seeded_(true), state_(seed) {}

  bool exhausted() const { return !seeded_ && pos_ >= size_; }

  uint8_t Byte() {
    if (seeded_) {
      if (spare_ == 0) {
        word_ = NextWord();
        spare_ = 8;
      }
      --spare_;
      const auto byte = static_cast<uint8_t>(word_);
      word_ >>= 8;
      return byte;
    }
    return pos_ < size_ ? data_[pos_++] : 0;
  }

  // A number in 0 .. count - 1 (count at most 256).
  int Below(int count) { return count <= 1 ? 0 : Byte() % count; }

  // A number in low .. high (at most 256 values).
  int Between(int low, int high) { return low + Below(high - low + 1); }

  // At most `max_size` bytes of any value.
  std::string Text(int max_size) {
    const int size = Below(max_size + 1);
    std::string text;
    for (int i = 0; i < size; ++i) text.push_back(static_cast<char>(Byte()));
    return text;
  }

 private:
  // splitmix64: a fixed, portable stream of well-mixed words.
  uint64_t NextWord() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t pos_ = 0;
  bool seeded_ = false;
  uint64_t state_ = 0;
  uint64_t word_ = 0;
  int spare_ = 0;
};

}  // namespace rq51::fuzz
