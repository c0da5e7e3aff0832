#pragma once

#include <string>
#include <utility>

#include "core/document/ChangeRecord.h"
#include "core/document/TableDocument.h"

namespace tabulo {

// One command's changes as one step of the document's history:
//
//   EditTransaction edit(grid, "貼り付け");
//   PasteRange(grid, ...);
//   const ChangeRecord changes = edit.Commit();
//
// Leaving the scope without Commit (an exception, a silent abort, a question
// answered No) puts back everything the command had changed. Transactions
// nest: an inner one joins the outer step.
class EditTransaction {
 public:
  EditTransaction(TableDocument& grid, std::string caption) : m_grid(grid) { m_grid.BeginStep(std::move(caption)); }
  ~EditTransaction() {
    if (!m_committed) m_grid.RollbackStep();
  }
  EditTransaction(const EditTransaction&) = delete;
  EditTransaction& operator=(const EditTransaction&) = delete;

  // Ends the step; what it changed (nothing for an inner transaction).
  ChangeRecord Commit() {
    m_committed = true;
    return m_grid.CommitStep();
  }

 private:
  TableDocument& m_grid;
  bool m_committed = false;
};

}  // namespace tabulo
