// Measures the formula engine over the million-row corpus:
//   tabulo-calc-bench CORPUS [--repeat N]
// Adopts the first line as titles, compiles the averaging formula of the
// calculation page's example once, evaluates it for every row and writes the
// results into a new last column, as the calculation command does.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "bench/Timing.h"
#include "core/base/Errors.h"
#include "core/calc/GridCalcEngine.h"
#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"
#include "core/locale/Encoding.h"

namespace {

using bench::BestSeconds;
using bench::YesPrompter;

void Report(const char* what, int rows, double seconds) {
  std::printf("%-34s %8.3f s  %8.1f ns/row\n", what, seconds, seconds / rows * 1e9);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tabulo-calc-bench CORPUS [--repeat N]\n");
    return 2;
  }
  const std::filesystem::path corpus = argv[1];
  int repeat = 3;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (std::string_view(argv[i]) == "--repeat") repeat = std::max(1, std::atoi(argv[i + 1]));
  }

  YesPrompter prompter;
  auto document = std::make_unique<tabulo::TableDocument>();
  tabulo::TableDocument& grid = *document;
  tabulo::LoadTextIntoGrid(corpus, grid, true, prompter, nullptr);
  tabulo::AdoptFirstLineAsTitles(grid);
  tabulo::RenumberRows(grid);
  const int target = grid.ColCount();
  grid.SetColCount(target + 1);
  tabulo::Cp932Converter converter;
  grid.SetCell(target, 0, converter.FromUtf8("計算結果"));
  const int rows = grid.RowCount() - 1;
  std::printf("corpus %s: %d rows x %d columns, best of %d\n", corpus.c_str(), rows, grid.ColCount(), repeat);

  const std::string formula = converter.FromUtf8("TRUNC( ( [数量] + [数値] ) / 3 * 10 + 0.5 ) / 10");
  tabulo::TGridCalcEngine engine(&grid);
  const double compile = BestSeconds(repeat, [&] { engine.SetExpression(formula); });
  std::printf("%-34s %8.3f ms\n", "SetExpression", compile * 1e3);

  long double total = 0;
  const double values = BestSeconds(repeat, [&] {
    total = 0;
    for (int row = 1; row <= rows; ++row) total += engine.EvaluateValue(target, row);
  });
  Report("EvaluateValue", rows, values);

  int failures = 0;
  const double written = BestSeconds(repeat, [&] {
    failures = 0;
    for (int row = 1; row <= rows; ++row) {
      std::string result;
      try {
        result = engine.Evaluate(target, row);
      } catch (const tabulo::TabuloError&) {
        result = "Error";
        ++failures;
      }
      const std::string_view cell = result;
      grid.ReplaceRowCells(row, target, {&cell, 1});
    }
  });
  Report("Evaluate + ReplaceRowCells", rows, written);
  std::printf("failures %d, sum of values %.6Lf, row 1: %s, last row: %s\n", failures, total,
              std::string(grid.Cell(target, 1)).c_str(), std::string(grid.Cell(target, rows)).c_str());
  return 0;
}
