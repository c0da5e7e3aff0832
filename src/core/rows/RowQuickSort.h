#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <span>
#include <utility>

namespace tabulo {

// What a guarded quicksort had to do besides partitioning.
struct QuickSortReport {
  std::size_t heapSortedRanges = 0;  // ranges nested too deep, finished by heapsort
};

// A range nested deeper than this many partitions is finished by heapsort.
// Partitioning at the middle item goes about 3·log2(n) deep on shuffled
// data (the height of a random search tree), so a tighter bound would hand
// ordinary inputs to the heapsort and change the order of their equal items.
inline int QuickSortDepthLimit(std::size_t count) { return 4 * static_cast<int>(std::bit_width(count)); }

namespace quick_sort_detail {

template <typename T, typename Compare>
void HeapSortRange(T* first, T* last, Compare& compare) {
  const auto less = [&compare](const T& a, const T& b) { return compare(a, b) < 0; };
  std::make_heap(first, last, less);
  std::sort_heap(first, last, less);
}

template <typename T, typename Compare>
void SortRange(T* items, std::ptrdiff_t left, std::ptrdiff_t right, int depth, int depthLimit, Compare& compare,
               QuickSortReport& report) {
  while (left < right) {
    if (depth > depthLimit) {
      HeapSortRange(items + left, items + right + 1, compare);
      ++report.heapSortedRanges;
      return;
    }
    ++depth;
    std::ptrdiff_t i = left;
    std::ptrdiff_t j = right;
    const T pivot = items[left + (right - left) / 2];  // a copy: the item, not its place, is compared
    do {
      while (compare(items[i], pivot) < 0) ++i;
      while (compare(items[j], pivot) > 0) --j;
      if (i <= j) {
        std::swap(items[i], items[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    // left..j and i..right are sorted on their own; whatever lies between
    // equals the pivot and is in place.
    if (j - left < right - i) {
      if (left < j) SortRange(items, left, j, depth, depthLimit, compare, report);
      left = i;
    } else {
      if (i < right) SortRange(items, i, right, depth, depthLimit, compare, report);
      right = j;
    }
  }
}

}  // namespace quick_sort_detail

// Sorts `items` by `compare(a, b)` (negative, zero or positive; a consistent
// order) with the quicksort tables have always been sorted with, so that
// items comparing equal come out in the same order as they always did: the
// middle item of a range is the pivot, a scan from the left stops at an item
// not below it and one from the right at an item not above it, the two swap
// and move on until they cross, then the left part is sorted and after it
// the right part.
//
// Two guards keep a hostile input harmless without changing that order on
// ordinary ones. The parts are sorted independently, so the smaller one is
// sorted by recursion and the larger one by the loop: the stack stays within
// log2(n) frames. And a range nested deeper than QuickSortDepthLimit (an
// input made to defeat the middle pivot, which would take n² steps) is
// finished by heapsort, keeping the time O(n log n); equal items of such a
// range may come out in another order.
template <typename T, typename Compare>
QuickSortReport QuickSortItems(std::span<T> items, Compare compare) {
  QuickSortReport report;
  if (items.size() < 2) return report;
  quick_sort_detail::SortRange(items.data(), 0, static_cast<std::ptrdiff_t>(items.size()) - 1,
                               0, QuickSortDepthLimit(items.size()), compare, report);
  return report;
}

}  // namespace tabulo
