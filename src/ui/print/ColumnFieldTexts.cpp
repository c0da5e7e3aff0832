#include "ui/print/ColumnFieldTexts.h"

#include "core/document/ColumnAttributes.h"
#include "core/locale/TextConverter.h"
#include "ui/print/ColumnWidthText.h"

namespace tabulo::ui {
namespace {

// The list's own short names of the two alignments.
const char* HorizontalName(const TGPItem& item) {
  switch (HorizontalAlignmentOf(item)) {
    case HorizontalAlignment::Center: return "中央";
    case HorizontalAlignment::Right: return "右寄せ";
    case HorizontalAlignment::Left: break;
  }
  return "左寄せ";
}

const char* VerticalName(const TGPItem& item) {
  switch (VerticalAlignmentOf(item)) {
    case VerticalAlignment::Center: return "中央";
    case VerticalAlignment::Bottom: return "下寄せ";
    case VerticalAlignment::Top: break;
  }
  return "上寄せ";
}

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Shown(TextConverter& converter, const std::string& bytes) {
  const std::u16string text = converter.ToUtf16(bytes);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ColumnFieldTexts FieldTextsOf(const ColumnEntry& entry, AttributeDialogMode mode, TextConverter& converter) {
  const TGPItem& item = *entry.item;
  ColumnFieldTexts texts;
  texts[FieldName] = Shown(converter, item.Title) + QStringLiteral(" : ") + Shown(converter, entry.firstRowText);
  texts[FieldType] = FromUtf8(ColumnTypeName(item.Type()));
  texts[FieldWidth] = QString::fromStdString(WidthText(item, mode));
  texts[FieldHorizontal] = QString::fromUtf8(HorizontalName(item));
  texts[FieldVertical] = QString::fromUtf8(VerticalName(item));
  texts[FieldImeMode] = FromUtf8(ImeModeListName(item.ImeMode));
  return texts;
}

}  // namespace tabulo::ui
