// The guarded quicksort against a plain copy of the steps it follows: the
// same order for equal items on ordinary inputs, and O(n log n) on an input
// made to defeat its pivot.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <span>
#include <stdexcept>
#include <vector>

#include "core/rows/RowQuickSort.h"
#include "core/rows/ReferenceQuickSort.h"

namespace tabulo {
namespace {

using test::PivotKiller;
using test::ReferenceQuickSort;

// An item with a key and the place it started from, compared by key only.
struct Tagged {
  int key;
  int id;
};

int ByKey(const Tagged& a, const Tagged& b) { return (a.key > b.key) - (a.key < b.key); }

TEST(QuickSort, EqualItemsComeOutAsThePlainStepsLeaveThem) {
  std::mt19937 random(12);
  for (int round = 0; round < 300; ++round) {
    const auto size = static_cast<int>(random() % 3000);
    const int distinct = 1 + static_cast<int>(random() % 40);  // many ties
    std::vector<Tagged> items;
    for (int id = 0; id < size; ++id) items.push_back({static_cast<int>(random() % distinct), id});
    if (round % 10 == 1) std::sort(items.begin(), items.end(), [](auto& a, auto& b) { return a.key < b.key; });
    if (round % 10 == 2) std::reverse(items.begin(), items.end());
    std::vector<Tagged> expected = items;
    ReferenceQuickSort(expected, ByKey);
    const QuickSortReport report = QuickSortItems(std::span(items), ByKey);
    ASSERT_EQ(report.heapSortedRanges, 0u) << "round " << round;
    for (std::size_t i = 0; i < items.size(); ++i) {
      ASSERT_EQ(items[i].id, expected[i].id) << "round " << round << ", place " << i;
    }
  }
}

TEST(QuickSort, ShuffledDistinctItemsStayWithinTheDepthLimit) {
  std::mt19937 random(5);
  std::vector<int> items(200000);
  for (int& item : items) item = static_cast<int>(random());
  const QuickSortReport report =
      QuickSortItems(std::span(items), [](int a, int b) { return (a > b) - (a < b); });
  EXPECT_EQ(report.heapSortedRanges, 0u);
  EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
}

TEST(QuickSort, AnInputMadeAgainstTheMiddlePivotStillSortsInNLogN) {
  constexpr int kSize = 4096;
  const std::vector<int> input = PivotKiller(kSize);
  long plainSteps = 0;
  std::vector<int> plain = input;
  ReferenceQuickSort(plain, [&](int a, int b) {
    ++plainSteps;
    return a - b;
  });
  ASSERT_GT(plainSteps, long{kSize} * kSize / 8) << "not a killer input";

  long steps = 0;
  std::vector<int> guarded = input;
  const QuickSortReport report = QuickSortItems(std::span(guarded), [&](int a, int b) {
    ++steps;
    return a - b;
  });
  EXPECT_GT(report.heapSortedRanges, 0u);
  EXPECT_LT(steps, 8L * kSize * std::bit_width(unsigned{kSize}));
  EXPECT_TRUE(std::is_sorted(guarded.begin(), guarded.end()));
  EXPECT_EQ(guarded, plain);
}

}  // namespace
}  // namespace tabulo
