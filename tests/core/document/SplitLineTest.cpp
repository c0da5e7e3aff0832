#include "core/document/SplitLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabulo {
namespace {

std::vector<std::string> Split(std::string_view line, Delimiter delimiter, int leading = 0) {
  FieldList fields;
  SplitLine(line, delimiter, fields, leading);
  std::vector<std::string> result;
  for (std::size_t i = 0; i < fields.size(); ++i) result.emplace_back(fields[i]);
  return result;
}

using Fields = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string line;
  Delimiter delimiter;
  Fields expected;
};

class SplitLineCases : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLineCases, GivesTheExpectedFields) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(Split(c.line, c.delimiter), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SplitLineCases,
    testing::Values(
        SplitCase{"TrailingDelimiterGivesEmptyField", "a,,b,", Delimiter::Comma, {"a", "", "b", ""}},
        SplitCase{"QuotedFieldsWithDoubledQuotes", "\"x,y\",\"he said \"\"hi\"\"\"", Delimiter::Comma,
                  {"x,y", "he said \"hi\""}},
        SplitCase{"TabKeepsQuotes", "\"ab\"\tc", Delimiter::Tab, {"\"ab\"", "c"}},
        SplitCase{"TextAfterClosingQuoteIsItsOwnField", "\"ab\"cd,x", Delimiter::Comma, {"ab", "cd", "x"}},
        SplitCase{"EmptyLineHasNoFields", "", Delimiter::Comma, {}},
        SplitCase{"LoneDelimiterGivesTwoEmptyFields", ",", Delimiter::Comma, {"", ""}},
        SplitCase{"BlanksAreNotCollapsed", "a  b ", Delimiter::Blank, {"a", "", "b", ""}},
        SplitCase{"BlanksInsideFieldsKept", " a , b ", Delimiter::Comma, {" a ", " b "}},
        SplitCase{"QuotedBlankField", "\"a b\" c", Delimiter::Blank, {"a b", "c"}},
        SplitCase{"UnclosedQuoteKeepsRestOfLine", "x,\"abc", Delimiter::Comma, {"x", "abc"}},
        SplitCase{"EmptyQuotedFields", "\"\",\"\"", Delimiter::Comma, {"", ""}},
        SplitCase{"QuoteInsideUnquotedFieldIsLiteral", "a\"b,c", Delimiter::Comma, {"a\"b", "c"}},
        SplitCase{"NoDelimiterTakesWholeLine", "a,b\tc", Delimiter::None, {"a,b\tc"}},
        // ソ and 表 end in 0x5C; ｱ is a single half-width byte.
        SplitCase{"DoubleByteCharacters", "\x83\x5C,\"\x95\x5C\",\xB1", Delimiter::Comma,
                  {"\x83\x5C", "\x95\x5C", "\xB1"}},
        // A character cut after its lead byte does not swallow the delimiter.
        SplitCase{"CutCharacterBeforeDelimiter", "a\x82,b", Delimiter::Comma, {"a\x82", "b"}},
        SplitCase{"CutCharacterBeforeClosingQuote", "\"a\x82\",b", Delimiter::Comma, {"a\x82", "b"}},
        SplitCase{"ZeroBytesAreData", std::string("a\0b,c", 5), Delimiter::Comma,
                  {std::string("a\0b", 3), "c"}}),
    [](const testing::TestParamInfo<SplitCase>& param) { return param.param.name; });

TEST(SplitLine, AddsLeadingEmptyFieldsForTheRowNumberColumn) {
  EXPECT_EQ(Split("a,b", Delimiter::Comma, 1), (Fields{"", "a", "b"}));
  EXPECT_EQ(Split("", Delimiter::Comma, 1), (Fields{""}));
}

TEST(SplitLine, StopsAtTheFieldLimitAndSaysSo) {
  FieldList fields;
  EXPECT_EQ(SplitLine("a,b", Delimiter::Comma, fields, 1, 3), SplitOutcome::Complete);
  EXPECT_EQ(SplitLine("a,b,c", Delimiter::Comma, fields, 1, 3), SplitOutcome::TooManyFields);
  EXPECT_EQ(fields.size(), 3u);
  // The trailing empty field is one too many.
  EXPECT_EQ(SplitLine("a,b,", Delimiter::Comma, fields, 1, 3), SplitOutcome::TooManyFields);
}

}  // namespace
}  // namespace tabulo
