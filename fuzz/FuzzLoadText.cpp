// Reads arbitrary bytes as a delimited file, replacing and then appending,
// with both answers to the blank question; then checks that what was read
// survives a save in a quoting format and a reload.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/document/CsvReader.h"
#include "core/document/CsvWriter.h"

namespace {

class FixedAnswer final : public tabulo::Prompter {
 public:
  explicit FixedAnswer(bool yes) : m_yes(yes) {}

 private:
  tabulo::Answer Show(const tabulo::Prompt&) override { return m_yes ? tabulo::Answer::Yes : tabulo::Answer::No; }

  bool m_yes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool splitAtBlanks = (data[0] & 1) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  FixedAnswer prompter(splitAtBlanks);
  tabulo::TableDocument grid;
  try {
    tabulo::MemorySource source(text);
    tabulo::LoadTextIntoGrid(source, grid, true, prompter, nullptr);
    tabulo::MemorySource again(text);
    tabulo::LoadTextIntoGrid(again, grid, false, prompter, nullptr);
  } catch (const tabulo::TabuloError&) {
    return 0;  // refused with a message (too many columns): fine
  }
  // Cells may hold tabs and line breaks (quoted fields of comma or blank
  // text), and the fully quoted format must bring every cell back.
  tabulo::StringSink saved;
  tabulo::WriteDelimitedText(grid, tabulo::SaveFormat::Quoted, false, false, saved, nullptr);
  FixedAnswer yes(true);
  tabulo::TableDocument reread;
  tabulo::MemorySource source(saved.Bytes());
  tabulo::LoadTextIntoGrid(source, reread, true, yes, nullptr);
  if (reread.RowCount() != grid.RowCount()) std::abort();
  for (int r = 1; r < grid.RowCount(); ++r) {
    for (int c = 1; c < grid.ColCount(); ++c) {
      if (reread.Cell(c, r) != grid.Cell(c, r)) std::abort();
    }
  }
  return 0;
}
