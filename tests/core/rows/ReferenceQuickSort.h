#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace tabulo::test {

// The quicksort's steps as they are written down, for comparing orders of
// equal items: middle pivot (a copy of the item), the two scans, the left
// part by recursion and the right part by the loop; no guard.
template <typename T, typename Compare>
void ReferenceQuickSort(std::vector<T>& items, long left, long right, Compare& compare) {
  long i = 0;
  do {
    i = left;
    long j = right;
    const T pivot = items[static_cast<std::size_t>((left + right) / 2)];
    do {
      while (compare(items[static_cast<std::size_t>(i)], pivot) < 0) ++i;
      while (compare(items[static_cast<std::size_t>(j)], pivot) > 0) --j;
      if (i <= j) {
        std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) ReferenceQuickSort(items, left, j, compare);
    left = i;
  } while (i < right);
}

template <typename T, typename Compare>
void ReferenceQuickSort(std::vector<T>& items, Compare compare) {
  if (items.size() > 1) ReferenceQuickSort(items, 0, static_cast<long>(items.size()) - 1, compare);
}

}  // namespace tabulo::test
