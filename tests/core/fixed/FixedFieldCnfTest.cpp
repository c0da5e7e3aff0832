#include "core/fixed/FixedFieldCnf.h"

#include <gtest/gtest.h>

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Sjis;

std::vector<int> Starts(const TFixedFieldCnf& definition) {
  std::vector<int> starts;
  for (int i = 1; i < definition.Count(); ++i) starts.push_back(definition.Field(i)->FieldStart);
  return starts;
}

// The title column and fields of the given lengths.
void Lay(TFixedFieldCnf& definition, std::initializer_list<int> lengths) {
  definition.Clear();
  definition.AddField();
  for (int length : lengths) {
    definition.AddField();
    definition.Field(definition.Count() - 1)->FieldLength = length;
  }
  definition.RecomputePositions();
}

struct Fixture {
  test::TempDir dir;
  TGridPrintInfo printInfo;
  TFixedFieldCnf definition{printInfo, dir / "FixedCnf"};
};

TEST(FixedFieldCnf, ListOperationsKeepThePositions) {
  Fixture f;
  TFixedFieldCnf& d = f.definition;
  EXPECT_TRUE(std::filesystem::is_directory(f.dir / "FixedCnf"));
  Lay(d, {4, 10, 2});
  EXPECT_EQ(d.Field(0)->Title, Sjis("行番"));
  EXPECT_EQ(d.Field(2)->Title, Sjis("列   2"));
  EXPECT_EQ(d.Field(1)->DrawFlags, 0);
  EXPECT_EQ(Starts(d), (std::vector<int>{1, 5, 15}));

  d.InsertField(2);  // a new field of length 0 before the second
  d.Field(2)->FieldLength = 3;
  d.RecomputePositions();
  EXPECT_EQ(Starts(d), (std::vector<int>{1, 5, 8, 18}));
  EXPECT_EQ(d.Field(2)->Title, Sjis("列   4"));
  d.DeleteField(1);
  EXPECT_EQ(Starts(d), (std::vector<int>{1, 4, 14}));
  d.DeleteField(9);
  EXPECT_EQ(d.Count(), 4);
  TGPItem extra;
  extra.FieldLength = 6;
  d.AppendField(extra);
  EXPECT_EQ(Starts(d), (std::vector<int>{1, 4, 14, 16}));
  EXPECT_EQ(d.Field(9), nullptr);
  EXPECT_EQ(d.Field(-1), nullptr);
}

TEST(FixedFieldCnf, SavesAndLoadsWholeDefinitions) {
  Fixture f;
  TFixedFieldCnf& d = f.definition;
  Lay(d, {4, 10, 2});
  d.Field(2)->DataType = 1;
  d.Field(3)->Title = Sjis("金額");
  d.TrimFields = 1;
  d.ConvertCommas = 1;
  f.printInfo.LeftMargin = 250;
  d.SaveDefinition(std::string("給与.v2"));
  EXPECT_EQ(d.ListNames(), std::vector<std::string>{std::string("給与.v2")});  // all but the last extension

  TGridPrintInfo otherInfo;
  TFixedFieldCnf loaded(otherInfo, f.dir / "FixedCnf");
  loaded.LoadDefinition(std::string("給与.v2"));
  ASSERT_EQ(loaded.Count(), 4);
  EXPECT_EQ(loaded.TrimFields, 1);
  EXPECT_EQ(loaded.StripZeros, 0);
  EXPECT_EQ(loaded.ConvertCommas, 1);
  EXPECT_EQ(otherInfo.LeftMargin, 250);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(*loaded.Field(i), *d.Field(i)) << i;

  // An entry handed to a table is left out of the file.
  auto taken = d.TakeField(2);
  ByteWriter writer;
  d.SaveToStream(writer);
  EXPECT_EQ(d.Count(), 3);
  const std::string bytes = writer.TakeBytes();
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xF6\xFF\xFF\xFF", 4));
  ByteReader reader(bytes);
  loaded.LoadFromStream(reader);
  EXPECT_EQ(loaded.Count(), 3);
  EXPECT_EQ(loaded.Field(2)->Title, Sjis("金額"));

  EXPECT_TRUE(d.DeleteDefinition(std::string("給与.v2")));
  EXPECT_FALSE(d.DeleteDefinition(std::string("給与.v2")));
  EXPECT_TRUE(d.ListNames().empty());
}

