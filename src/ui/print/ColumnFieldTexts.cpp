#include "ui/print/ColumnFieldTexts.h"

#include "core/locale/Encoding.h"
#include "ui/print/ColumnWidthText.h"

namespace tabulo::ui {
namespace {

const char* DataTypeName(std::uint8_t dataType) {
  switch (dataType) {
    case 1: return "整数";
    case 2: return "数値";
    case 3: return "日付型";
    case 4: return "時間型";
    case 5: return "通貨";
    default: return "文字列";
  }
}

const char* HorizontalName(std::uint16_t drawFlags) {
  if ((drawFlags & draw_flags::kCenter) != 0) return "中央";
  if ((drawFlags & draw_flags::kRight) != 0) return "右寄せ";
  return "左寄せ";
}

const char* VerticalName(std::uint16_t drawFlags) {
  if ((drawFlags & draw_flags::kVCenter) != 0) return "中央";
  if ((drawFlags & draw_flags::kBottom) != 0) return "下寄せ";
  return "上寄せ";
}

const char* ImeModeName(std::uint8_t imeMode) {
  switch (imeMode) {
    case 1: return "IME OFF";
    case 2: return "IME ON";
    case 4: return "(半)ｱﾙﾌｧ";
    case 5: return "(全)ｱﾙﾌｧ";
    case 6: return "ひらがな";
    case 7: return "(半)ｶﾀｶﾅ";
    case 8: return "(全)ｶﾀｶﾅ";
    default: return "無操作";
  }
}

QString FromSjis(Cp932Converter& converter, const std::string& sjis) {
  const std::u16string text = converter.ToUtf16(sjis);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ColumnFieldTexts FieldTextsOf(const ColumnEntry& entry, AttributeDialogMode mode, Cp932Converter& converter) {
  const TGPItem& item = *entry.item;
  ColumnFieldTexts texts;
  texts[FieldName] = FromSjis(converter, item.Title) + QStringLiteral(" : ") + FromSjis(converter, entry.firstRowText);
  texts[FieldType] = QString::fromUtf8(DataTypeName(item.DataType));
  texts[FieldWidth] = QString::fromStdString(WidthText(item, mode));
  texts[FieldHorizontal] = QString::fromUtf8(HorizontalName(item.DrawFlags));
  texts[FieldVertical] = QString::fromUtf8(VerticalName(item.DrawFlags));
  texts[FieldImeMode] = QString::fromUtf8(ImeModeName(item.ImeMode));
  return texts;
}

}  // namespace tabulo::ui
