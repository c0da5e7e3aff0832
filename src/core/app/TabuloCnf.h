#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/document/SaveOptions.h"

namespace tabulo {

// The main window's rectangle in screen pixels, as stored in the settings file.
struct WindowRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// Bits of TTabuloCnf::FontStyle.
inline constexpr std::uint8_t kFontBold = 0x01;
inline constexpr std::uint8_t kFontItalic = 0x02;
inline constexpr std::uint8_t kFontUnderline = 0x04;
inline constexpr std::uint8_t kFontStrikeOut = 0x08;

// The grid's font until the settings say otherwise: "ＭＳ Ｐゴシック", 9 points,
// the Japanese character set.
inline constexpr std::string_view kDefaultGridFontName = "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";
inline constexpr std::uint8_t kDefaultGridFontCharset = 128;
inline constexpr std::int32_t kDefaultGridFontSize = 9;

// The user settings kept in the binary file "Tabulo.Ctl": read once when the
// main window is created, written when it closes. The fields are plain data;
// the window fills them and applies them. Strings are code page 932 bytes.
class TTabuloCnf {
 public:
  // The version tag of the form Save writes. Older forms (-35, -32, -27 and
  // files without a tag) are still read.
  static constexpr std::int32_t kCurrentVersion = -36;

  // Every field zero or empty, except SaveOptions, which holds its defaults.
  TTabuloCnf() = default;

  // Reads the file at `path`. Returns true only when every field of the
  // file's form was read. Fields are filled in the order they are read, so
  // after a false result the fields before the damage hold the file's values
  // and the rest keep theirs; fields the form does not hold keep theirs too.
  // A missing, unreadable or damaged file gives false and never throws.
  bool Load(const std::filesystem::path& path);
  // The same over the file's bytes.
  bool LoadFromBytes(std::string_view bytes);

  // Writes the current form to `path`, creating its folder when missing. The
  // old file is replaced only once the new one is complete. Throws FileError.
  void Save(const std::filesystem::path& path) const;
  // The bytes Save writes.
  std::string SaveToBytes() const;

  std::uint8_t WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
  WindowRect WindowBounds;
  std::int32_t RowHeight = 0;
  std::string FontName;
  std::uint8_t FontCharset = 0;
  std::int32_t FontSize = 0;
  std::uint8_t FontStyle = 0;  // kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut
  bool AskTitleRow = false;
  bool AskOnClose = false;
  bool NewWindow = false;
  bool KeepWindowPos = false;
  bool ShowToolBar = false;
  bool ShowCalcBar = false;
  bool ShowFindBar = false;
  bool ShowStatusBar = false;
  // Qualified: the member takes the type's own name.
  tabulo::SaveOptions SaveOptions;
  std::string CalcHistory;  // one entry per line, each followed by CR LF
  std::string FindHistory;  // likewise

  friend bool operator==(const TTabuloCnf&, const TTabuloCnf&) = default;
};

}  // namespace tabulo
