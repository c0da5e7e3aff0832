// One table in both encodings: every command must leave the same text in the
// UTF-8 copy as in the Shift-JIS one. The texts are chosen so that stepping
// UTF-8 bytes as code page 932 would go wrong: "あ" is E3 81 82, and read as
// code page 932 its last byte pairs with a following "[" or "]".
#include <gtest/gtest.h>

#include "core/calc/GridCalcEngine.h"
#include "core/document/EncodingConversion.h"
#include "core/editing/Replace.h"
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

}  // namespace
}  // namespace tabulo
