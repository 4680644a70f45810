// Arrays indexed over the ranges of the flight-plan record (0..30, 1..16,
// 0..8192 ...), one, two or three dimensions. An index outside its range is a
// programming error: it stops the program instead of touching other memory.
// Readers check indices that come from files before they use them.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>

namespace tarvel {

[[noreturn]] inline void index_fault(int i, int lo, int hi) {
  std::fprintf(stderr, "internal error: index %d outside %d..%d\n", i, lo, hi);
  std::abort();
}

template <class T, int Lo, int Hi>
class Arr1 {
  static_assert(Hi >= Lo);

 public:
  static constexpr bool in_range(int i) { return i >= Lo && i <= Hi; }

  T& operator()(int i) {
    if (!in_range(i)) index_fault(i, Lo, Hi);
    return v_[static_cast<std::size_t>(i - Lo)];
  }
  const T& operator()(int i) const {
    if (!in_range(i)) index_fault(i, Lo, Hi);
    return v_[static_cast<std::size_t>(i - Lo)];
  }
  void fill(const T& x) { v_.fill(x); }

 private:
  std::array<T, static_cast<std::size_t>(Hi - Lo + 1)> v_{};
};

template <class T, int Lo1, int Hi1, int Lo2, int Hi2>
class Arr2 {
 public:
  T& operator()(int i, int j) { return rows_(i)(j); }
  const T& operator()(int i, int j) const { return rows_(i)(j); }
  void fill(const T& x) {
    for (int i = Lo1; i <= Hi1; ++i) rows_(i).fill(x);
  }

 private:
  Arr1<Arr1<T, Lo2, Hi2>, Lo1, Hi1> rows_;
};

template <class T, int Lo1, int Hi1, int Lo2, int Hi2, int Lo3, int Hi3>
class Arr3 {
 public:
  T& operator()(int i, int j, int k) { return planes_(i)(j, k); }
  const T& operator()(int i, int j, int k) const { return planes_(i)(j, k); }
  void fill(const T& x) {
    for (int i = Lo1; i <= Hi1; ++i) planes_(i).fill(x);
  }

 private:
  Arr1<Arr2<T, Lo2, Hi2, Lo3, Hi3>, Lo1, Hi1> planes_;
};

}  // namespace tarvel
