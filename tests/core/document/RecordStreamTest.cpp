#include <gtest/gtest.h>

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/document/GPItem.h"
#include "core/document/GridPrintInfo.h"

namespace tabulo {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

TGPItem SampleItem() {
  TGPItem item;
  item.Title = "ab";
  item.DataType = 5;
  item.Shown = 1;
  item.ColumnIndex = 3;
  item.DisplayWidth = 0x0102;
  item.Printed = 0;
  item.PrintIndex = -1;
  item.PrintWidth = 250;
  item.ImeMode = 6;
  item.DrawFlags = 0x0826;
  item.Reserved1 = 7;
  item.Reserved2 = 8;
  item.FieldStart = 9;
  item.FieldLength = 10;
  return item;
}

TEST(TGPItemStream, LaysOutEveryFieldLittleEndian) {
  ByteWriter writer;
  SampleItem().SaveToStream(writer);
  const std::string expected =
      Bytes({0xFE, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 'a', 'b', 5, 1, 3, 0, 0, 0, 0x02, 0x01, 0, 0, 0,
             0xFF, 0xFF, 0xFF, 0xFF, 250, 0, 0, 0, 6, 0x26, 0x08, 7, 0, 0, 0, 8, 0, 0, 0, 9, 0, 0, 0, 10, 0, 0, 0});
  EXPECT_EQ(writer.Bytes(), expected);
  EXPECT_EQ(writer.Bytes().size(), 46u + 2u);

  TGPItem read;
  ByteReader reader(expected);
  read.LoadFromStream(reader);
  EXPECT_EQ(read, SampleItem());
  EXPECT_TRUE(reader.AtEnd());
}

TEST(TGPItemStream, EmptyTitleRecordIs46Bytes) {
  ByteWriter writer;
  TGPItem().SaveToStream(writer);
  EXPECT_EQ(writer.Bytes().size(), 46u);
}

TEST(TGPItemStream, WrongTagAbortsSilentlyAndChangesNothing) {
  ByteWriter writer;
  SampleItem().SaveToStream(writer);
  std::string bytes = writer.Bytes();
  bytes[0] = static_cast<char>(0xFD);
  TGPItem item;
  ByteReader reader(bytes);
  EXPECT_THROW(item.LoadFromStream(reader), SilentAbort);
  EXPECT_EQ(item, TGPItem());
}

TEST(TGPItemStream, EveryTruncationFailsWithoutChangingTheRecord) {
  ByteWriter writer;
  SampleItem().SaveToStream(writer);
  const std::string bytes = writer.Bytes();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    TGPItem item;
    ByteReader reader(std::string_view(bytes).substr(0, length));
    EXPECT_THROW(item.LoadFromStream(reader), StreamReadError) << length;
    EXPECT_EQ(item, TGPItem()) << length;
  }
}

TEST(TGPItemStream, AbsurdTitleLengthIsDamageNotAnAllocation) {
  const std::string bytes = Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'});
  TGPItem item;
  ByteReader reader(bytes);
  EXPECT_THROW(item.LoadFromStream(reader), StreamReadError);
  const std::string negative = Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  ByteReader negativeReader(negative);
  EXPECT_THROW(item.LoadFromStream(negativeReader), StreamReadError);
}

TEST(TGPItemStream, ReadsTheOldUntaggedRecord) {
  const std::string bytes = Bytes({1, 0, 0, 0, 'x', 2, 7, 0, 4, 0, 0, 0, 90, 0, 0, 0, 200, 0, 0, 0, 0x25, 0x08,
                                   1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0});
  TGPItem item;
  item.Shown = 0;
  ByteReader reader(bytes);
  item.LoadOldFromStream(reader);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(item.Title, "x");
  EXPECT_EQ(item.DataType, 2);
  EXPECT_EQ(item.ImeMode, 7);
  EXPECT_EQ(item.Printed, 0);
  EXPECT_EQ(item.ColumnIndex, 4);
  EXPECT_EQ(item.PrintIndex, 4);
  EXPECT_EQ(item.DisplayWidth, 90);
  EXPECT_EQ(item.PrintWidth, 200);
  EXPECT_EQ(item.DrawFlags, 0x0825);
  EXPECT_EQ(item.Shown, 1);
  EXPECT_EQ(item.FieldLength, 4);
}

