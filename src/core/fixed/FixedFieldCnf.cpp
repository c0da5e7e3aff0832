#include "core/fixed/FixedFieldCnf.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <system_error>

#include "core/app/SettingsLocation.h"
#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Messages.h"
#include "core/document/TableDocument.h"
#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

constexpr std::string_view kExtension = ".fcf";

bool IsNumberType(const TGPItem& record) {
  const ColumnType type = record.Type();
  return type == ColumnType::Integer || type == ColumnType::Numeric || type == ColumnType::Currency;
}

bool HasDefinitionExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return extension == kExtension;
}

}  // namespace

std::filesystem::path FixedDefinitionFolder() { return SettingsFolder() / "FixedCnf"; }

TFixedFieldCnf::TFixedFieldCnf(TGridPrintInfo& printInfo, std::filesystem::path folder)
    : m_printInfo(&printInfo), m_folder(std::move(folder)) {
  std::error_code ignored;
  std::filesystem::create_directories(m_folder, ignored);
}

TGPItem* TFixedFieldCnf::Field(int index) noexcept {
  return index >= 0 && index < Count() ? m_fields[static_cast<std::size_t>(index)].get() : nullptr;
}

const TGPItem* TFixedFieldCnf::Field(int index) const noexcept {
  return index >= 0 && index < Count() ? m_fields[static_cast<std::size_t>(index)].get() : nullptr;
}

std::unique_ptr<TGPItem> TFixedFieldCnf::TakeField(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  return std::move(m_fields[static_cast<std::size_t>(index)]);
}

std::filesystem::path TFixedFieldCnf::PathOf(std::string_view name) const {
  // Only a plain name in the folder: no folder part, nothing that leads out.
  const bool plain = !name.empty() && name != "." && name != ".." &&
                     name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
  if (!plain) throw TabuloError(FormatMessage(MessageId::FixedDefinitionBadName, {name}));
  return m_folder / (std::string(name) + std::string(kExtension));
}

