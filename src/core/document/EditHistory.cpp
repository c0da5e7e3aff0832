#include "core/document/EditHistory.h"

#include <unistd.h>

#include <type_traits>

#include "core/document/RowMemory.h"

namespace tabulo {
namespace {

const std::string kNoCaption;

}  // namespace

std::size_t RecordMemoryBytes(const EditRecord& record) noexcept {
  return std::visit(
      [](const auto& r) -> std::size_t {
        using T = std::decay_t<decltype(r)>;
        std::size_t bytes = sizeof(EditRecord);
        if constexpr (std::is_same_v<T, CellTexts>) {
          bytes += r.MemoryBytes();
        } else if constexpr (std::is_same_v<T, RowBlocks>) {
          bytes += r.entries.capacity() * sizeof(RowBlocks::Entry);
          for (const RowBlocks::Entry& entry : r.entries) bytes += PackedRow(entry.data, entry.count).BlockSize();
        } else if constexpr (std::is_same_v<T, RowsRemoved>) {
          bytes += r.rows.capacity() * sizeof(RowSlot) + r.positions.capacity() * sizeof(int);
          for (const RowSlot& slot : r.rows) bytes += slot.Cells().BlockSize();
        } else if constexpr (std::is_same_v<T, RowsInserted>) {
          bytes += r.positions.capacity() * sizeof(int);
        } else if constexpr (std::is_same_v<T, ColumnsRemoved>) {
          bytes += r.cells.MemoryBytes();
          for (const GridColumn& column : r.columns) bytes += sizeof(GridColumn) + column.item.Title.capacity();
        } else if constexpr (std::is_same_v<T, ColumnsReordered> || std::is_same_v<T, RowsReordered>) {
          bytes += r.order.capacity() * sizeof(int);
        } else if constexpr (std::is_same_v<T, ColumnState>) {
          bytes += r.column.item.Title.capacity();
        }
        return bytes;
      },
      record);
}

void ReleaseRecord(EditRecord& record, RowMemory& memory) noexcept {
  if (auto* blocks = std::get_if<RowBlocks>(&record)) {
    for (const RowBlocks::Entry& entry : blocks->entries) {
      memory.Release(entry.data, PackedRow(entry.data, entry.count).BlockSize(), entry.chunk);
    }
    blocks->entries.clear();
  }
  if (auto* removed = std::get_if<RowsRemoved>(&record)) {
    for (RowSlot& slot : removed->rows) {
      memory.Release(slot.data, slot.Cells().BlockSize(), slot.chunk);
      slot.data = nullptr;
      slot.count = 0;
    }
    removed->rows.clear();
  }
}

EditHistory::EditHistory() : m_limit(DefaultMemoryLimit()) {}

std::size_t EditHistory::DefaultMemoryLimit() {
  const long pages = ::sysconf(_SC_PHYS_PAGES);
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return std::size_t{1} << 30;
  return static_cast<std::size_t>(pages) / 4 * static_cast<std::size_t>(pageSize);
}

const std::string& EditHistory::UndoCaption() const noexcept {
  return m_done.empty() ? kNoCaption : m_done.back().caption;
}

const std::string& EditHistory::RedoCaption() const noexcept {
  return m_undone.empty() ? kNoCaption : m_undone.back().caption;
}

void EditHistory::SetMemoryLimit(std::size_t bytes, RowMemory& memory) {
  m_limit = bytes;
  Trim(memory);
}

void EditHistory::Drop(EditStep& step, RowMemory& memory) noexcept {
  for (EditRecord& record : step.records) ReleaseRecord(record, memory);
}

void EditHistory::Push(EditStep step, RowMemory& memory) {
  for (EditStep& undone : m_undone) {
    m_bytes -= undone.memoryBytes;
    Drop(undone, memory);
  }
  m_undone.clear();
  step.memoryBytes = 0;
  Recount(step);
  step.id = m_nextId++;
  m_current = step.id;
  m_done.push_back(std::move(step));
  Trim(memory);
}

void EditHistory::Trim(RowMemory& memory) {
  while (m_done.size() > 1 && (m_done.size() > kMaxSteps || m_bytes > m_limit)) {
    EditStep& oldest = m_done.front();
    m_base = oldest.id;
    m_bytes -= oldest.memoryBytes;
    Drop(oldest, memory);
    m_done.pop_front();
  }
}

void EditHistory::Clear(RowMemory& memory) {
  for (EditStep& step : m_done) Drop(step, memory);
  for (EditStep& step : m_undone) Drop(step, memory);
  m_done.clear();
  m_undone.clear();
  m_bytes = 0;
  m_base = m_current = m_saved = m_nextId++;
}

void EditHistory::Recount(EditStep& step) noexcept {
  m_bytes -= step.memoryBytes;
  step.memoryBytes = sizeof(EditStep) + step.caption.capacity();
  for (const EditRecord& record : step.records) step.memoryBytes += RecordMemoryBytes(record);
  m_bytes += step.memoryBytes;
}

void EditHistory::Undone() {
  Recount(m_done.back());
  m_undone.push_back(std::move(m_done.back()));
  m_done.pop_back();
  m_current = m_done.empty() ? m_base : m_done.back().id;
}

void EditHistory::Redone() {
  Recount(m_undone.back());
  m_done.push_back(std::move(m_undone.back()));
  m_undone.pop_back();
  m_current = m_done.back().id;
}

}  // namespace tabulo
