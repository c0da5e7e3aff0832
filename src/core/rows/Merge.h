#pragma once

#include <vector>

#include "core/document/TableDocument.h"

namespace tabulo {

class MergeSource;
class ProgressSink;

// What a column of the document does in a merge.
enum class MergeRole { None = 0, Key = 1, Replace = 2, Append = 3 };

// One per document column, column 0 (the row numbers) included: the paired
// field of the other file (0-based, -1 for none) and the role.
struct TSourceItem {
  int field = -1;
  MergeRole role = MergeRole::None;
};

struct MergeOptions {
  std::vector<TSourceItem> items;  // indexed by document column
  bool ignoreKana = false;
  bool ignoreWidth = false;
  bool ignoreCase = true;
};

// Whether the options can run: at least one key and at least one replace or
// append column, each paired with a field.
bool MergeAllowed(const MergeOptions& options);

// The merge ("併合"). The key of a line of the other file is its paired fields
// of the key columns, in column order, joined without separator and
// normalised with NormalizeForCompare and the three flags; the key of a
// document row is made the same way from its cells, for every row from the
// title row to the last. Each row whose key is the key of a line takes that
// line's paired fields: a replace column's cell becomes the field, an append
// column's cell gets the field added to its end. Where several lines share a
// key, the first of them in the file supplies the data. Empty lines of the
// other file hold no data and take no part. Returns the number of rows that
// matched. Throws std::invalid_argument for options MergeAllowed refuses, for
// a replace or append role on column 0, or for more items than columns.
int MergeRows(TableDocument& grid, const MergeSource& other, const MergeOptions& options, ProgressSink* progress);

}  // namespace tabulo
