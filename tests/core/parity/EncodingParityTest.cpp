// One table in both encodings: every command must leave the same text in the
// UTF-8 copy as in the Shift-JIS one. The texts are chosen so that stepping
// UTF-8 bytes as code page 932 would go wrong: "あ" is E3 81 82, and read as
// code page 932 its last byte pairs with a following "[" or "]".
#include <gtest/gtest.h>

#include "core/calc/GridCalcEngine.h"
#include "core/document/EncodingConversion.h"
#include "core/app/Navigation.h"
#include "core/editing/CharClassCommands.h"
#include "core/editing/CharClassMapping.h"
#include "core/editing/DateReformat.h"
#include "core/editing/NumberReformat.h"
#include "core/calc/Aggregation.h"
#include "core/editing/Replace.h"
#include "core/rows/Duplicates.h"
#include "core/rows/Filter.h"
#include "core/rows/Merge.h"
#include "core/rows/MergeSource.h"
#include "core/rows/Sort.h"
#include "core/locale/TextConverter.h"
#include "support/GridText.h"

namespace tabulo {
namespace {

using test::Cells;

struct Twins {
  TableDocument utf8;
  TableDocument sjis;
};

// The table of `rows` (UTF-8 literals) with `titles`, in both encodings.
Twins TwinsOf(const std::vector<Cells>& rows, const Cells& titles = {}) {
  Twins twins{test::GridOf(rows), test::GridOf(rows)};
  for (TableDocument* grid : {&twins.utf8, &twins.sjis}) {
    grid->SetEncoding({TextEncoding::Utf8, false});
    for (int col = 1; col < grid->ColCount(); ++col) {
      const auto index = static_cast<std::size_t>(col - 1);
      grid->Item(col).Title = index < titles.size() ? titles[index] : "c" + std::to_string(col);
    }
  }
  ConvertDocumentEncoding(twins.sjis, FileEncoding{});
  return twins;
}

// Both copies' titles and data cells, the Shift-JIS copy's read as UTF-8.
void ExpectSameText(const Twins& twins) {
  TextConverter cp932(TextEncoding::ShiftJis);
  ASSERT_EQ(twins.utf8.RowCount(), twins.sjis.RowCount());
  ASSERT_EQ(twins.utf8.ColCount(), twins.sjis.ColCount());
  for (int row = 0; row < twins.utf8.RowCount(); ++row) {
    for (int col = 1; col < twins.utf8.ColCount(); ++col) {
      EXPECT_EQ(twins.utf8.Cell(col, row), cp932.ToUtf8(twins.sjis.Cell(col, row))) << col << "," << row;
    }
  }
}

TEST(EncodingParity, ReplaceFindsWholeCharactersInBoth) {
  Twins twins = TwinsOf({{"あ[あ]"}, {"ソ\\ゼ["}, {"ゼ]あ\\"}});
  TextConverter cp932(TextEncoding::ShiftJis);
  for (const auto& [search, replacement] : std::vector<std::pair<std::string, std::string>>{
           {"[", "("}, {"]", ")"}, {"\\", "/"}, {"あ", "い"}}) {
    ReplaceRange(twins.utf8, {1, 1, 1, 3}, {ReplaceMethod::Search, ReplaceValue::Typed(search),
                                            ReplaceValue::Typed(replacement)}, nullptr);
    ReplaceRange(twins.sjis, {1, 1, 1, 3}, {ReplaceMethod::Search, ReplaceValue::Typed(cp932.FromUtf8(search)),
                                            ReplaceValue::Typed(cp932.FromUtf8(replacement))}, nullptr);
  }
  EXPECT_EQ(twins.utf8.Cell(1, 1), "い(い)");
  ExpectSameText(twins);
}

TEST(EncodingParity, FormulasFindTitlesEndingInAnyCharacter) {
  const Twins twins = TwinsOf({{"12", "3"}}, {"単価あ", "ゼ数"});
  TextConverter cp932(TextEncoding::ShiftJis);
  const std::string formula = "[単価あ]*[ゼ数]";
  TGridCalcEngine utf8(&twins.utf8);
  TGridCalcEngine sjis(&twins.sjis);
  utf8.SetExpression(formula);
  sjis.SetExpression(cp932.FromUtf8(formula));
  EXPECT_EQ(utf8.Evaluate(1, 1), "36");
  EXPECT_EQ(sjis.Evaluate(1, 1), "36");
}

// Texts that every character mapping has something to do with, and that
// step differently as the two encodings' bytes.
const std::vector<Cells> kMixedRows = {
    {"がっこう", "ガッコウ"}, {"ｶﾞｯｺｳ", "ﾊﾟﾝ ｳﾞｧ"}, {"abcＡＢＣαβγ", "ＡＢＣabcΑΒΓ"},
    {"ⅰⅱⅲ ａｂｃ", "ゐゑゎゝゞ"}, {"ヴヵヶ・ー「」", "ｰ｢｣･｡"}, {"あ[ソ\\ゼ]", "表～―"},
};

TEST(EncodingParity, EveryCharacterMappingGivesTheSameText) {
  for (int mapping = 0; mapping <= static_cast<int>(CharMapping::HalfWidth); ++mapping) {
    Twins twins = TwinsOf(kMixedRows);
    const TGridRect all{1, 1, 2, static_cast<int>(kMixedRows.size())};
    ConvertCharClass(twins.utf8, all, static_cast<CharMapping>(mapping), nullptr);
    ConvertCharClass(twins.sjis, all, static_cast<CharMapping>(mapping), nullptr);
    SCOPED_TRACE(mapping);
    ExpectSameText(twins);
  }
  EXPECT_EQ(MapCharClass("ｶﾞｯｺｳ", CharMapping::FullWidth, TextEncoding::Utf8), "ガッコウ");
  EXPECT_EQ(MapCharClass("ガッコウ", CharMapping::HalfWidth, TextEncoding::Utf8), "ｶﾞｯｺｳ");
  // A character code page 932 lacks, and a stray byte, stay as they are.
  EXPECT_EQ(MapCharClass("😀a\xFF", CharMapping::Upper, TextEncoding::Utf8), "😀A\xFF");
}

TEST(EncodingParity, ComparisonKeysMatchTheSameRows) {
  const Twins twins = TwinsOf(kMixedRows);
  TextConverter cp932(TextEncoding::ShiftJis);
  for (int row = 1; row < twins.utf8.RowCount(); ++row) {
    for (int col = 1; col <= 2; ++col) {
      EXPECT_EQ(NormalizeForCompare(twins.utf8.Cell(col, row), true, true, true, TextEncoding::Utf8),
                cp932.ToUtf8(NormalizeForCompare(twins.sjis.Cell(col, row), true, true, true)));
    }
  }
  DuplicateOptions options{{1}, true, true, true};
  EXPECT_EQ(FindDuplicateGroups(twins.utf8, options, true, nullptr).rows,
            FindDuplicateGroups(twins.sjis, options, true, nullptr).rows);
}

TEST(EncodingParity, FilterAndFindPickTheSameCells) {
  const Twins twins = TwinsOf(kMixedRows);
  TextConverter cp932(TextEncoding::ShiftJis);
  for (const std::string search : {"]", "ｺｳ", "ABC", "ゼ", "\\"}) {
    FilterOptions utf8;
    utf8.conditions[0].text = search;
    utf8.ignoreKana = utf8.ignoreWidth = true;
    FilterOptions sjis = utf8;
    sjis.conditions[0].text = cp932.FromUtf8(search);
    EXPECT_EQ(FindMatchingRows(twins.utf8, utf8, nullptr), FindMatchingRows(twins.sjis, sjis, nullptr)) << search;

    const auto foundUtf8 = FindInGrid(twins.utf8, search, {1, 1}, {});
    const auto foundSjis = FindInGrid(twins.sjis, cp932.FromUtf8(search), {1, 1}, {});
    EXPECT_EQ(foundUtf8.has_value(), foundSjis.has_value()) << search;
    if (foundUtf8 && foundSjis) {
      EXPECT_EQ(foundUtf8->col, foundSjis->col);
      EXPECT_EQ(foundUtf8->row, foundSjis->row);
    }
  }
}

TEST(EncodingParity, SortingOrdersTheRowsAlike) {
  std::vector<Cells> rows = kMixedRows;
  // Kanji of both JIS levels, whose code order is not their Unicode order,
  // and full- and half-width letters.
  for (const char* text : {"亜", "唖", "弌", "丐", "ａ", "A", "ｱ", "あ", "ア", "1", "１"}) rows.push_back({text, "x"});
  for (const SortKind kind : {SortKind::Text, SortKind::TextCase, SortKind::Bytes}) {
    for (const bool ascending : {true, false}) {
      Twins twins = TwinsOf(rows);
      const TKeyItem key{1, kind, ascending};
      SortRows(twins.utf8, std::span(&key, 1), nullptr);
      SortRows(twins.sjis, std::span(&key, 1), nullptr);
      SCOPED_TRACE(static_cast<int>(kind));
      ExpectSameText(twins);
    }
  }
}

TEST(EncodingParity, MergeTakesTheOtherFileInTheDocumentsEncoding) {
  TextConverter cp932(TextEncoding::ShiftJis);
  const std::string other = "がっこう,学校\r\nｶﾞｯｺｳ,ｶﾞｯｺｳ\r\n";
  for (const std::string& bytes : {"\xEF\xBB\xBF" + other, cp932.FromUtf8(other)}) {
    Twins twins = TwinsOf({{"ガッコウ", ""}, {"ソ", ""}});
    MergeOptions options;
    options.items.resize(3);
    options.items[1] = {0, MergeRole::Key};
    options.items[2] = {1, MergeRole::Replace};
    options.ignoreKana = true;
    const int changed = MergeRows(twins.utf8, MergeSource::FromBytes(bytes, TextEncoding::Utf8), options, nullptr);
    EXPECT_EQ(changed, MergeRows(twins.sjis, MergeSource::FromBytes(bytes, TextEncoding::ShiftJis), options, nullptr));
    EXPECT_EQ(twins.utf8.Cell(2, 1), "学校");
    ExpectSameText(twins);
  }
}

TEST(EncodingParity, DatesAndNumbersReformatAlike) {
  const std::vector<Cells> rows = {{"2024/4/1", "1234.5"}, {"平成 8年 4月 1日", "\\1,234"}, {"x", "１２"},
                                   {"H8/4/1", "-0.5"}};
  const TGridRect all{1, 1, 2, static_cast<int>(rows.size())};
  for (int command = 0; command <= static_cast<int>(DateCommand::WeekdayLong); ++command) {
    Twins twins = TwinsOf(rows);
    const int failedUtf8 = ReformatDates(twins.utf8, all, static_cast<DateCommand>(command), nullptr, 2026);
    EXPECT_EQ(failedUtf8, ReformatDates(twins.sjis, all, static_cast<DateCommand>(command), nullptr, 2026));
    SCOPED_TRACE(command);
    ExpectSameText(twins);
  }
  for (int command = 0; command <= static_cast<int>(NumberCommand::Uncurrency); ++command) {
    Twins twins = TwinsOf(rows);
    EXPECT_EQ(ReformatNumbers(twins.utf8, all, static_cast<NumberCommand>(command), nullptr),
              ReformatNumbers(twins.sjis, all, static_cast<NumberCommand>(command), nullptr));
    SCOPED_TRACE(command);
    ExpectSameText(twins);
  }
  EXPECT_EQ(StatisticCaption(Statistic::Sum, TextEncoding::Utf8), "合計");
}

}  // namespace
}  // namespace tabulo
