#include "core/editing/NumberReformat.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/base/Progress.h"
#include "core/document/EditTransaction.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;

constexpr std::string_view kFail = "(fail)";

// What a cell reads after a conversion: the new text, the old one when the
// conversion kept it, or kFail.
template <typename Convert>
std::string Outcome(std::string_view text, Convert convert) {
  std::string out = "garbage";
  switch (convert(text, out)) {
    case CellOutcome::Write:
      EXPECT_NE(out, text) << "a conversion that changes nothing keeps the cell";
      return out;
    case CellOutcome::Keep: return std::string(text);
    case CellOutcome::Fail: break;
  }
  return std::string(kFail);
}

std::string Reformatted(std::string_view text, NumberCommand command) {
  return Outcome(text, [&](std::string_view t, std::string& out) { return ReformatNumberText(t, command, out); });
}

TEST(ReformatNumberText, OneLinePerCase) {
  struct Case {
    NumberCommand command;
    std::string text;
    std::string expected;
  };
  using enum NumberCommand;
  const std::vector<Case> cases = {
      // Halves go up, also below zero; a fraction below a half goes down.
      {Round, "2.5", "3"},
      {Round, "-2.5", "-2"},
      {Round, "-2.4", "-2"},
      {Round, "-0.6", "-1"},
      {Round, "2.4", "2"},
      {Round, "1.5", "2"},
      {Round, "0.5", "1"},
      {Round, "-0.5", "0"},
      {Round, "-1.5", "-1"},
      {Round, "0.49999999999999999", "0"},
      // Separators and the currency string of the text decide the form.
      {Round, "1,234.5", "1,235"},
      {Round, "\\1234.4", "\\1234"},
      {Round, "\\1,234.5", "\\1,235"},
      {Round, "-\\1,234.6", "-\\1,235"},
      {Round, "-\\1234.6", "\\-1235"},
      {Round, " 12.0 ", "12"},
      {Round, "1e3", "1000"},
      {Round, "12", "12"},
      // The 32-bit range.
      {Round, "3000000000.2", std::string(kFail)},
      {Round, "2147483647.4", "2147483647"},
      {Round, "2147483647.5", std::string(kFail)},
      {Round, "-2147483648.5", "-2147483648"},
      {Round, "-1e300", std::string(kFail)},
      // Text that is no number stays and is no failure.
      {Round, "", ""},
      {Round, "abc", "abc"},
      {Round, test::Sjis("12円"), test::Sjis("12円")},
      {Round, "1.2.3", "1.2.3"},
      {Ceil, "2.1", "3"},
      {Ceil, "-2.9", "-2"},
      {Ceil, "2147483646.5", "2147483647"},
      {Floor, "2.9", "2"},
      {Floor, "-2.1", "-3"},
      {Floor, "-2147483648.5", std::string(kFail)},
      {Truncate, "2.9", "2"},
      {Truncate, "-2.9", "-2"},
      {Truncate, "1,999.99", "1,999"},
      {Truncate, "-0.5", "0"},
      {Ceil, "-0.5", "0"},
      {Floor, "0.5", "0"},
      {Floor, "-0.5", "-1"},
      {Ceil, "0.5", "1"},
      // A tiny negative value lies just below zero.
      {Round, "-1e-30", "0"},
      {Ceil, "-1e-30", "0"},
      {Floor, "-1e-30", "-1"},
      {Truncate, "-1e-30", "0"},
      {Round, "-0", "0"},
      // Grouping and currency keep the text's decimals.
      {Group, "1234567", "1,234,567"},
      {Group, "1234.50", "1,234.50"},
      {Group, "-1234.5", "-1,234.5"},
      {Group, "\\1234", "\\1,234"},
      {Group, "1,234,567", "1,234,567"},
      {Group, "abc", "abc"},
      {Ungroup, "\\1,234,567", "1234567"},
      {Ungroup, "1,234.50", "1234.50"},
      {Ungroup, "-1,234", "-1234"},
      {Currency, "1234", "\\1,234"},
      {Currency, "-1234.5", "-\\1,234.5"},
      {Currency, "1,234.00", "\\1,234.00"},
      {Uncurrency, "\\1,234", "1,234"},
      {Uncurrency, "\\1234.5", "1234.5"},
      {Uncurrency, "1,234", "1,234"},
      {Uncurrency, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Reformatted(c.text, c.command), c.expected)
        << "tag " << static_cast<int>(c.command) << " on \"" << c.text << '"';
  }
}

