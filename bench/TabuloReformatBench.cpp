// Measures the number and date commands over one whole column of the
// million-row corpus:
//   tabulo-reformat-bench CORPUS
// Each command runs as one step, as the window runs it, and is undone before
// the next run: the first of three runs (the one that meets fresh memory),
// the best of them and of their undos, and how many cells failed.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "bench/Corpus.h"
#include "bench/Timing.h"
#include "core/document/EditTransaction.h"
#include "core/editing/DateReformat.h"
#include "core/editing/NumberReformat.h"

namespace {

using tabulo::DateCommand;
using tabulo::NumberCommand;

using bench::corpus::kDate;
using bench::corpus::kPrice;
constexpr int kNumber = bench::corpus::kDecimal;

// Only the commands whose name holds this text are measured (all by default).
std::string g_only;

void Measure(tabulo::TableDocument& grid, const std::string& what, const std::function<int()>& command) {
  if (what.find(g_only) == std::string::npos) return;
  int failures = 0;
  double first = 0;
  double best = 1e30;
  double undo = 1e30;
  for (int run = 0; run < 3; ++run) {
    const double seconds = bench::Seconds([&] {
      tabulo::EditTransaction edit(grid, what);
      failures = command();
      edit.Commit();
    });
    if (run == 0) first = seconds;
    best = std::min(best, seconds);
    undo = std::min(undo, bench::Seconds([&] { grid.Undo(); }));
  }
  std::printf("%-34s first %6.3f s  best %6.3f s  undo %6.3f s  failures %d\n", what.c_str(), first, best, undo,
              failures);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tabulo-reformat-bench CORPUS [ONLY]\n");
    return 2;
  }
  if (argc > 2) g_only = argv[2];
  const std::unique_ptr<tabulo::TableDocument> document = bench::LoadCorpus(argv[1]);
  tabulo::TableDocument& grid = *document;
  const int rows = grid.RowCount() - 1;

  const char* numberNames[] = {"round", "ceil", "floor", "truncate", "group", "ungroup", "currency", "uncurrency"};
  for (const int col : {kPrice, kNumber}) {
    const std::string column = col == kPrice ? "price" : "number";
    for (int tag = 0; tag <= 7; ++tag) {
      const auto command = static_cast<NumberCommand>(tag);
      Measure(grid, std::string(numberNames[tag]) + " on the " + column + " column",
              [&] { return tabulo::ReformatNumbers(grid, {col, 1, col, rows}, command, nullptr); });
    }
    Measure(grid, "decimals:3 on the " + column + " column",
            [&] { return tabulo::SetDecimals(grid, {col, 1, col, rows}, 3, nullptr); });
  }
  const char* dateNames[] = {"wareki", "wareki-era", "meiji", "taisho", "showa", "heisei",
                             "year2", "year4-1900", "year4-2000", "weekday", "weekday-long"};
  for (int tag = 0; tag <= 10; ++tag) {
    const auto command = static_cast<DateCommand>(tag);
    Measure(grid, std::string(dateNames[tag]) + " on the date column",
            [&] { return tabulo::ReformatDates(grid, {kDate, 1, kDate, rows}, command, nullptr); });
  }
  return 0;
}
