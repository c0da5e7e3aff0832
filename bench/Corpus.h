#pragma once

#include <cstdio>
#include <memory>

#include "bench/Timing.h"
#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"

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

// The corpus as the window opens it with its first line as titles, rows
// numbered; says how big it is.
inline std::unique_ptr<tabulo::TableDocument> LoadCorpus(const char* path) {
  YesPrompter prompter;
  auto document = std::make_unique<tabulo::TableDocument>();
  tabulo::LoadTextIntoGrid(path, *document, true, prompter, nullptr);
  tabulo::AdoptFirstLineAsTitles(*document);
  tabulo::RenumberRows(*document);
  std::printf("corpus %s: %d rows x %d columns\n", path, document->RowCount() - 1, document->ColCount());
  return document;
}

}  // namespace bench
