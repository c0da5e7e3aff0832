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

#include "bench/Timing.h"
#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"
#include "core/document/EditTransaction.h"
#include "core/editing/DateReformat.h"
#include "core/editing/NumberReformat.h"

namespace {

using tabulo::DateCommand;
using tabulo::NumberCommand;

// The corpus's columns: 価格 holds grouped integers ("650,784"), 数値
// numbers with two decimals, 日付 dates as "2011/05/17".
constexpr int kPrice = 6;
constexpr int kNumber = 8;
constexpr int kDate = 9;

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
  bench::YesPrompter prompter;
  auto document = std::make_unique<tabulo::TableDocument>();
  tabulo::TableDocument& grid = *document;
  tabulo::LoadTextIntoGrid(argv[1], grid, true, prompter, nullptr);
  tabulo::AdoptFirstLineAsTitles(grid);
  tabulo::RenumberRows(grid);
  const int rows = grid.RowCount() - 1;
  std::printf("corpus %s: %d rows x %d columns\n", argv[1], rows, grid.ColCount());

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
