#include "core/editing/Replace.h"

#include <charconv>
#include <stdexcept>

#include "core/editing/RangeWalk.h"
#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

void AppendNumber(std::string& out, int value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

// One pass of a request over the walk, called for every cell in the walk's
// order (see ConvertRange).
class ReplaceRun {
 public:
  explicit ReplaceRun(const ReplaceRequest& request) : m_request(request) {}

  CellOutcome operator()(const RangeWalk& walk, int col, int row, std::string_view text, std::string& out) {
    const bool top = row == walk.Range().Top;
    if (top) m_counter = 0;
    switch (m_request.method) {
      case ReplaceMethod::Fixed: out.assign(Resolve(walk, m_request.lower, row)); break;
      case ReplaceMethod::Search:
        if (!ReplaceOccurrences(text, Resolve(walk, m_request.upper, row), Resolve(walk, m_request.lower, row), out,
                                walk.Encoding())) {
          return CellOutcome::Keep;
        }
        break;
      case ReplaceMethod::Concat:
        out.append(Resolve(walk, m_request.upper, row)).append(text).append(Resolve(walk, m_request.lower, row));
        break;
      case ReplaceMethod::Number: {
        const int n = top || !NewGroup(walk, col, row) ? m_counter + 1 : 1;
        AppendNumber(out, n);
        m_counter = n;
        break;
      }
      case ReplaceMethod::RowNumber: AppendNumber(out, row); break;
      case ReplaceMethod::Rank: Rank(walk, col, row, top, out); break;
    }
    if (m_request.method == ReplaceMethod::Number || m_request.method == ReplaceMethod::Rank) {
      // The row below compares with this row's text as it was before this
      // column's pass overwrote it.
      m_above.assign(text);
    }
    return out == text ? CellOutcome::Keep : CellOutcome::Write;
  }

 private:
  static std::string_view Resolve(const RangeWalk& walk, const ReplaceValue& value, int row) {
    return value.IsReference() ? walk.Cell(value.listIndex, row) : std::string_view(value.text);
  }

  // Column `ref`'s text in the row above `row` (not the top row), as the
  // value that row was compared by: for the column being walked, its text
  // before this pass rather than the number just written there, so a column
  // numbered or ranked by itself sees its own values.
  std::string_view Above(const RangeWalk& walk, int ref, int col, int row) const {
    return ref == col ? std::string_view(m_above) : walk.Cell(ref, row - 1);
  }

  // Whether the group changes at `row`: the upper list has a chosen entry and
  // the upper value differs from that column in the row above. At the top
  // row the counter starts at 1 anyway, so it is never asked there.
  bool NewGroup(const RangeWalk& walk, int col, int row) const {
    const ReplaceValue& group = m_request.upper;
    return group.IsChosen() && Resolve(walk, group, row) != Above(walk, group.listIndex, col, row);
  }

  // Rows with the comparison value of the row above share its rank; the next
  // different value gets its position within the group (1, 1, 3). A row that
  // starts a group never shares the rank of the group before it.
  void Rank(const RangeWalk& walk, int col, int row, bool top, std::string& out) {
    const ReplaceValue& compare = m_request.lower;
    const bool newGroup = !top && NewGroup(walk, col, row);
    const int n = newGroup ? 1 : m_counter + 1;
    if (!top && !newGroup && Resolve(walk, compare, row) == Above(walk, compare.listIndex, col, row)) {
      out.assign(walk.Cell(col, row - 1));
    } else {
      AppendNumber(out, n);
    }
    m_counter = n;
  }

  const ReplaceRequest& m_request;
  int m_counter = 0;
  std::string m_above;
};

bool ValidEntry(const ReplaceValue& value, const TableDocument& grid) {
  return value.listIndex >= -1 && value.listIndex < grid.ColCount();
}

}  // namespace

bool ReplaceAllowed(const ReplaceRequest& request) {
  switch (request.method) {
    case ReplaceMethod::Fixed:
    case ReplaceMethod::Number:
    case ReplaceMethod::RowNumber: return true;
    case ReplaceMethod::Search: return !request.upper.text.empty();
    case ReplaceMethod::Concat: return !request.upper.text.empty() || !request.lower.text.empty();
    case ReplaceMethod::Rank: return request.lower.IsChosen();
  }
  return false;
}

void ReplaceRange(TableDocument& grid, const TGridRect& range, const ReplaceRequest& request, ProgressSink* progress) {
  if (!ReplaceAllowed(request)) throw std::invalid_argument("replace request not allowed");
  if (!ValidEntry(request.upper, grid) || !ValidEntry(request.lower, grid)) {
    throw std::invalid_argument("replace value names no column");
  }
  ConvertRange(grid, range, progress, ReplaceRun(request));
}

bool ReplaceOccurrences(std::string_view text, std::string_view search, std::string_view replacement,
                        std::string& out, TextEncoding encoding) {
  if (search.empty()) return false;
  std::size_t pos = FindWholeText(text, search, 0, encoding);
  if (pos == std::string_view::npos) return false;
  out.clear();
  std::size_t done = 0;
  while (pos != std::string_view::npos) {
    out.append(text.substr(done, pos - done)).append(replacement);
    done = pos + search.size();
    pos = FindWholeText(text, search, done, encoding);
  }
  out.append(text.substr(done));
  return true;
}

}  // namespace tabulo