TEST(FixedFieldCnf, FieldLengthsComeBackAlone) {
  Fixture f;
  TFixedFieldCnf& d = f.definition;
  Lay(d, {4, 10, 2});
  d.StripZeros = 1;
  d.SaveDefinition("layout");
  // A table's columns with other titles and widths, one column fewer.
  TGridPrintInfo info;
  TFixedFieldCnf table(info, f.dir / "FixedCnf");
  Lay(table, {1, 1});
  table.Field(1)->Title = "code";
  table.LoadFieldLengths("layout");
  EXPECT_EQ(table.StripZeros, 1);
  EXPECT_EQ(table.Field(1)->FieldLength, 4);
  EXPECT_EQ(table.Field(2)->FieldLength, 10);
  EXPECT_EQ(table.Field(1)->Title, "code");
  EXPECT_EQ(table.Field(2)->FieldStart, 2);  // not recomputed
}

TEST(FixedFieldCnf, DamagedFilesNeverTakeTheProgramDown) {
  Fixture f;
  TFixedFieldCnf& d = f.definition;
  Lay(d, {4, 10});
  ByteWriter writer;
  d.SaveToStream(writer);
  const std::string good = writer.TakeBytes();

  // A wrong tag changes nothing.
  std::string wrongTag = good;
  wrongTag[0] = 0;
  ByteReader wrong(wrongTag);
  EXPECT_THROW(d.LoadFromStream(wrong), SilentAbort);
  EXPECT_EQ(d.Count(), 3);

  // Every cut of the file, and bytes that are no record.
  for (std::size_t cut = 0; cut < good.size(); ++cut) {
    ByteReader reader(std::string_view(good).substr(0, cut));
    try {
      d.LoadFromStream(reader);
    } catch (const TabuloError&) {
    }
    EXPECT_LE(d.Count(), 3);
  }
  // The last record (46 bytes and its title "列   2") with a wrong tag is
  // dropped; the count of 2^31 - 1 records over the rest ends with the bytes.
  std::string damaged = good;
  damaged[good.size() - 52] = 0;
  ByteReader reader(damaged);
  d.LoadFromStream(reader);
  EXPECT_EQ(d.Count(), 2);
  std::string huge = good;
  huge.replace(good.size() - 3 * 46 - 4 - 6 - 6 - 4, 4, "\xFF\xFF\xFF\x7F");
  ByteReader hugeReader(huge);
  d.LoadFromStream(hugeReader);
  EXPECT_EQ(d.Count(), 3);

  // Names that are no plain file names.
  EXPECT_THROW(d.SaveDefinition("../escape"), TabuloError);
  EXPECT_THROW(d.SaveDefinition(""), TabuloError);
  EXPECT_FALSE(d.DeleteDefinition(".."));
  EXPECT_THROW(d.LoadDefinition("missing"), FileError);
}

TEST(FixedFieldCnf, CleanFieldAndCheckField) {
  Fixture f;
  TFixedFieldCnf& d = f.definition;
  TGPItem text;
  TGPItem integer;
  integer.DataType = 1;
  TGPItem numeric;
  numeric.DataType = 2;
  EXPECT_EQ(d.CleanField(integer, " 007 "), " 007 ");
  d.TrimFields = 1;
  EXPECT_EQ(d.CleanField(text, "\t ab c  "), "ab c");
  EXPECT_EQ(d.CleanField(text, Sjis("　全角　")), Sjis("　全角　"));  // the full-width space is no blank
  d.TrimFields = 0;
  d.StripZeros = 1;
  EXPECT_EQ(d.CleanField(integer, " 007 "), "7");
  EXPECT_EQ(d.CleanField(integer, "000"), "0");
  EXPECT_EQ(d.CleanField(numeric, "0.5"), ".5");
  EXPECT_EQ(d.CleanField(text, " 007"), " 007");  // string columns keep their zeros
  d.ConvertCommas = 1;
  EXPECT_EQ(d.CleanField(text, Sjis("1,2ソ,")), Sjis("1") + "\xA4" + "2" + Sjis("ソ") + "\xA4");

  EXPECT_EQ(d.CheckField(integer, "00123"), kValidCellColors);
  EXPECT_EQ(d.CheckField(integer, "12a"), kInvalidCellColors);
  EXPECT_EQ(d.CheckField(text, "12a"), kValidCellColors);
}

TEST(FixedFieldCnf, CutFieldWorksInBytes) {
  TGPItem field;
  field.FieldStart = 3;
  field.FieldLength = 3;
  EXPECT_EQ(CutField("abcdefg", field), "cde");
  EXPECT_EQ(CutField("abcd", field), "cd");
  EXPECT_EQ(CutField("ab", field), "");
  // A cut inside a double-byte character keeps the half it covers.
  const std::string kanji = "a" + Sjis("漢字");  // a, 2 + 2 bytes
  EXPECT_EQ(CutField(kanji, field), kanji.substr(2, 3));
  field.FieldLength = 0;
  EXPECT_EQ(CutField("abcdefg", field), "");
}

}  // namespace
}  // namespace tabulo
