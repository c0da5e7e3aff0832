#include "core/print/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/base/Messages.h"
#include "core/document/ShownText.h"
#include "core/locale/Encoding.h"

namespace tabulo {

namespace {

constexpr std::uint16_t kCentred = draw_flags::kCenter | draw_flags::kVCenter | draw_flags::kSingleLine |
                                   draw_flags::kNoPrefix;
constexpr std::uint16_t kRightAligned = draw_flags::kRight | draw_flags::kVCenter | draw_flags::kSingleLine |
                                        draw_flags::kNoPrefix;

std::int32_t Saturated(long long value) {
  return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

// Places the columns of one page, each from the top of the table band down.
class PageBuilder {
 public:
  PageBuilder(const PageContent& content, const Pagination& pages, int pageIndex)
      : m_content(content),
        m_info(content.info),
        m_pages(pages),
        m_pageIndex(pageIndex),
        m_converter(content.grid.Encoding().encoding) {
    m_layout.area = DrawingArea(m_info, content.page);
  }

  PageLayout Build() {
    std::int32_t tableTop = m_layout.area.top;
    if (HasHeaderBand(m_info)) {
      AddHeaderBand();
      tableTop = Saturated(static_cast<long long>(tableTop) + m_info.RowHeight);
    }
    AddColumns(tableTop);
    if (m_info.ShowPage) AddPageNumber();
    return std::move(m_layout);
  }

 private:
  PrintBox Line(std::int32_t top) const {
    return {m_layout.area.left, top, m_layout.area.right, Saturated(static_cast<long long>(top) + m_info.RowHeight)};
  }

  void AddHeaderBand() {
    const PrintBox line = Line(m_layout.area.top);
    if (m_info.ShowFileName) m_layout.texts.push_back({PrintTextKind::Header, line, Utf16FromUtf8(m_content.headerText), kCentred, false});
    if (m_info.ShowDate) m_layout.texts.push_back({PrintTextKind::Date, line, Utf16FromUtf8(m_content.dateText + "  "), kRightAligned, false});
  }

  void AddColumns(std::int32_t tableTop) {
    std::int32_t left = m_layout.area.left;
    for (const PrintColumn& column : m_content.columns) {
      const TGPItem& item = *column.item;
      if (!item.Printed) continue;
      const std::int32_t right = Saturated(static_cast<long long>(left) + std::max(item.PrintWidth, 0));
      if (right > m_layout.area.right) {
        m_layout.columnsOverflow = true;
        return;
      }
      AddColumn(column, left, right, tableTop);
      left = right;
    }
  }

  void AddColumn(const PrintColumn& column, std::int32_t left, std::int32_t right, std::int32_t top) {
    const TGPItem& item = *column.item;
    const std::int32_t height = m_info.RowHeight;
    const auto box = [&](std::int32_t boxTop) { return PrintBox{left, boxTop, right, Saturated(static_cast<long long>(boxTop) + height)}; };
    if (m_info.ShowTitle) {
      // The row-number column holds the program's own code page 932 texts.
      TextConverter& converter = column.column == 0 ? m_labels : m_converter;
      m_layout.texts.push_back({PrintTextKind::Title, box(top), converter.ToUtf16(item.Title), kCentred, m_info.Lines});
      top = box(top).bottom;
    }
    if (!m_pages.RowsFit() || height <= 0) return;
    const long long first = static_cast<long long>(m_pageIndex) * m_pages.rowsPerPage + 1;
    const long long last = std::min<long long>(first + m_pages.rowsPerPage - 1, m_content.grid.RowCount() - 1);
    for (long long row = first; row <= last; ++row) {
      const PrintBox cell = box(top);
      if (cell.bottom > m_layout.area.bottom) break;
      const std::string_view raw = m_content.grid.Cell(column.column, static_cast<int>(row));
      TextConverter& converter = column.column == 0 ? m_labels : m_converter;
      m_layout.texts.push_back({PrintTextKind::Cell, cell, CellShownText(item, raw, m_content.groupedNumbers, converter),
                                item.DrawFlags, m_info.Lines});
      top = cell.bottom;
    }
  }

  void AddPageNumber() {
    if (m_pages.linesPerPage < 1) return;
    const long long top = m_layout.area.top + static_cast<long long>(m_pages.linesPerPage - 1) * m_info.RowHeight;
    m_layout.texts.push_back({PrintTextKind::PageNumber, Line(Saturated(top)),
                              Utf16FromUtf8(PageNumberText(m_pageIndex, m_pages.pageCount)), kCentred, false});
  }

  const PageContent& m_content;
  const TGridPrintInfo& m_info;
  const Pagination& m_pages;
  int m_pageIndex;
  PageLayout m_layout;
  TextConverter m_converter;
  TextConverter m_labels{TextEncoding::ShiftJis};
};

std::string OneDecimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

}  // namespace

PrintBox DrawingArea(const TGridPrintInfo& info, const PageGeometry& page) {
  return {info.LeftMargin, info.TopMargin,
          Saturated(static_cast<long long>(page.offsetX) + page.printableWidth),
          Saturated(std::llround(std::clamp(page.height - info.BottomMargin, -2147483648.0, 2147483647.0)))};
}

PageLayout LayoutPage(const PageContent& content, const Pagination& pages, int pageIndex) {
  return PageBuilder(content, pages, pageIndex).Build();
}

std::string AreaLabel(const TGridPrintInfo& info, const PageGeometry& page) {
  const double width = (page.printableWidth - (static_cast<double>(info.LeftMargin) - page.offsetX)) / 10;
  const double height = (page.height - info.TopMargin - info.BottomMargin) / 10;
  return FormatMessage(MessageId::PrintAreaLabel, {OneDecimal(width), OneDecimal(height)});
}

std::string PageNumberText(int pageIndex, int pageCount) {
  return "( " + std::to_string(pageIndex + 1) + " / " + std::to_string(pageCount) + " )";
}

}  // namespace tabulo
