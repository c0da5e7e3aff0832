#include "core/editing/CharClassCommands.h"

#include "core/editing/RangeWalk.h"

namespace tabulo {

void ConvertCharClass(TableDocument& grid, const TGridRect& range, CharMapping mapping, ProgressSink* progress) {
  ConvertRange(grid, range, progress, [mapping](const RangeWalk& walk, int, int, std::string_view text, std::string& out) {
    return AppendMappedText(text, mapping, out, walk.Encoding()) ? CellOutcome::Write : CellOutcome::Keep;
  });
}

}  // namespace tabulo
