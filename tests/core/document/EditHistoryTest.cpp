// Undo and redo of the table document's edit steps, checked against plain
// copies of the document taken after every step.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/calc/Aggregation.h"
#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"
#include "core/document/EditTransaction.h"
#include "core/document/StructuralEdits.h"
#include "core/editing/RangeOps.h"
#include "core/base/FileIo.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"

namespace tabulo {
namespace {

// Everything a step may change, as plain values: every cell (titles and row
// numbers included), each column's record and width, each row's height and
// link, and the cursor.
struct Snapshot {
  std::vector<std::vector<std::string>> cells;
  std::vector<TGPItem> items;
  std::vector<int> widths;
  std::vector<int> heights;
  std::vector<int> links;
  TGridRect selection;
  int col = 0;
  int row = 0;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// The first difference between two snapshots, for failure messages.
std::string FirstDifference(const Snapshot& a, const Snapshot& b) {
  if (a.cells.size() != b.cells.size()) return "row count " + std::to_string(a.cells.size()) + " vs " + std::to_string(b.cells.size());
  for (std::size_t r = 0; r < a.cells.size(); ++r) {
    if (a.cells[r].size() != b.cells[r].size()) return "column count";
    for (std::size_t c = 0; c < a.cells[r].size(); ++c) {
      if (a.cells[r][c] != b.cells[r][c]) {
        return "cell (" + std::to_string(c) + "," + std::to_string(r) + ") '" + a.cells[r][c] + "' vs '" + b.cells[r][c] + "'";
      }
    }
    if (a.heights[r] != b.heights[r] || a.links[r] != b.links[r]) return "row " + std::to_string(r) + " height or link";
  }
  for (std::size_t c = 0; c < a.items.size(); ++c) {
    if (!(a.items[c] == b.items[c])) return "record of column " + std::to_string(c);
    if (a.widths[c] != b.widths[c]) return "width of column " + std::to_string(c);
  }
  if (a.col != b.col || a.row != b.row || !(a.selection == b.selection)) return "cursor";
  return "";
}

Snapshot Take(const TableDocument& grid) {
  Snapshot shot;
  for (int r = 0; r < grid.RowCount(); ++r) {
    auto& row = shot.cells.emplace_back();
    for (int c = 0; c < grid.ColCount(); ++c) row.emplace_back(grid.Cell(c, r));
    shot.heights.push_back(grid.RowHeight(r));
    shot.links.push_back(grid.RowLink(r));
  }
  for (int c = 0; c < grid.ColCount(); ++c) {
    shot.items.push_back(grid.Item(c));
    shot.widths.push_back(grid.ColWidth(c));
  }
  shot.selection = grid.Selection();
  shot.col = grid.Col();
  shot.row = grid.Row();
  return shot;
}

// One random change of the kinds commands make.
class RandomEdits {
 public:
  explicit RandomEdits(unsigned seed) : m_random(seed) {}

  void Change(TableDocument& grid) {
    const int cols = grid.ColCount();
    const int rows = grid.RowCount();
    switch (Below(17)) {
      case 0: grid.SetCell(Col(grid), Row(grid), Text()); break;
      case 1: {
        std::vector<std::string> texts(static_cast<std::size_t>(Below(4) + 1));
        for (std::string& text : texts) text = Text();
        std::vector<std::string_view> views(texts.begin(), texts.end());
        grid.ReplaceRowCells(Row(grid), Col(grid), views);
        break;
      }
      case 2: grid.ClearRowCells(Row(grid)); break;
      case 3: grid.SetRowCount(std::max(2, rows + Below(5) - 2)); break;
      case 4: grid.SetColCount(std::max(2, cols + Below(5) - 2)); break;
      case 5: grid.MoveRow(Row(grid), Row(grid)); break;
      case 6: grid.MoveColumn(Col(grid), Col(grid)); break;
      case 7: {
        const int first = Row(grid);
        const int last = std::min(rows - 1, first + Below(3));
        if (rows - (last - first + 1) >= 2) grid.DeleteRows(first, last);
        break;
      }
      case 8: {
        const int first = Col(grid);
        const int last = std::min(cols - 1, first + Below(2));
        if (cols - (last - first + 1) >= 2) grid.DeleteColumns(first, last);
        break;
      }
      case 9: grid.ReorderColumns(ShuffledOrder(cols)); break;
      case 10: {
        TGPItem& item = grid.Item(Col(grid));
        item.DataType = static_cast<std::uint8_t>(Below(6));
        item.Title = Text();
        grid.SetColWidth(Col(grid), Below(200));
        break;
      }
      case 11:
        grid.SetRowHeight(Row(grid), 10 + Below(30));
        grid.SetRowLink(Row(grid), Below(100));
        break;
      case 12: RenumberRows(grid); break;
      case 13: {
        std::vector<int> scattered;
        for (int r = 1; r < rows; ++r) {
          if (Below(3) == 0) scattered.push_back(r);
        }
        if (rows - static_cast<int>(scattered.size()) >= 2) grid.DeleteRowSet(scattered);
        break;
      }
      case 14: grid.CopyRowCells(Row(grid), grid.RowCells(Row(grid))); break;
      case 15: grid.ReorderRows(ShuffledOrder(rows)); break;
      default: {
        grid.SetSelection({Col(grid), Row(grid), Col(grid), Row(grid)});
        AddRow(grid, Below(2) == 0 ? AddPosition::AtCurrent : AddPosition::AtEnd);
        AddColumn(grid, Below(2) == 0 ? AddPosition::AtCurrent : AddPosition::AtEnd);
        break;
      }
    }
    grid.SetSelection({Col(grid), Row(grid), Col(grid), Row(grid)});
  }

