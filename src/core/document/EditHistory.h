#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/document/ChangeRecord.h"
#include "core/document/EditRecords.h"

namespace tabulo {

class RowMemory;

// The current cell, the selection and the scroll position, as a step found
// them and left them.
struct CursorState {
  int col = 1;
  int row = 1;
  int selLeft = 1, selTop = 1, selRight = 1, selBottom = 1;
  int topRow = 1;
  int leftCol = 1;
};

// One command's changes: what it replaced, in order, and where the cursor was.
struct EditStep {
  std::string caption;  // what the command is called (UTF-8), for "元に戻す: …"
  std::vector<EditRecord> records;
  CursorState before;
  CursorState after;
  ChangeRecord changes;
  std::uint64_t id = 0;
  std::size_t memoryBytes = 0;
};

// The steps that can be undone and redone, the modified flag that follows
// them, and the limits on what the history holds: at most kMaxSteps steps,
// and the oldest steps go once their memory passes the limit (the newest
// step always stays). Steps hold row blocks of the document's row memory, so
// every call that drops steps gets that memory to give them back to.
class EditHistory {
 public:
  static constexpr std::size_t kMaxSteps = 1000;

  EditHistory();

  bool CanUndo() const noexcept { return !m_done.empty(); }
  bool CanRedo() const noexcept { return !m_undone.empty(); }
  // Captions of the step that Undo and Redo would take; empty when none.
  const std::string& UndoCaption() const noexcept;
  const std::string& RedoCaption() const noexcept;
  std::size_t UndoCount() const noexcept { return m_done.size(); }
  std::size_t RedoCount() const noexcept { return m_undone.size(); }

  // Whether the document differs from its state when last saved (or opened).
  bool Modified() const noexcept { return m_current != m_saved; }
  void MarkSaved() noexcept { m_saved = m_current; }
  // No state of the history is the saved one any more.
  void MarkUnsaved() noexcept { m_saved = kNoState; }

  // Bytes the kept steps hold.
  std::size_t MemoryBytes() const noexcept { return m_bytes; }
  std::size_t MemoryLimit() const noexcept { return m_limit; }
  void SetMemoryLimit(std::size_t bytes, RowMemory& memory);
  // A quarter of the machine's physical memory.
  static std::size_t DefaultMemoryLimit();

  // Adds a finished step: the redo steps go, then the oldest steps beyond
  // the limits.
  void Push(EditStep step, RowMemory& memory);
  // Forgets every step; the document counts as unmodified.
  void Clear(RowMemory& memory);

  // For the document's undo and redo: the step to apply, moved over to the
  // other side once applied.
  EditStep& NextUndo() { return m_done.back(); }
  EditStep& NextRedo() { return m_undone.back(); }
  void Undone();
  void Redone();

 private:
  void Trim(RowMemory& memory);
  // Counts a step's memory again: applying its records moves row blocks
  // between it and the document.
  void Recount(EditStep& step) noexcept;
  static void Drop(EditStep& step, RowMemory& memory) noexcept;
  static constexpr std::uint64_t kNoState = ~std::uint64_t{0};

  std::deque<EditStep> m_done;
  std::vector<EditStep> m_undone;
  std::uint64_t m_nextId = 1;
  std::uint64_t m_base = 0;     // the state before the oldest kept step
  std::uint64_t m_current = 0;  // the id of the last step applied, or m_base
  std::uint64_t m_saved = 0;
  std::size_t m_bytes = 0;
  std::size_t m_limit;
};

// The memory a record holds, for the history's limit.
std::size_t RecordMemoryBytes(const EditRecord& record) noexcept;
// Gives back the row blocks a record holds (rows it removed).
void ReleaseRecord(EditRecord& record, RowMemory& memory) noexcept;

}  // namespace tabulo
