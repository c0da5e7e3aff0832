#include "core/app/TabuloCnf.h"

#include "core/app/SettingsLocation.h"
#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/base/FileIo.h"

namespace tabulo {
namespace {

// Tags of the older forms the program still reads. A file that starts with
// none of these (nor the current tag) predates the tags altogether.
constexpr std::int32_t kVersion35 = -35;
constexpr std::int32_t kVersion32 = -32;
constexpr std::int32_t kVersion27 = -27;
constexpr std::int32_t kUntagged = 0;

bool IsVersionTag(std::int32_t value) {
  return value == TTabuloCnf::kCurrentVersion || value == kVersion35 || value == kVersion32 ||
         value == kVersion27;
}

// The seven bytes are taken as a whole, so that a file cut inside them
// leaves the previous options untouched rather than half replaced.
SaveOptions ReadSaveOptions(ByteReader& in) {
  SaveOptions options;
  options.SaveType = in.ReadI32();
  options.SaveAttributes = in.ReadBool();
  options.WithTitle = in.ReadBool();
  options.WithRowNumbers = in.ReadBool();
  return options;
}

void WriteSaveOptions(ByteWriter& out, const SaveOptions& options) {
  out.WriteI32(options.SaveType);
  out.WriteBool(options.SaveAttributes);
  out.WriteBool(options.WithTitle);
  out.WriteBool(options.WithRowNumbers);
}

// Fills `cnf` field by field in file order; throws StreamReadError where the
// bytes run out or a string count is negative.
void ReadFields(ByteReader& in, TTabuloCnf& cnf) {
  std::int32_t version = in.ReadI32();
  if (!IsVersionTag(version)) {
    version = kUntagged;
    in.Seek(0);
  }

  cnf.WindowState = in.ReadU8();
  cnf.WindowBounds.Left = in.ReadI32();
  cnf.WindowBounds.Top = in.ReadI32();
  cnf.WindowBounds.Right = in.ReadI32();
  cnf.WindowBounds.Bottom = in.ReadI32();
  cnf.RowHeight = in.ReadI32();
  // Older forms kept no character set beside the name, and a name without its
  // set may pick the wrong font, so those files leave the font's name alone.
  std::string fontName = in.ReadCountedString();
  if (version == TTabuloCnf::kCurrentVersion) {
    cnf.FontName = std::move(fontName);
    cnf.FontCharset = in.ReadU8();
  }
  cnf.FontSize = in.ReadI32();
  cnf.FontStyle = in.ReadU8();
  // The close question is stored before the title question.
  cnf.AskOnClose = in.ReadBool();
  cnf.AskTitleRow = in.ReadBool();
  cnf.NewWindow = in.ReadBool();
  cnf.KeepWindowPos = in.ReadBool();

  switch (version) {
    case TTabuloCnf::kCurrentVersion:
    case kVersion35:
      cnf.ShowToolBar = in.ReadBool();
      cnf.ShowCalcBar = in.ReadBool();
      cnf.ShowFindBar = in.ReadBool();
      cnf.ShowStatusBar = in.ReadBool();
      if (version == TTabuloCnf::kCurrentVersion) cnf.SaveOptions = ReadSaveOptions(in);
      cnf.CalcHistory = in.ReadCountedString();
      cnf.FindHistory = in.ReadCountedString();
      break;
    case kVersion32:
      // This form had no find bar yet.
      cnf.ShowToolBar = in.ReadBool();
      cnf.ShowCalcBar = in.ReadBool();
      cnf.ShowStatusBar = in.ReadBool();
      cnf.CalcHistory = in.ReadCountedString();
      cnf.ShowFindBar = false;
      cnf.FindHistory.clear();
      break;
    case kVersion27:
      // Only the calculation bar could be hidden in this form.
      cnf.ShowToolBar = true;
      cnf.ShowFindBar = false;
      cnf.ShowStatusBar = true;
      cnf.FindHistory.clear();
      cnf.ShowCalcBar = in.ReadBool();
      cnf.CalcHistory = in.ReadCountedString();
      break;
    default:
      cnf.ShowToolBar = true;
      cnf.ShowCalcBar = true;
      cnf.ShowFindBar = false;
      cnf.ShowStatusBar = true;
      cnf.CalcHistory.clear();
      cnf.FindHistory.clear();
      break;
  }
}

}  // namespace

bool TTabuloCnf::Load(const std::filesystem::path& path) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const FileError&) {
    return false;
  }
  return LoadFromBytes(bytes);
}

bool TTabuloCnf::LoadFromBytes(std::string_view bytes) {
  ByteReader in(bytes);
  try {
    ReadFields(in, *this);
  } catch (const StreamReadError&) {
    return false;
  }
  // Bytes after the last field are ignored, as a later form might add some.
  return true;
}

std::string TTabuloCnf::SaveToBytes() const {
  ByteWriter out;
  out.WriteI32(kCurrentVersion);
  out.WriteU8(WindowState);
  out.WriteI32(WindowBounds.Left);
  out.WriteI32(WindowBounds.Top);
  out.WriteI32(WindowBounds.Right);
  out.WriteI32(WindowBounds.Bottom);
  out.WriteI32(RowHeight);
  out.WriteCountedString(FontName);
  out.WriteU8(FontCharset);
  out.WriteI32(FontSize);
  out.WriteU8(FontStyle);
  out.WriteBool(AskOnClose);
  out.WriteBool(AskTitleRow);
  out.WriteBool(NewWindow);
  out.WriteBool(KeepWindowPos);
  out.WriteBool(ShowToolBar);
  out.WriteBool(ShowCalcBar);
  out.WriteBool(ShowFindBar);
  out.WriteBool(ShowStatusBar);
  WriteSaveOptions(out, SaveOptions);
  out.WriteCountedString(CalcHistory);
  out.WriteCountedString(FindHistory);
  return out.TakeBytes();
}

void TTabuloCnf::Save(const std::filesystem::path& path) const {
  const std::string bytes = SaveToBytes();
  CreateFolderOf(path);
  WriteWholeFile(path, bytes);
}

}  // namespace tabulo
