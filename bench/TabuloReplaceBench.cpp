// Measures "置換" over whole columns of the million-row corpus:
//   tabulo-replace-bench CORPUS [--repeat N]
// 連番 of the ID column grouped by the prefecture column, and 検索置換 of a
// character in the address column (most rows change) and of a text in the
// remarks column (few rows change), and 順位 of the ID column by quantity
// within prefecture. Each runs as one undo step, as the window runs it, and
// is undone again (the best and the first of N runs, with the allocations of
// one run); then each runs once more without a history.

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <string_view>

#include "bench/Corpus.h"
#include "core/document/EditTransaction.h"
#include "core/editing/Replace.h"
#include "core/locale/Encoding.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

using bench::Seconds;
using tabulo::ReplaceMethod;
using tabulo::ReplaceRequest;
using tabulo::ReplaceValue;

struct Command {
  const char* what;
  int col;
  ReplaceRequest request;
};

// As the window runs it: one undo step, undone again after each run. The
// first run is reported beside the best: it is the one that asks the system
// for fresh memory.
void MeasureStep(tabulo::TableDocument& grid, const Command& command, int repeat) {
  const int rows = grid.RowCount() - 1;
  double first = 0;
  double best = 1e30;
  double undo = 0;
  long allocations = 0;
  for (int i = 0; i < repeat; ++i) {
    const long before = g_allocations.load();
    const double run = Seconds([&] {
      tabulo::EditTransaction edit(grid, command.what);
      tabulo::ReplaceRange(grid, {command.col, 1, command.col, rows}, command.request, nullptr);
      edit.Commit();
    });
    allocations = g_allocations.load() - before;
    if (i == 0) first = run;
    best = std::min(best, run);
    undo = Seconds([&] { grid.Undo(); });
  }
  std::printf("%-40s %7.3f s  first %6.3f s  undo %6.3f s  %ld allocations\n", command.what, best, first, undo,
              allocations);
}

// Without a history (once: the run changes the document).
void MeasurePlain(tabulo::TableDocument& grid, const Command& command) {
  const long before = g_allocations.load();
  const double run = Seconds([&] {
    tabulo::ReplaceRange(grid, {command.col, 1, command.col, grid.RowCount() - 1}, command.request, nullptr);
  });
  std::printf("%-40s %7.3f s  (no history)  %ld allocations\n", command.what, run, g_allocations.load() - before);
}

}  // namespace

int main(int argc, char** argv) {
  const bench::CorpusRun run = bench::StartCorpusRun(argc, argv, "tabulo-replace-bench");
  tabulo::TableDocument& grid = *run.grid;
  const int repeat = run.repeat;

  tabulo::Cp932Converter converter;
  const int id = bench::ColumnTitled(grid, "ID");
  const int prefecture = bench::ColumnTitled(grid, "都道府県");
  const int address = bench::ColumnTitled(grid, "住所");
  const int remarks = bench::ColumnTitled(grid, "備考");
  const int quantity = bench::ColumnTitled(grid, "数量");

  const Command commands[] = {
      {"number ID grouped by prefecture", id, {ReplaceMethod::Number, ReplaceValue::Entry(grid, prefecture), {}}},
      {"search 市 -> シティ in the address", address,
       {ReplaceMethod::Search, ReplaceValue::Typed(converter.FromUtf8("市")),
        ReplaceValue::Typed(converter.FromUtf8("シティ"))}},
      {"search TEL -> 電話 in the remarks", remarks,
       {ReplaceMethod::Search, ReplaceValue::Typed("TEL"), ReplaceValue::Typed(converter.FromUtf8("電話"))}},
      {"rank ID by quantity within prefecture", id,
       {ReplaceMethod::Rank, ReplaceValue::Entry(grid, prefecture), ReplaceValue::Entry(grid, quantity)}},
  };
  for (const Command& command : commands) MeasureStep(grid, command, repeat);
  for (const Command& command : commands) MeasurePlain(grid, command);
  return 0;
}