std::vector<std::string> TFixedFieldCnf::ListNames() const {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(m_folder, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code notFile;
    if (!entry->is_regular_file(notFile) || !HasDefinitionExtension(entry->path())) continue;
    names.push_back(entry->path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool TFixedFieldCnf::DeleteDefinition(std::string_view name) const {
  std::filesystem::path path;
  try {
    path = PathOf(name);
  } catch (const TabuloError&) {
    return false;
  }
  std::error_code error;
  return std::filesystem::remove(path, error);
}

void TFixedFieldCnf::SaveToStream(ByteWriter& writer) {
  std::erase_if(m_fields, [](const std::unique_ptr<TGPItem>& field) { return field == nullptr; });
  writer.WriteI32(kStreamTag);
  writer.WriteU8(TrimFields);
  writer.WriteU8(StripZeros);
  writer.WriteU8(ConvertCommas);
  m_printInfo->SaveToStream(writer);
  writer.WriteI32(Count());
  for (const auto& field : m_fields) field->SaveToStream(writer);
}

void TFixedFieldCnf::SaveDefinition(std::string_view name) {
  const std::filesystem::path path = PathOf(name);
  ByteWriter writer;
  SaveToStream(writer);
  CreateFolderOf(path);
  WriteWholeFile(path, writer.TakeBytes());
}

void TFixedFieldCnf::LoadFromStream(ByteReader& reader) {
  if (reader.ReadI32() != kStreamTag) throw SilentAbort();
  TrimFields = reader.ReadU8();
  StripZeros = reader.ReadU8();
  ConvertCommas = reader.ReadU8();
  m_printInfo->LoadFromStream(reader);
  Clear();
  for (std::int32_t count = reader.ReadI32(); count > 0 && !reader.AtEnd(); --count) {
    const std::size_t before = reader.Position();
    auto field = std::make_unique<TGPItem>();
    try {
      field->LoadFromStream(reader);
      m_fields.push_back(std::move(field));
    } catch (const TabuloError&) {
      // A record that takes no byte would fail the same way again.
      if (reader.Position() == before) break;
    }
  }
}

void TFixedFieldCnf::LoadDefinition(std::string_view name) {
  const std::string bytes = ReadWholeFile(PathOf(name));
  ByteReader reader(bytes);
  LoadFromStream(reader);
}

void TFixedFieldCnf::LoadFieldLengths(std::string_view name) {
  const std::string bytes = ReadWholeFile(PathOf(name));
  ByteReader reader(bytes);
  if (reader.ReadI32() != kStreamTag) throw SilentAbort();
  TrimFields = reader.ReadU8();
  StripZeros = reader.ReadU8();
  ConvertCommas = reader.ReadU8();
  TGridPrintInfo printInfo;
  printInfo.LoadFromStream(reader);
  int position = 0;
  for (std::int32_t count = reader.ReadI32(); count > 0 && !reader.AtEnd() && position < Count(); --count) {
    const std::size_t before = reader.Position();
    TGPItem record;
    try {
      record.LoadFromStream(reader);
    } catch (const TabuloError&) {
      if (reader.Position() == before) break;
      continue;
    }
    if (TGPItem* field = Field(position)) field->FieldLength = record.FieldLength;
    ++position;
  }
}

TGPItem TFixedFieldCnf::NewField() const {
  TGPItem record;
  record.DrawFlags = 0;
  if (m_fields.empty()) {
    record.Title = std::string(kRowNumberTitle);
  } else {
    char number[16];
    std::snprintf(number, sizeof number, "%4d", Count());
    record.Title = "\x97\xf1" + std::string(number);  // "列"
  }
  return record;
}

void TFixedFieldCnf::InsertField(int index) {
  const auto at = static_cast<std::ptrdiff_t>(std::clamp(index, 0, Count()));
  m_fields.insert(m_fields.begin() + at, std::make_unique<TGPItem>(NewField()));
  RecomputePositions();
}

void TFixedFieldCnf::AddField() { InsertField(Count()); }

void TFixedFieldCnf::DeleteField(int index) {
  if (index < 0 || index >= Count()) return;
  m_fields.erase(m_fields.begin() + index);
  RecomputePositions();
}

void TFixedFieldCnf::AppendField(const TGPItem& record) {
  m_fields.push_back(std::make_unique<TGPItem>(record));
  RecomputePositions();
}

void TFixedFieldCnf::RecomputePositions() noexcept {
  // Lengths from a damaged file may be absurd: the sum saturates instead of
  // overflowing, and a field that starts beyond every line cuts nothing.
  constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
  std::int64_t position = 1;
  for (std::size_t i = 1; i < m_fields.size(); ++i) {
    if (!m_fields[i]) continue;
    m_fields[i]->FieldStart = static_cast<std::int32_t>(position);
    position = std::clamp(position + m_fields[i]->FieldLength, kLow, kHigh);
  }
}

std::string_view TFixedFieldCnf::CleanField(const TGPItem& record, std::string_view text, std::string& buffer) const {
  if (TrimFields != 0) text = TrimBlanks(text);
  if (StripZeros != 0 && IsNumberType(record)) {
    text = TrimBlanks(text);
    while (text.size() >= 2 && text.front() == '0') text.remove_prefix(1);
  }
  if (ConvertCommas == 0 || FindChar(text, ',') == std::string_view::npos) return text;
  buffer.assign(text);
  for (std::size_t at = FindChar(buffer, ','); at != std::string::npos; at = FindChar(buffer, ',', at + 1)) {
    buffer[at] = '\xA4';
  }
  return buffer;
}

std::string TFixedFieldCnf::CleanField(const TGPItem& record, std::string_view text) const {
  std::string buffer;
  return std::string(CleanField(record, text, buffer));
}

CellColors TFixedFieldCnf::CheckField(const TGPItem& record, std::string_view text) const {
  return record.GetCellColors(CleanField(record, text));
}

std::string_view CutField(std::string_view line, const TGPItem& record) noexcept {
  if (record.FieldStart < 1 || record.FieldLength <= 0) return {};
  const auto begin = static_cast<std::size_t>(record.FieldStart - 1);
  if (begin >= line.size()) return {};
  return line.substr(begin, static_cast<std::size_t>(record.FieldLength));
}

}  // namespace tabulo
