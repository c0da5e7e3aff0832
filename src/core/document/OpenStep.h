#pragma once

#include <climits>
#include <cstddef>
#include <vector>

#include "core/document/EditHistory.h"
#include "core/document/TableDocument.h"

namespace tabulo {

// The step a command has open: what it changed so far, and what keeps its
// records small.
struct TableDocument::OpenStep {
  EditStep step;
  std::vector<std::size_t> marks;  // records.size() at each nested BeginStep
  int freshFrom = INT_MAX;         // data rows from here on were added by this step
  std::vector<bool> columnSaved;   // columns whose state is kept already
  bool overflow = false;           // more was replaced than a step can keep
};

}  // namespace tabulo
