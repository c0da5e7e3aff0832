#pragma once

#include <filesystem>
#include <string>

#include "core/document/GridPrintInfo.h"
#include "core/document/TableDocument.h"

namespace tabulo {

// What a window holds of one open file: the grid with its column records, the
// print layout, and the fixed-length definition the file was read through.
struct Document {
  TableDocument grid;
  TGridPrintInfo printInfo;
  bool FixedDefinitionActive = false;
  std::string FixedDefinitionName;  // empty when the layout was not saved
  std::filesystem::path FixedDefinitionFolder;
};

}  // namespace tabulo
