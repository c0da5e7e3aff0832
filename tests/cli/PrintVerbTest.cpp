#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/CliRunner.h"
#include "core/print/PrintFormatFile.h"
#include "support/TestFiles.h"

namespace tabulo::cli {
namespace {

using tabulo::test::Sjis;
using test::ToolRun;

// What a command prints, or nothing when it cannot run.
std::string CommandOutput(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return output;
  std::array<char, 4096> buffer{};
  while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) output.append(buffer.data(), read);
  return output;
}

std::string WithoutBlanks(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\f'; });
  return text;
}

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

// A list of 120 rows under the titles 名前 and 金額, as a PDF reader sees it
// printed: page by page, blanks dropped.
struct Fixture {
  tabulo::test::TempDir dir;
  std::string in = (dir / "list.csv").string();
  std::string pdf = (dir / "list.pdf").string();

  Fixture() {
    std::string text = "名前,金額\r\n";
    for (int row = 1; row <= 120; ++row) text += "品目" + std::to_string(row) + "," + std::to_string(row * 1000) + "\r\n";
    tabulo::test::WriteFile(in, Sjis(text));
  }
  ToolRun Print(std::vector<std::string> options) const {
    std::vector<std::string> args{"print", in, "-o", pdf, "--first-line-titles", "yes"};
    args.insert(args.end(), options.begin(), options.end());
    return test::RunTool(args);
  }
  std::string Text() const { return WithoutBlanks(CommandOutput("pdftotext -enc UTF-8 '" + pdf + "' - 2>/dev/null")); }
  std::string Info() const { return CommandOutput("pdfinfo '" + pdf + "' 2>/dev/null"); }
};

bool HavePoppler() { return !CommandOutput("command -v pdftotext pdfinfo").empty(); }

TEST(CliPrint, WritesEveryPageWithTitlesHeaderAndPageNumbers) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
  const Fixture f;
  const ToolRun run = f.Print({});
  ASSERT_EQ(run.status, 0) << run.err;
  // 10 mm margins and 5.3 mm lines on A4: 52 lines, 49 of them rows.
  EXPECT_NE(run.err.find("3 ページ"), std::string::npos) << run.err;
  EXPECT_NE(f.Info().find("Pages:           3"), std::string::npos);
  EXPECT_NE(f.Info().find("A4"), std::string::npos);
  const std::string text = f.Text();
  EXPECT_EQ(Count(text, "名前"), 3);
  EXPECT_EQ(Count(text, "Tabulo-list.csv"), 3);
  for (const char* number : {"(1/3)", "(2/3)", "(3/3)"}) EXPECT_EQ(Count(text, number), 1) << number;
  EXPECT_NE(text.find("品目49"), std::string::npos);
  EXPECT_NE(text.find("120000"), std::string::npos);
}

TEST(CliPrint, PrintsTheChosenPagesWithAPrintFormatFile) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
  const Fixture f;
  TGridPrintInfo info;
  info.ShowFileName = false;
  info.ShowDate = false;
  info.Orientation = 2;  // landscape: 35 lines, 33 of them rows
  info.FontName = "Gothic";
  std::vector<TGPItem> columns(3);
  columns[0].Printed = 0;
  for (TGPItem& column : columns) column.PrintWidth = 300;
  columns[1].Title = Sjis("品名");
  WritePrintFormatFile(f.dir / "a.GPC", info, columns);

  const ToolRun run = f.Print({"--format-file", (f.dir / "a.GPC").string(), "--pages", "2-3"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("4 ページ"), std::string::npos) << run.err;
  EXPECT_NE(f.Info().find("Pages:           2"), std::string::npos);
  EXPECT_NE(f.Info().find("842 x 595 pts (A4)"), std::string::npos) << f.Info();
  const std::string text = f.Text();
  EXPECT_EQ(Count(text, "品名"), 2);
  EXPECT_EQ(Count(text, "Tabulo"), 0);
  EXPECT_NE(text.find("(2/4)"), std::string::npos);
  EXPECT_EQ(text.find("(1/4)"), std::string::npos);
}

TEST(CliPrint, ATableWithoutSideFileGetsColumnsAsWideAsTheirTexts) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
  const Fixture f;
  tabulo::test::WriteFile(f.in, Sjis("住所,金額\r\n東京都千代田区千代田一丁目一番一号皇居外苑管理事務所,1200\r\n"));
  const ToolRun run = f.Print({});
  ASSERT_EQ(run.status, 0) << run.err;
  // At the grid's first width (64 pixels) only a few characters would show.
  EXPECT_NE(f.Text().find("東京都千代田区千代田一丁目一番一号皇居外苑管理事務所"), std::string::npos) << f.Text();
}

TEST(CliPrint, PrintsAUtf8FileAsItsShiftJisCopy) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
  const Fixture f;
  const std::string table = "住所,金額\r\n東京都千代田区千代田一丁目一番一号皇居外苑管理事務所,1200\r\n髙島屋,30\r\n";
  tabulo::test::WriteFile(f.in, "\xEF\xBB\xBF" + table);
  ToolRun run = f.Print({});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string fromUtf8 = f.Text();
  EXPECT_NE(fromUtf8.find("東京都千代田区千代田一丁目一番一号皇居外苑管理事務所"), std::string::npos) << fromUtf8;
  EXPECT_NE(fromUtf8.find("髙島屋"), std::string::npos) << fromUtf8;
  tabulo::test::WriteFile(f.in, Sjis(table));
  run = f.Print({});
  ASSERT_EQ(run.status, 0) << run.err;
  // The pages agree up to the page number; the printing time after it may not.
  const auto untimed = [](const std::string& text) { return text.substr(0, text.find("(1/1)")); };
  ASSERT_NE(fromUtf8.find("(1/1)"), std::string::npos) << fromUtf8;
  EXPECT_EQ(untimed(fromUtf8), untimed(f.Text()));
}

TEST(CliPrint, ReportsColumnsThatDoNotFitAndRefusesBadRanges) {
  const Fixture f;
  TGridPrintInfo info;
  std::vector<TGPItem> columns(3);
  for (TGPItem& column : columns) column.PrintWidth = 1500;
  WritePrintFormatFile(f.dir / "wide.GPC", info, columns);
  const ToolRun wide = f.Print({"--format-file", (f.dir / "wide.GPC").string()});
  EXPECT_EQ(wide.status, 0) << wide.err;
  EXPECT_NE(wide.err.find("列がはみ出しています。"), std::string::npos);

  EXPECT_EQ(f.Print({"--pages", "3-9"}).status, 2);
  EXPECT_EQ(f.Print({"--pages", "x"}).status, 2);
  // A line higher than the page: a message, and the old file stays as it was.
  tabulo::test::WriteFile(f.pdf, "old");
  info.RowHeight = 5000;
  info.FontName = "Gothic";  // a layout without a font would take the grid's line height
  WritePrintFormatFile(f.dir / "high.GPC", info, columns);
  const ToolRun high = f.Print({"--format-file", (f.dir / "high.GPC").string()});
  EXPECT_EQ(high.status, 1);
  EXPECT_NE(high.err.find("１行も印刷できません"), std::string::npos);
  EXPECT_EQ(tabulo::test::ReadFile(f.pdf), "old");
}

}  // namespace
}  // namespace tabulo::cli
