// A fixed-size array for the search's big tables, in memory the kernel may
// back with 2 MiB pages: the search reads its tables at random, and with
// small pages nearly every read would also miss the address translation
// cache.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace rq51::shortest {

template <typename T>
class PagedArray {
 public:
  PagedArray() = default;
  PagedArray(size_t size, T value) { assign(size, value); }
  PagedArray(const PagedArray& other) { *this = other; }
  PagedArray& operator=(const PagedArray& other) {
    if (this != &other) {
      Allocate(other.size_);
      std::copy(other.data(), other.data() + size_, data());
    }
    return *this;
  }
  PagedArray(PagedArray&&) noexcept = default;
  PagedArray& operator=(PagedArray&&) noexcept = default;

  void assign(size_t size, T value) {
    Allocate(size);
    std::fill(data(), data() + size, value);
  }
  size_t size() const { return size_; }
  T* data() { return memory_.get(); }
  const T* data() const { return memory_.get(); }
  T& operator[](size_t i) { return memory_[i]; }
  const T& operator[](size_t i) const { return memory_[i]; }

 private:
  static constexpr size_t kHugePage = size_t{2} << 20;
  struct Free {
    void operator()(T* p) const { std::free(p); }
  };

  void Allocate(size_t size) {
    size_ = size;
    const size_t bytes = (size * sizeof(T) + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, bytes == 0 ? kHugePage : bytes);
    if (p == nullptr) throw std::bad_alloc();
    // Only a hint: without it, or where the kernel declines, the memory
    // works the same with small pages.
    madvise(p, bytes, MADV_HUGEPAGE);
    memory_.reset(static_cast<T*>(p));
  }

  std::unique_ptr<T[], Free> memory_;
  size_t size_ = 0;
};

}  // namespace rq51::shortest
