#include "core/calc/MenuCaptions.h"

#include <gtest/gtest.h>

#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Sjis;

TEST(MenuCaptions, FieldsPadAndCutWithoutSplittingCharacters) {
  EXPECT_EQ(FormatField("abc", 5, 5), "abc  ");
  EXPECT_EQ(FormatField("abcdefg", 5, 5), "abcde");
  // 価格 is four bytes: a precision of three keeps only 価.
  EXPECT_EQ(FormatField(Sjis("価格"), 4, 3), Sjis("価") + "  ");
}

TEST(MenuCaptions, ColumnAndFunctionCaptions) {
  EXPECT_EQ(ColumnMenuCaption(Sjis("単価"), "120", true), Sjis("単価") + std::string(12, ' ') + ":120");
  EXPECT_EQ(ColumnMenuCaption("a", "x", false), "a" + std::string(15, ' ') + "\t:x");
  EXPECT_EQ(FunctionMenuCaption("Sqrt( X )", "d", false, FormulaMenuOwner::MainWindow),
            "Sqrt( X )" + std::string(11, ' ') + "\t: d");
  EXPECT_EQ(FunctionMenuCaption("Sqrt( X )", "d", false, FormulaMenuOwner::Dialog), "Sqrt( X )" + std::string(11, ' ') + "\t:d");
  EXPECT_EQ(FunctionMenuCaption("PI", std::string(50, 'x'), true, FormulaMenuOwner::Dialog).size(), 20u + 1u + 40u);
}

}  // namespace
}  // namespace tabulo
