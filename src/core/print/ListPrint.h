#pragma once

#include <string>
#include <vector>

#include "core/document/GridPrintInfo.h"
#include "core/document/TableDocument.h"
#include "core/print/PageGeometry.h"
#include "core/print/PageLayout.h"
#include "core/print/Pagination.h"

namespace tabulo {

// One list print of a document on one printer's page: the pagination and
// the layout of any page, as the preview shows it and the printer and PDF
// files get it. Holds references to the grid and the layout record, which
// must not change while it is used; build a new one after a change.
class ListPrint {
 public:
  // `columns` in print order (PrintOrder); `headerText` and `dateText` UTF-8.
  ListPrint(const TableDocument& grid, std::vector<PrintColumn> columns, const TGridPrintInfo& info,
            const PrinterMetrics& printer, std::string headerText, std::string dateText, bool groupedNumbers);

  const PageGeometry& Page() const noexcept { return m_page; }
  const Pagination& Pages() const noexcept { return m_pages; }
  int PageCount() const noexcept { return m_pages.pageCount; }
  // Page `pageIndex`, clamped to the pages there are.
  PageLayout Layout(int pageIndex) const;

 private:
  const TableDocument& m_grid;
  std::vector<PrintColumn> m_columns;
  const TGridPrintInfo& m_info;
  PageGeometry m_page;
  Pagination m_pages;
  std::string m_headerText;
  std::string m_dateText;
  bool m_groupedNumbers;
};

}  // namespace tabulo
