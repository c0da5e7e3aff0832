#include "core/editing/CellGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "support/GridText.h"

namespace tabulo {
namespace {

TEST(GuardCell, AConversionThatThrowsFailsItsCellAndTheWalkGoesOn) {
  TableDocument grid = test::GridOf({{"a"}, {"boom"}, {"c"}});
  const auto convert = [](const RangeWalk&, int, int, std::string_view text, std::string& out) {
    return GuardCell([&] {
      out.assign(text).append("!");
      if (text == "boom") throw std::runtime_error("cannot convert");
      return CellOutcome::Write;
    });
  };
  EXPECT_EQ(ConvertRange(grid, {1, 1, 1, 3}, nullptr, convert), 1);
  EXPECT_EQ(test::DataRows(grid), (std::vector<test::Cells>{{"a!"}, {"boom"}, {"c!"}}));
}

}  // namespace
}  // namespace tabulo
