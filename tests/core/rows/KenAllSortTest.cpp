// A real sort: the Japan Post postal-code file, by reading of the town and
// then by postal code.

#include <gtest/gtest.h>
#include <unicode/ucol.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/document/CsvReader.h"
#include "core/locale/Encoding.h"
#include "core/rows/Sort.h"
#include "platform/ScriptedPrompter.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

// The file's columns: 3 the postal code, 6 the town's reading in half-width
// katakana, 9 the town.
constexpr int kPostalCode = 3;
constexpr int kTownReading = 6;
constexpr int kTown = 9;

std::vector<std::string> RowTexts(const TableDocument& grid) {
  std::vector<std::string> texts;
  for (int row = 1; row < grid.RowCount(); ++row) {
    texts.push_back(std::string(grid.Cell(kPostalCode, row)) + "," + std::string(grid.Cell(kTown, row)));
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

TEST(SortRows, SortsThePostalCodeFileByReadingAndCode) {
  const auto path = test::SharedTestData("japanpost-kenall/KEN_ALL.CSV");
  if (!path) GTEST_SKIP() << "the shared test data are not on this machine";
  TableDocument grid;
  platform::ScriptedPrompter prompter;
  LoadTextIntoGrid(*path, grid, true, prompter, nullptr);
  ASSERT_EQ(grid.RowCount() - 1, 124825);
  const std::vector<std::string> before = RowTexts(grid);

  const TKeyItem keys[] = {{kTownReading, SortKind::Text, true}, {kPostalCode, SortKind::Bytes, true}};
  SortRows(grid, keys, nullptr);

  // Checked with a collator of its own: readings never go down, and equal
  // readings have their codes in order.
  UErrorCode error = U_ZERO_ERROR;
  std::unique_ptr<UCollator, decltype(&ucol_close)> collator(ucol_open("ja", &error), ucol_close);
  ASSERT_TRUE(U_SUCCESS(error));
  ucol_setStrength(collator.get(), UCOL_SECONDARY);
  Cp932Converter converter;
  std::u16string previous = converter.ToUtf16(grid.Cell(kTownReading, 1));
  for (int row = 2; row < grid.RowCount(); ++row) {
    const std::u16string reading = converter.ToUtf16(grid.Cell(kTownReading, row));
    const UCollationResult order = ucol_strcoll(collator.get(), previous.data(), static_cast<int32_t>(previous.size()),
                                                reading.data(), static_cast<int32_t>(reading.size()));
    ASSERT_NE(order, UCOL_GREATER) << "row " << row;
    if (order == UCOL_EQUAL) {
      ASSERT_LE(grid.Cell(kPostalCode, row - 1), grid.Cell(kPostalCode, row)) << "row " << row;
    }
    previous = reading;
  }
  EXPECT_EQ(RowTexts(grid), before);
}

}  // namespace
}  // namespace tabulo
