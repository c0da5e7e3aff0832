#include "core/print/ListPrint.h"

#include <algorithm>

namespace tabulo {

ListPrint::ListPrint(const TableDocument& grid, std::vector<PrintColumn> columns, const TGridPrintInfo& info,
                     const PrinterMetrics& printer, std::string headerText, std::string dateText, bool groupedNumbers)
    : m_grid(grid),
      m_columns(std::move(columns)),
      m_info(info),
      m_page(GeometryOf(printer)),
      m_pages(Paginate(info, m_page.height, grid.RowCount() - 1)),
      m_headerText(std::move(headerText)),
      m_dateText(std::move(dateText)),
      m_groupedNumbers(groupedNumbers) {}

PageLayout ListPrint::Layout(int pageIndex) const {
  const PageContent content{m_grid, m_columns, m_info, m_page, m_headerText, m_dateText, m_groupedNumbers};
  return LayoutPage(content, m_pages, std::clamp(pageIndex, 0, m_pages.pageCount - 1));
}

}  // namespace tabulo