TEST(TGridPrintInfoStream, CurrentFormIs43BytesPlusFontName) {
  TGridPrintInfo info;
  ByteWriter writer;
  info.SaveToStream(writer);
  EXPECT_EQ(writer.Bytes(), Bytes({0xEC, 0xFF, 0xFF, 0xFF, 1, 1, 1, 1, 1, 100, 0, 0, 0, 100, 0, 0, 0, 100, 0, 0, 0,
                                   53, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9, 0, 1, 0}));

  info.FontName = "Font";
  info.FontCharset = 128;
  info.Orientation = 2;
  ByteWriter named;
  info.SaveToStream(named);
  EXPECT_EQ(named.Bytes().size(), 47u);
  TGridPrintInfo read;
  ByteReader reader(named.Bytes());
  read.LoadFromStream(reader);
  EXPECT_EQ(read, info);
}

TEST(TGridPrintInfoStream, OlderFormsKeepWhatTheyLackAndDropTheFontName) {
  TGridPrintInfo current;
  current.ShowFileName = false;
  current.ShowDate = false;
  current.ShowPage = false;
  current.BottomMargin = 77;
  current.FontName = "kept?";
  current.FontCharset = 5;

  // Tag -10: Lines, ShowTitle, margins left and top, row height, font name,
  // style, size, printer, paper, orientation.
  const std::string oldest = Bytes({0xF6, 0xFF, 0xFF, 0xFF, 0, 1, 20, 0, 0, 0, 30, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0,
                                    'F', 2, 11, 0, 0, 0, 3, 0, 0, 0, 8, 0, 2, 0});
  TGridPrintInfo info = current;
  ByteReader reader(oldest);
  info.LoadFromStream(reader);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(info.Lines);
  EXPECT_EQ(info.LeftMargin, 20);
  EXPECT_EQ(info.TopMargin, 30);
  EXPECT_EQ(info.RowHeight, 40);
  EXPECT_EQ(info.FontName, "");
  EXPECT_EQ(info.FontStyle, 2);
  EXPECT_EQ(info.FontSize, 11);
  EXPECT_EQ(info.PrinterIndex, 3);
  EXPECT_EQ(info.PaperSize, 8);
  EXPECT_EQ(info.Orientation, 2);
  EXPECT_FALSE(info.ShowFileName);
  EXPECT_FALSE(info.ShowPage);
  EXPECT_EQ(info.BottomMargin, 77);
  EXPECT_EQ(info.FontCharset, 5);

  // Tag -11: the current layout without the character set byte.
  const std::string withoutCharset =
      Bytes({0xF5, 0xFF, 0xFF, 0xFF, 1, 1, 0, 1, 1, 10, 0, 0, 0, 11, 0, 0, 0, 12, 0, 0, 0, 13, 0, 0, 0, 1, 0, 0, 0,
             'G', 4, 14, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9, 0, 1, 0});
  info = current;
  ByteReader reader11(withoutCharset);
  info.LoadFromStream(reader11);
  EXPECT_TRUE(reader11.AtEnd());
  EXPECT_FALSE(info.Lines);
  EXPECT_EQ(info.BottomMargin, 12);
  EXPECT_EQ(info.FontName, "");
  EXPECT_EQ(info.FontCharset, 5);
  EXPECT_EQ(info.FontStyle, 4);
  EXPECT_EQ(info.FontSize, 14);
}

TEST(TGridPrintInfoStream, UnknownTagOrShortRecordChangesNothing) {
  TGridPrintInfo info;
  info.LeftMargin = 1;
  const std::string wrongTag = Bytes({0xEB, 0xFF, 0xFF, 0xFF, 1, 1, 1});
  ByteReader reader(wrongTag);
  EXPECT_THROW(info.LoadFromStream(reader), SilentAbort);
  ByteWriter writer;
  TGridPrintInfo().SaveToStream(writer);
  for (std::size_t length = 4; length < writer.Bytes().size(); ++length) {
    ByteReader cut(std::string_view(writer.Bytes()).substr(0, length));
    EXPECT_THROW(info.LoadFromStream(cut), StreamReadError);
    EXPECT_EQ(info.LeftMargin, 1);
  }
}

TEST(PaperLengths, ConvertWithTheFactor253999) {
  EXPECT_EQ(PixelsToTenthMm(96, 96), 254);
  EXPECT_EQ(PixelsToTenthMm(80 + 2, 96), 217);
  EXPECT_EQ(TenthMmToPixels(100, 600), 236);  // 10.0 mm at 600 dpi
  EXPECT_EQ(PixelsToTenthMm(5, 0), 0);
}

}  // namespace
}  // namespace tabulo
