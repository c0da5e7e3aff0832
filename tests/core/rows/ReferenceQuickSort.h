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

// McIlroy's adversary: values are settled only when the sort compares them,
// always so that the pivot turns out as small as possible. Replaying the
// settled values gives an input on which this quicksort takes n² steps.
inline std::vector<int> PivotKiller(int size) {
  const int gas = size;  // not settled yet: above every settled value
  std::vector<int> value(static_cast<std::size_t>(size), gas);
  int settled = 0;
  int candidate = 0;
  auto compare = [&](int x, int y) {
    auto& vx = value[static_cast<std::size_t>(x)];
    auto& vy = value[static_cast<std::size_t>(y)];
    if (vx == gas && vy == gas) (x == candidate ? vx : vy) = settled++;
    if (vx == gas) {
      candidate = x;
    } else if (vy == gas) {
      candidate = y;
    }
    return vx - vy;
  };
  std::vector<int> ids(static_cast<std::size_t>(size));
  for (int i = 0; i < size; ++i) ids[static_cast<std::size_t>(i)] = i;
  ReferenceQuickSort(ids, compare);
  for (int& v : value) {
    if (v == gas) v = settled++;
  }
  return value;
}

}  // namespace tabulo::test