  int Below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

 private:
  // 0 .. count-1 in a random order that keeps 0 first.
  std::vector<int> ShuffledOrder(int count) {
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
    std::shuffle(order.begin() + 1, order.end(), m_random);
    return order;
  }
  int Col(const TableDocument& grid) { return 1 + Below(grid.ColCount() - 1); }
  int Row(const TableDocument& grid) { return 1 + Below(grid.RowCount() - 1); }
  std::string Text() {
    static const char* const kTexts[] = {"", "a", "bc", "\x95\x5C", "12,345", "x y", "\x8F\x57\x8C\x76"};
    return kTexts[Below(7)];
  }

  std::mt19937 m_random;
};

// New steps, undos and redos in random order: every undo gives the document
// as it was before its step, every redo as it was after it.
TEST(EditHistory, RandomStepsUndoAndRedoToTheSameDocument) {
  struct Kept {
    Snapshot before;
    Snapshot after;
  };
  for (unsigned seed = 1; seed <= 200; ++seed) {
    TableDocument grid = test::GridOf({{"a", "b", "c"}, {"d", "", "f"}, {"g", "h"}});
    RandomEdits edits(seed);
    std::vector<Kept> done;
    std::vector<Kept> undone;
    for (int turn = 0; turn < 60; ++turn) {
      const int choice = edits.Below(4);
      if (choice == 0 && !done.empty()) {
        grid.Undo();
        ASSERT_EQ(FirstDifference(Take(grid), done.back().before), "") << "seed " << seed << ", turn " << turn;
        undone.push_back(done.back());
        done.pop_back();
      } else if (choice == 1 && !undone.empty()) {
        grid.Redo();
        ASSERT_EQ(FirstDifference(Take(grid), undone.back().after), "") << "seed " << seed << ", turn " << turn;
        done.push_back(undone.back());
        undone.pop_back();
      } else {
        Kept step{Take(grid), {}};
        const std::size_t steps = grid.History().UndoCount();
        EditTransaction edit(grid, "step");
        const int changes = 1 + edits.Below(4);
        for (int i = 0; i < changes; ++i) edits.Change(grid);
        edit.Commit();
        if (grid.History().UndoCount() == steps) continue;  // it changed nothing
        step.after = Take(grid);
        done.push_back(std::move(step));
        undone.clear();
      }
      ASSERT_EQ(grid.History().UndoCount(), done.size());
      ASSERT_EQ(grid.History().RedoCount(), undone.size());
    }
    while (!done.empty()) {
      grid.Undo();
      ASSERT_EQ(FirstDifference(Take(grid), done.back().before), "") << "seed " << seed << ", final undo";
      done.pop_back();
    }
  }
}

TEST(EditHistory, AFailingCommandLeavesNothingBehind) {
  for (unsigned seed = 1; seed <= 200; ++seed) {
    TableDocument grid = test::GridOf({{"a", "b"}, {"c", "d"}});
    RandomEdits edits(seed);
    for (int step = 0; step < 5; ++step) {
      EditTransaction edit(grid, "step");
      edits.Change(grid);
      edit.Commit();
    }
    const Snapshot before = Take(grid);
    const std::size_t steps = grid.History().UndoCount();
    try {
      EditTransaction edit(grid, "fails");
      for (int i = 0; i < 6; ++i) edits.Change(grid);
      {
        // An inner step that fails on its own is taken back alone.
        EditTransaction inner(grid, "inner");
        edits.Change(grid);
      }
      throw std::runtime_error("midway");
    } catch (const std::runtime_error&) {
    }
    ASSERT_EQ(Take(grid), before) << seed;
    EXPECT_EQ(grid.History().UndoCount(), steps);
  }
}

TEST(EditHistory, AnInnerFailureKeepsTheOuterChanges) {
  TableDocument grid = test::GridOf({{"a"}});
  EditTransaction outer(grid, "outer");
  grid.SetCell(1, 1, "kept");
  {
    EditTransaction inner(grid, "inner");
    grid.SetCell(1, 1, "dropped");
    grid.SetRowCount(5);
  }
  EXPECT_EQ(grid.Cell(1, 1), "kept");
  EXPECT_EQ(grid.RowCount(), 2);
  outer.Commit();
  grid.Undo();
  EXPECT_EQ(grid.Cell(1, 1), "a");
}

TEST(EditHistory, ModifiedFollowsTheSavedState) {
  TableDocument grid = test::GridOf({{"a"}});
  EXPECT_FALSE(grid.History().Modified());
  const auto type = [&grid](const char* text) {
    EditTransaction edit(grid, "typing");
    grid.SetCell(1, 1, text);
    edit.Commit();
  };
  type("b");
  EXPECT_TRUE(grid.History().Modified());
  grid.MarkSaved();
  EXPECT_FALSE(grid.History().Modified());
  type("c");
  EXPECT_TRUE(grid.History().Modified());
  grid.Undo();
  EXPECT_FALSE(grid.History().Modified());  // back at the saved text
  grid.Undo();
  EXPECT_TRUE(grid.History().Modified());
  grid.Redo();
  EXPECT_FALSE(grid.History().Modified());
  // A new step after undoing makes the saved state unreachable.
  grid.Undo();
  type("d");
  grid.Undo();
  EXPECT_TRUE(grid.History().Modified());
  // A step that changes nothing is no step, also when a record was handed
  // out for changing and left as it was.
  EditTransaction nothing(grid, "nothing");
  grid.SetCell(1, 1, grid.Cell(1, 1));
  grid.Item(1).DataType = grid.Item(1).DataType;
  nothing.Commit();
  EXPECT_EQ(grid.History().UndoCount(), 0u);
  EXPECT_EQ(grid.History().RedoCount(), 1u);
}

TEST(EditHistory, TheOldestStepsGoWhenTheMemoryLimitIsPassed) {
  TableDocument grid = test::GridOf({{"a"}});
  grid.SetHistoryMemoryLimit(64 << 10);
  const std::string big(10 << 10, 'x');
  for (int i = 0; i < 20; ++i) {
    EditTransaction edit(grid, "big");
    grid.SetCell(1, 1, big + std::to_string(i));
    edit.Commit();
  }
  EXPECT_LT(grid.History().UndoCount(), 10u);
  EXPECT_GE(grid.History().UndoCount(), 1u);
  EXPECT_LE(grid.History().MemoryBytes(), std::size_t{64} << 10);
  while (grid.History().CanUndo()) grid.Undo();
  EXPECT_EQ(grid.Cell(1, 1), big + std::to_string(19 - grid.History().RedoCount()));
  // A step bigger than the limit still stays, alone.
  EditTransaction edit(grid, "huge");
  grid.SetCell(1, 1, std::string(100 << 10, 'y'));
  edit.Commit();
  EXPECT_EQ(grid.History().UndoCount(), 1u);
  grid.Undo();
  EXPECT_EQ(grid.Cell(1, 1).substr(0, 3), "xxx");
}

// The commands of the window, each as one step, undone and redone.
TEST(EditHistory, CommandsAreUndoneWhole) {
  TableDocument grid = test::GridOf({{"1", "x"}, {"2", "y"}, {"3", "z"}});
  const Snapshot start = Take(grid);
  std::vector<std::function<void()>> commands{
      [&] { PasteRange(grid, "p\tq\r\nr\ts\r\n", {1, 1, 2, 2}, PasteMode::Replace, nullptr); },
      [&] {
        const PastePlan plan = PlanSingleCellPaste(grid, "a\tb\tc\r\nd\r\ne\r\nf\r\n", 2, 2, false);
        GrowForPaste(grid, plan);
        PasteRange(grid, "a\tb\tc\r\nd\r\ne\r\nf\r\n", {2, 2, 2, 2}, PasteMode::Replace, nullptr);
      },
      [&] { ClearRange(grid, {1, 1, 1, 3}, nullptr); },
      [&] {
        std::array<bool, kStatisticCount> wanted{};
        wanted[0] = wanted[1] = true;
        AggregateDown(grid, {1}, wanted, AggregateMode::Numeric, 2, nullptr);
      },
      [&] { DeleteTotalsRows(grid); },
      [&] {
        platform::ScriptedPrompter yes{Answer::Yes};
        grid.SetSelection({1, 2, 1, 3});
        DeleteSelectedRows(grid, yes);
      },
      [&] {
        platform::ScriptedPrompter no;
        MemorySource appended("7,8,9\r\n10,11\r\n");
        LoadTextIntoGrid(appended, grid, false, no, nullptr);
        RenumberRows(grid);
      },
  };
  std::vector<Snapshot> states{start};
  for (auto& command : commands) {
    EditTransaction edit(grid, "command");
    command();
    edit.Commit();
    states.push_back(Take(grid));
  }
  for (std::size_t i = states.size() - 1; i > 0; --i) {
    grid.Undo();
    ASSERT_EQ(Take(grid), states[i - 1]) << "undo of command " << i;
  }
  for (std::size_t i = 1; i < states.size(); ++i) {
    grid.Redo();
    ASSERT_EQ(Take(grid), states[i]) << "redo of command " << i;
  }
}

}  // namespace
}  // namespace tabulo