TEST(SetDecimalsText, OneLinePerCase) {
  struct Case {
    int decimals;
    std::string text;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {2, "3", "3.00"},
      {2, "1,234.567", "1,234.57"},
      {2, "\\5", "\\5.00"},
      {2, "\\1,234.5", "\\1,234.50"},
      {2, "-1,234.567", "-1,234.57"},
      {2, "-\\1234.5", "\\-1234.50"},
      {2, "3.00", "3.00"},
      {0, "2.5", "3"},
      {0, "1,234.5", "1,235"},
      {18, "0.1", "0.100000000000000000"},
      // Here a text that is no number fails, the empty cell included.
      {2, "", std::string(kFail)},
      {2, "abc", std::string(kFail)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Outcome(c.text, [&](std::string_view t, std::string& out) { return SetDecimalsText(t, c.decimals, out); }),
              c.expected)
        << c.decimals << " decimals on \"" << c.text << '"';
  }
}

TEST(ParseDecimalsAnswer, TakesIntegersFromZeroToEighteen) {
  const std::vector<std::pair<std::string, std::optional<int>>> cases = {
      {"0", 0}, {"2", 2}, {"18", 18}, {" 5", 5}, {"+3", 3},
      {"19", std::nullopt}, {"-1", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt},
      {"2.5", std::nullopt}, {"5 ", std::nullopt}, {"\x82\x51", std::nullopt},  // full-width ２
  };
  for (const auto& [answer, expected] : cases) EXPECT_EQ(ParseDecimalsAnswer(answer), expected) << '"' << answer << '"';
}

class RecordingSink : public ProgressSink {
 public:
  void ShowProgress(int percent) override { shown.push_back(percent); }
  void HideProgress() override { hidden = true; }
  std::vector<int> shown;
  bool hidden = false;
};

TEST(ReformatNumbers, CountsFailuresKeepsTheirTextAndRewritesOnlyChangedRows) {
  TableDocument grid = test::GridOf({{"x", "1.5", "abc"}, {"x", "12", "5000000000"}, {"x", "-2.5", "7"}});
  RecordingSink sink;
  EditTransaction edit(grid, "四捨五入");
  EXPECT_EQ(ReformatNumbers(grid, {2, 1, 3, 3}, NumberCommand::Round, &sink), 1);
  const ChangeRecord changes = edit.Commit();
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"x", "2", "abc"}, {"x", "12", "5000000000"}, {"x", "-2", "7"}}));
  // Row 2 kept every cell, so only rows 1 and 3 were rewritten.
  EXPECT_EQ(changes.firstRow, 1);
  EXPECT_EQ(changes.lastRow, 3);
  EXPECT_EQ(grid.History().UndoCount(), 1U);
  EXPECT_EQ(sink.shown, (std::vector<int>{0, 50, 100}));
  EXPECT_TRUE(sink.hidden);
}

TEST(ReformatNumbers, ACommandThatChangesNothingLeavesNoStep) {
  TableDocument grid = test::GridOf({{"1,234", "abc"}, {"", "\\5"}});
  EditTransaction edit(grid, "３桁区切り付加");
  EXPECT_EQ(ReformatNumbers(grid, {1, 1, 2, 2}, NumberCommand::Group, nullptr), 0);
  EXPECT_FALSE(edit.Commit().Any());
  EXPECT_EQ(grid.History().UndoCount(), 0U);
}

TEST(SetDecimals, CountsTheEmptyCellAndClampsTheRange) {
  TableDocument grid = test::GridOf({{"3", ""}, {"1,234.567", "\\5"}});
  EXPECT_EQ(SetDecimals(grid, {0, 0, 99, 99}, 2, nullptr), 1);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"3.00"}, {"1,234.57", "\\5.00"}}));
}

}  // namespace
}  // namespace tabulo
