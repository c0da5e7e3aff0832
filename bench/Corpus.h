#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "bench/Timing.h"
#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"
#include "core/locale/Encoding.h"

namespace bench {

// The columns of the corpus ../shared/bench/gen_corpus.py makes: ID, 氏名,
// フリガナ (readings in full- and half-width katakana), 都道府県 (one of 47
// prefectures), 住所 (addresses, nearly all different), 価格 (grouped
// integers, "650,784"), 数量, 数値 (numbers with two decimals), 日付 (dates,
// "2011/05/17"), 備考.
namespace corpus {
inline constexpr int kReading = 3;
inline constexpr int kPrefecture = 4;
inline constexpr int kAddress = 5;
inline constexpr int kPrice = 6;
inline constexpr int kQuantity = 7;
inline constexpr int kDecimal = 8;
inline constexpr int kDate = 9;
inline constexpr int kNote = 10;
}  // namespace corpus

// The corpus as the benchmarks work on it: its first line as the titles,
// the rows numbered.
inline void LoadCorpus(const char* path, tabulo::TableDocument& grid) {
  YesPrompter prompter;
  tabulo::LoadTextIntoGrid(path, grid, true, prompter, nullptr);
  tabulo::AdoptFirstLineAsTitles(grid);
  tabulo::RenumberRows(grid);
}

// The corpus as the window opens it with its first line as titles, rows
// numbered; says how big it is.
inline std::unique_ptr<tabulo::TableDocument> LoadCorpus(const char* path) {
  auto document = std::make_unique<tabulo::TableDocument>();
  LoadCorpus(path, *document);
  std::printf("corpus %s: %d rows x %d columns\n", path, document->RowCount() - 1, document->ColCount());
  return document;
}

// The column whose title is `title` (UTF-8); ends the program when the
// corpus has none.
inline int ColumnTitled(const tabulo::TableDocument& grid, std::string_view title) {
  const std::string wanted = tabulo::Cp932Converter().FromUtf8(title);
  for (int col = 1; col < grid.ColCount(); ++col) {
    if (grid.Cell(col, 0) == wanted) return col;
  }
  std::fprintf(stderr, "the corpus has no column %s\n", std::string(title).c_str());
  std::exit(1);
}

// A benchmark's command line, "CORPUS [--repeat N]", and the corpus it
// names, read and described on standard output. Ends the program with the
// usage when the corpus is missing.
struct CorpusRun {
  std::unique_ptr<tabulo::TableDocument> grid = std::make_unique<tabulo::TableDocument>();
  int repeat = 3;
};

inline CorpusRun StartCorpusRun(int argc, char** argv, const char* name) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS [--repeat N]\n", name);
    std::exit(2);
  }
  CorpusRun run;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (std::string_view(argv[i]) == "--repeat") run.repeat = std::max(1, std::atoi(argv[i + 1]));
  }
  LoadCorpus(argv[1], *run.grid);
  std::printf("corpus %s: %d rows x %d columns, best of %d\n", argv[1], run.grid->RowCount() - 1,
              run.grid->ColCount(), run.repeat);
  return run;
}

}  // namespace bench
