#include "core/rows/FilterConditions.h"

#include <gtest/gtest.h>

#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Sjis;
using Op = FilterOperator;
using As = FilterTreatment;

TEST(FilterConditions, TheColumnTypePresetsTheTreatment) {
  const struct {
    ColumnType type;
    As treatment;
  } cases[] = {
      {ColumnType::String, As::String},   {ColumnType::Integer, As::Number}, {ColumnType::Numeric, As::Number},
      {ColumnType::Date, As::Date},       {ColumnType::Time, As::Time},      {ColumnType::Currency, As::Number},
  };
  for (const auto& [type, treatment] : cases) {
    TGPItem item;
    item.DataType = static_cast<std::uint8_t>(type);
    EXPECT_EQ(DefaultTreatment(item), treatment) << static_cast<int>(type);
  }
}

TEST(FilterConditions, TestConversionOfTheSearchText) {
  const struct {
    const char* text;
    As treatment;
    bool converts;
  } cases[] = {
      {"abc", As::String, true},         {"", As::Number, true},         {"1,000", As::Number, true},
      {"\\1,000", As::Number, true},     {" -12.5 ", As::Number, true},  {"12円", As::Number, false},
      {"abc", As::Number, false},        {"2024/02/29", As::Date, true}, {"2023/02/29", As::Date, false},
      {"3/15", As::Date, true},          {"2024-03-15", As::Date, false}, {"12:30", As::Time, true},
      {"12:30:15", As::Time, true},      {"24:00", As::Time, false},     {"noon", As::Time, false},
  };
  for (const auto& [text, treatment, converts] : cases) {
    EXPECT_EQ(SearchTextConverts(Sjis(text), treatment), converts) << text << " as " << static_cast<int>(treatment);
  }
}

TEST(FilterConditions, ForbiddenAndDubiousConditions) {
  using Check = ConditionCheck;
  const struct {
    int column;
    As treatment;
    Op op;
    const char* text;
    Check check;
  } cases[] = {
      {0, As::String, Op::Contains, "x", Check::Fine},
      {0, As::String, Op::Excludes, "x", Check::Fine},
      {0, As::String, Op::Equal, "x", Check::Forbidden},
      {0, As::String, Op::Less, "x", Check::Forbidden},
      {0, As::String, Op::Greater, "x", Check::Forbidden},
      {0, As::String, Op::Equal, "", Check::Fine},        // no search text: nothing to forbid
      {0, As::String, Op::Greater, "", Check::Dubious},   // ordering texts is warned even without one
      {2, As::String, Op::Less, "", Check::Dubious},
      {2, As::String, Op::Equal, "x", Check::Fine},
      {2, As::Number, Op::Less, "1,000", Check::Fine},
      {2, As::Number, Op::Contains, "abc", Check::Dubious},
      {2, As::Date, Op::Equal, "2024/13/01", Check::Dubious},
      {2, As::Time, Op::Greater, "9:00", Check::Fine},
      {2, As::Number, Op::Equal, "", Check::Fine},
  };
  for (const auto& [column, treatment, op, text, check] : cases) {
    const FilterCondition condition{column, treatment, op, Sjis(text)};
    EXPECT_EQ(CheckCondition(condition), check) << column << " " << static_cast<int>(op) << " " << text;
  }
  FilterOptions options;
  options.conditions[1] = {2, As::String, Op::Less, "b"};
  EXPECT_EQ(CheckConditions(options), Check::Dubious);
  options.conditions[2] = {0, As::String, Op::Equal, "b"};
  EXPECT_EQ(CheckConditions(options), Check::Forbidden);
}

}  // namespace
}  // namespace tabulo
