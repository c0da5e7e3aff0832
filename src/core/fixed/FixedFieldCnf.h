#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/CellColors.h"
#include "core/document/GPItem.h"
#include "core/document/GridPrintInfo.h"

namespace tabulo {

class ByteReader;
class ByteWriter;

// The folder of the saved fixed-field definitions: "FixedCnf" in the
// settings folder, beside "GPC" (the program's own folder is not writable).
// Throws like SettingsFolder.
std::filesystem::path FixedDefinitionFolder();

// The record layout of a fixed-length file: the columns in order (entry 0 is
// the row-number column "行番"), each a column attribute record whose
// FieldStart and FieldLength say where its field lies in a line (1-based
// byte positions), three clean-up options for each cut field, and the print
// layout record of the table. Saved under a name as "<name>.fcf" in its
// folder; names are file names as the system spells them (UTF-8 here).
//
// The list operations keep the positions: entry 1 starts at 1 and each
// following entry where the one before ends. An entry may be empty (a
// record handed over to a table); saving drops such entries.
class TFixedFieldCnf {
 public:
  static constexpr std::int32_t kStreamTag = -10;

  // `printInfo` is the table window's record, which loading replaces. The
  // folder is created when missing (a folder that cannot be made surfaces
  // when a definition is saved).
  TFixedFieldCnf(TGridPrintInfo& printInfo, std::filesystem::path folder);

  std::uint8_t TrimFields = 0;
  std::uint8_t StripZeros = 0;
  std::uint8_t ConvertCommas = 0;

  TGridPrintInfo& PrintInfo() const noexcept { return *m_printInfo; }
  const std::filesystem::path& Folder() const noexcept { return m_folder; }

  // The entry at `index`, or null when the index is out of range or the
  // entry is empty.
  TGPItem* Field(int index) noexcept;
  const TGPItem* Field(int index) const noexcept;
  int Count() const noexcept { return static_cast<int>(m_fields.size()); }
  // Takes the record out of entry `index`, leaving the entry empty.
  std::unique_ptr<TGPItem> TakeField(int index);

  // The names of the saved definitions (file names without ".fcf"), sorted
  // by their bytes so that the list is the same every time.
  std::vector<std::string> ListNames() const;
  // Deletes "<name>.fcf"; whether a file was deleted. A name that is no
  // plain file name deletes nothing.
  bool DeleteDefinition(std::string_view name) const;

  // The ".fcf" form: tag -10, the three flags, the print layout record, a
  // 32-bit count and the column records, entry 0 first. Empty entries are
  // removed from the list first.
  void SaveToStream(ByteWriter& writer);
  // Writes "<name>.fcf" in one piece, safely (see AtomicFileWriter). Throws
  // FileError, and TabuloError for a name that is no plain file name.
  void SaveDefinition(std::string_view name);

  // Reads the ".fcf" form, replacing the flags, the print layout record's
  // contents and all entries. A wrong tag throws SilentAbort and changes
  // nothing; an unreadable print layout record throws its error (the flags
  // are then already read). A damaged column record is dropped and reading
  // goes on with the next one.
  void LoadFromStream(ByteReader& reader);
  // Reads "<name>.fcf" as LoadFromStream; throws FileError when it cannot be
  // read.
  void LoadDefinition(std::string_view name);
  // Takes from "<name>.fcf" only the flags and, position by position, the
  // FieldLength of each record, for as many positions as both have. The
  // positions are not recomputed. Throws like LoadDefinition.
  void LoadFieldLengths(std::string_view name);

  // Frees every entry and empties the list.
  void Clear() noexcept { m_fields.clear(); }
  // A new entry (DrawFlags 0; titled "行番" in an empty list, else "列" and
  // the entry count before it, right-aligned in four places) inserted at
  // `index` (clamped to the list) or appended; positions recomputed.
  void InsertField(int index);
  void AddField();
  // Removes entry `index` (nothing when out of range); positions recomputed.
  void DeleteField(int index);
  // Appends a copy of `record`; positions recomputed.
  void AppendField(const TGPItem& record);
  void RecomputePositions() noexcept;

  // One cut field cleaned up by the options: with TrimFields the blanks
  // around it removed; with StripZeros, for integer, numeric and currency
  // records, trimmed likewise and its leading "0" bytes removed while two
  // bytes or more are left (007 → 7, 000 → 0, 0.5 → .5); with ConvertCommas
  // every "," made the byte 0xA4.
  std::string CleanField(const TGPItem& record, std::string_view text) const;
  // CleanField for many fields: the cleaned text in `buffer` or in `text`
  // itself, valid until the next call; nothing is allocated once the buffer
  // has grown.
  std::string_view CleanField(const TGPItem& record, std::string_view text, std::string& buffer) const;
  // The cleaned field's colours: red on yellow when it does not read as the
  // record's type, window text on window otherwise.
  CellColors CheckField(const TGPItem& record, std::string_view text) const;

 private:
  std::filesystem::path PathOf(std::string_view name) const;
  TGPItem NewField() const;

  TGridPrintInfo* m_printInfo;
  std::filesystem::path m_folder;
  std::vector<std::unique_ptr<TGPItem>> m_fields;
};

// The bytes FieldStart .. FieldStart + FieldLength - 1 of `line`, cut at
// exact byte positions (a double-byte character may be cut); the part that
// exists of a range beyond the line's end, or nothing.
std::string_view CutField(std::string_view line, const TGPItem& record) noexcept;

}  // namespace tabulo
