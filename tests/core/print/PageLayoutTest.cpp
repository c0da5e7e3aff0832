#include "core/print/PageLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/locale/Encoding.h"
#include "support/GridText.h"

namespace tabulo {
namespace {

std::string Sjis(const char* utf8) { return Cp932Converter().FromUtf8(utf8); }
std::string Utf8(const std::u16string& text) {
  Cp932Converter converter;
  return converter.ToUtf8(converter.FromUtf16(text));
}

// An A4 sheet whose printable area starts 5 mm in and is 200 mm wide.
PageGeometry A4() {
  PageGeometry page;
  page.height = 2970;
  page.width = 2100;
  page.offsetX = 50;
  page.offsetY = 50;
  page.printableWidth = 2000;
  page.printableHeight = 2870;
  return page;
}

class PageLayoutTest : public ::testing::Test {
 protected:
  PageLayoutTest() : grid(test::GridOf({{Sjis("東京"), "1234567"}, {Sjis("大阪"), "89"}, {Sjis("名古屋"), "-5"}})) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      grid.Item(col).PrintWidth = 300;
      grid.Item(col).Printed = 1;  // the row numbers too
      columns.push_back({&grid.Item(col), col});
    }
    grid.SetCell(1, 0, Sjis("都市"));
    grid.SetCell(2, 0, Sjis("金額"));
    grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
    info.RowHeight = 50;
  }

  PageLayout Layout(int pageIndex, int rowsPerPage, bool grouped = false) {
    Pagination pages = Paginate(info, A4().height, grid.RowCount() - 1);
    if (rowsPerPage > 0) {
      pages.rowsPerPage = rowsPerPage;
      pages.pageCount = (grid.RowCount() - 1 + rowsPerPage - 1) / rowsPerPage;
    }
    const PageContent content{grid, columns, info, A4(), "Tabulo - [list.csv]", "2026/12/08 9:05:07", grouped};
    return LayoutPage(content, pages, pageIndex);
  }

  static std::vector<std::string> Texts(const PageLayout& layout, PrintTextKind kind) {
    std::vector<std::string> texts;
    for (const PrintText& text : layout.texts) {
      if (text.kind == kind) texts.push_back(Utf8(text.text));
    }
    return texts;
  }
  static const PrintText& First(const PageLayout& layout, PrintTextKind kind) {
    return *std::find_if(layout.texts.begin(), layout.texts.end(),
                         [kind](const PrintText& text) { return text.kind == kind; });
  }

  TableDocument grid;
  std::vector<PrintColumn> columns;
  TGridPrintInfo info;
};

TEST_F(PageLayoutTest, HeaderTitlesRowsAndPageNumberEachTakeTheirLine) {
  const PageLayout page = Layout(1, 2);
  EXPECT_EQ(page.area, (PrintBox{100, 100, 2050, 2870}));
  EXPECT_EQ(Texts(page, PrintTextKind::Header), std::vector<std::string>{"Tabulo - [list.csv]"});
  EXPECT_EQ(Texts(page, PrintTextKind::Date), std::vector<std::string>{"2026/12/08 9:05:07  "});
  EXPECT_EQ(First(page, PrintTextKind::Date).drawFlags & draw_flags::kRight, draw_flags::kRight);
  // The title row is repeated on the second page, above its one row.
  EXPECT_EQ(Texts(page, PrintTextKind::Title), (std::vector<std::string>{"行番", "都市", "金額"}));
  EXPECT_EQ(Texts(page, PrintTextKind::Cell), (std::vector<std::string>{"3", "名古屋", "-5"}));
  EXPECT_EQ(First(page, PrintTextKind::Title).box, (PrintBox{100, 150, 400, 200}));
  EXPECT_EQ(First(page, PrintTextKind::Cell).box, (PrintBox{100, 200, 400, 250}));
  EXPECT_TRUE(First(page, PrintTextKind::Cell).framed);
  // The page number sits on the area's last line: 55 lines of 5 mm.
  EXPECT_EQ(Texts(page, PrintTextKind::PageNumber), std::vector<std::string>{"( 2 / 2 )"});
  EXPECT_EQ(First(page, PrintTextKind::PageNumber).box.top, 100 + 54 * 50);
}

TEST_F(PageLayoutTest, WithoutHeaderBandTheTableStartsAtTheTopMargin) {
  info.ShowFileName = false;
  info.ShowDate = false;
  info.ShowTitle = false;
  info.Lines = false;
  const PageLayout page = Layout(0, 0);
  EXPECT_TRUE(Texts(page, PrintTextKind::Header).empty());
  EXPECT_EQ(First(page, PrintTextKind::Cell).box.top, 100);
  EXPECT_FALSE(First(page, PrintTextKind::Cell).framed);
  EXPECT_EQ(Texts(page, PrintTextKind::Cell).size(), 9u);
}

TEST_F(PageLayoutTest, ColumnsPastTheRightEdgeAreLeftOut) {
  grid.Item(1).PrintWidth = 1500;  // 30 + 150 + 30 mm > 195 mm
  PageLayout page = Layout(0, 0);
  EXPECT_TRUE(page.columnsOverflow);
  EXPECT_EQ(Texts(page, PrintTextKind::Title), (std::vector<std::string>{"行番", "都市"}));

  grid.Item(1).Printed = 0;  // a column left out of the print leaves no gap
  page = Layout(0, 0);
  EXPECT_FALSE(page.columnsOverflow);
  EXPECT_EQ(First(page, PrintTextKind::Title).box.right, 400);
  EXPECT_EQ(Texts(page, PrintTextKind::Title), (std::vector<std::string>{"行番", "金額"}));
}

TEST_F(PageLayoutTest, NumbersArePrintedGroupedOnlyWhenTheGridShowsThemSo) {
  EXPECT_EQ(Texts(Layout(0, 0), PrintTextKind::Cell)[6], "1234567");
  EXPECT_EQ(Texts(Layout(0, 0, true), PrintTextKind::Cell)[6], "1,234,567");
  grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Currency);  // the sign grouping adds is a yen sign
  EXPECT_EQ(Layout(0, 0, true).texts[11].text, u"\u00A51,234,567");
}

TEST_F(PageLayoutTest, NoRowsWhenNoneFitsAndNoneBelowTheArea) {
  info.RowHeight = 3000;
  PageLayout page = Layout(0, 0);
  EXPECT_TRUE(Texts(page, PrintTextKind::Cell).empty());
  EXPECT_TRUE(Texts(page, PrintTextKind::PageNumber).empty());

  info.RowHeight = 50;
  info.BottomMargin = 2970 - 280;  // the area ends 3 mm below the first row
  page = Layout(0, 3);
  EXPECT_EQ(Texts(page, PrintTextKind::Cell).size(), 3u);  // one row of three columns
}

TEST(AreaLabel, MeasuresFromTheMarginsToThePrintableEdge) {
  TGridPrintInfo info;
  EXPECT_EQ(AreaLabel(info, A4()), "印刷ｴﾘｱ : 195.0(mm) × 277.0(mm)");
  EXPECT_EQ(PageNumberText(0, 12), "( 1 / 12 )");
}

}  // namespace
}  // namespace tabulo
