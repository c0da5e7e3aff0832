// Saving never replaces what it may not: read-only files, other files' side
// files, and text named like a side file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/document/DocumentWriter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::ReadFile;
using test::WriteFile;

Document SmallDocument() {
  Document document;
  document.grid = test::GridOf({{"pen", "120"}});
  return document;
}

const SaveOptions kWithAttributes{0, true, false, false};
const SaveOptions kWithoutAttributes{0, false, false, false};

TEST(WriteDocument, AReadOnlyTargetOrSideFileIsRefusedAndKept) {
  test::TempDir dir;
  Document document = SmallDocument();
  WriteFile(dir / "ro.csv", "KEEP\r\n");
  ::chmod((dir / "ro.csv").c_str(), 0444);
  for (const SaveOptions& options : {kWithAttributes, kWithoutAttributes}) {
    EXPECT_THROW(WriteDocument(document, dir / "ro.csv", options, nullptr, dir / "ro.csv"), FileError);
    EXPECT_EQ(ReadFile(dir / "ro.csv"), "KEEP\r\n");
    EXPECT_FALSE(FileExists(dir / "ro.cfg"));
  }

  WriteFile(dir / "a.csv", "old\r\n");
  WriteFile(dir / "a.cfg", "side");
  ::chmod((dir / "a.cfg").c_str(), 0444);
  for (const SaveOptions& options : {kWithAttributes, kWithoutAttributes}) {
    EXPECT_THROW(WriteDocument(document, dir / "a.csv", options, nullptr, dir / "a.csv"), FileError);
    EXPECT_EQ(ReadFile(dir / "a.csv"), "old\r\n");
    EXPECT_EQ(ReadFile(dir / "a.cfg"), "side");
  }
}

TEST(WriteDocument, SavingElsewhereWithoutAttributesKeepsTheDocumentsSideFile) {
  test::TempDir dir;
  Document document = SmallDocument();
  WriteDocument(document, dir / "d.csv", kWithAttributes, nullptr, dir / "d.csv");
  const std::string side = ReadFile(dir / "d.cfg");

  // d.tsv shares d.cfg with the file the document came from.
  WriteDocument(document, dir / "d.tsv", {1, false, false, false}, nullptr, dir / "d.csv");
  EXPECT_EQ(ReadFile(dir / "d.cfg"), side);
  // So does a file of another document that happens to lie beside it.
  WriteDocument(document, dir / "d.txt", kWithoutAttributes, nullptr, dir / "other.csv");
  EXPECT_EQ(ReadFile(dir / "d.cfg"), side);

  // A side file that only the target can own goes, as before.
  WriteFile(dir / "lone.cfg", "stale");
  WriteDocument(document, dir / "lone.csv", kWithoutAttributes, nullptr, dir / "other.csv");
  EXPECT_FALSE(FileExists(dir / "lone.cfg"));
  // And saving the document's own file without attributes drops its own.
  WriteDocument(document, dir / "d.csv", kWithoutAttributes, nullptr, dir / "d.csv");
  EXPECT_FALSE(FileExists(dir / "d.cfg"));
}

TEST(WriteDocument, ATargetNamedLikeASideFileIsRefused) {
  test::TempDir dir;
  Document document = SmallDocument();
  for (const char* name : {"out.cfg", "out.ctl"}) {
    WriteFile(dir / name, "KEEP");
    for (const SaveOptions& options : {kWithAttributes, kWithoutAttributes}) {
      EXPECT_THROW(WriteDocument(document, dir / name, options, nullptr, {}), TabuloError) << name;
      EXPECT_EQ(ReadFile(dir / name), "KEEP") << name;
    }
  }
  EXPECT_FALSE(FileExists(dir / "out.cfg.cfg"));
}

}  // namespace
}  // namespace tabulo
