#pragma once

#include <algorithm>
#include <chrono>

#include "core/base/Prompter.h"

namespace bench {

using Clock = std::chrono::steady_clock;

// Wall-clock seconds one run of `work` takes.
template <typename Work>
double Seconds(Work work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The fastest of `repeat` runs.
template <typename Work>
double BestSeconds(int repeat, Work work) {
  double best = 1e30;
  for (int i = 0; i < repeat; ++i) best = std::min(best, Seconds(work));
  return best;
}

// Answers every question with Yes (the blank-splitting question of reading).
class YesPrompter final : public tabulo::Prompter {
  tabulo::Answer Show(const tabulo::Prompt&) override { return tabulo::Answer::Yes; }
};

}  // namespace bench
