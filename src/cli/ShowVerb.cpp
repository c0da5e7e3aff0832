#include <ostream>

#include "cli/BatchOpen.h"
#include "cli/JsonText.h"
#include "cli/Verbs.h"
#include "core/locale/TextConverter.h"

namespace tabulo::cli {
namespace {

const char* EncodingName(const FileEncoding& encoding) {
  if (encoding.encoding == TextEncoding::ShiftJis) return "sjis";
  return encoding.byteOrderMark ? "utf8-bom" : "utf8";
}

const char* DelimiterName(Delimiter delimiter) {
  switch (delimiter) {
    case Delimiter::Tab: return "tab";
    case Delimiter::Comma: return "comma";
    case Delimiter::Blank: return "blank";
    case Delimiter::None: break;
  }
  return "none";
}

void AppendField(std::string& out, const char* name, long long value) {
  out += ", \"";
  out += name;
  out += "\": ";
  out += std::to_string(value);
}

void AppendColumn(std::string& out, const TableDocument& grid, int col, TextConverter& converter) {
  const TGPItem& item = grid.Item(col);
  out += "{\"Title\": ";
  AppendJsonString(out, converter.ToUtf8(item.Title));
  AppendField(out, "DataType", item.DataType);
  AppendField(out, "Shown", item.Shown);
  AppendField(out, "ColumnIndex", item.ColumnIndex);
  AppendField(out, "DisplayWidth", item.DisplayWidth);
  AppendField(out, "Printed", item.Printed);
  AppendField(out, "PrintIndex", item.PrintIndex);
  AppendField(out, "PrintWidth", item.PrintWidth);
  AppendField(out, "ImeMode", item.ImeMode);
  AppendField(out, "DrawFlags", item.DrawFlags);
  AppendField(out, "Reserved1", item.Reserved1);
  AppendField(out, "Reserved2", item.Reserved2);
  AppendField(out, "FieldStart", item.FieldStart);
  AppendField(out, "FieldLength", item.FieldLength);
  AppendField(out, "Width", grid.ColWidth(col));
  out += "}";
}

}  // namespace

std::vector<CliOption> ShowOptions() { return OpenOptions(); }

int RunShow(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  Document document;
  const OpenResult opened = OpenInput(document, args.files[0], args, err);
  const TableDocument& grid = document.grid;
  TextConverter converter(grid.Encoding().encoding);
  // The row-number column holds the program's own texts, in code page 932.
  TextConverter labels(TextEncoding::ShiftJis);

  std::string text = "{\"delimiter\": \"";
  text += DelimiterName(opened.load.delimiter);
  text += "\",\n\"encoding\": \"";
  text += EncodingName(grid.Encoding());
  text += "\",\n\"columns\": [";
  for (int c = 0; c < grid.ColCount(); ++c) {
    text += c == 0 ? "\n" : ",\n";
    AppendColumn(text, grid, c, c == 0 ? labels : converter);
  }
  text += "],\n\"rows\": [";
  for (int r = 0; r < grid.RowCount(); ++r) {
    text += r == 0 ? "\n[" : ",\n[";
    for (int c = 0; c < grid.ColCount(); ++c) {
      if (c > 0) text += ", ";
      AppendJsonString(text, (c == 0 ? labels : converter).ToUtf8(grid.Cell(c, r)));
    }
    text += "]";
    if (text.size() > (1 << 20)) {
      out << text;
      text.clear();
    }
  }
  text += "]}\n";
  out << text;
  out.flush();
  return 0;
}

}  // namespace tabulo::cli
