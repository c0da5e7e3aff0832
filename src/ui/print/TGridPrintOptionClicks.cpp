// The buttons of the column attribute dialog. Each acts on every selected
// line and then repaints the list.

#include "core/base/Messages.h"
#include "core/locale/TextConverter.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/HelpContexts.h"
#include "ui/print/ColumnWidthText.h"
#include "ui/print/TGridPrintOption.h"

namespace tabulo::ui {
namespace {

std::string Text(MessageId id) { return std::string(MessageText(id)); }

}  // namespace

void TGridPrintOption::btnPrintClick() {
  ChangeSelected([](TGPItem& item) { item.Printed = 1; });
}

void TGridPrintOption::btnNoPrintClick() {
  ChangeSelected([](TGPItem& item) { item.Printed = 0; });
}

void TGridPrintOption::btnTitleClick() {
  if (!AnySelected()) return;
  RunCommand(m_services.prompter, [this] {
    const auto answer = m_services.inputBox.Ask(Text(MessageId::TitleChangeTitle),
                                                Text(MessageId::TitleChangePrompt), "");
    if (!answer) return;
    // Throws ConvertError for a character that the document's encoding
    // cannot hold, before any record has changed.
    const std::string title = TextConverter(m_encoding).FromUtf8(*answer);
    ChangeSelected([&title](TGPItem& item) { item.Title = title; });
  });
}

void TGridPrintOption::btnStrClick() { SetDataType(ColumnType::String); }
void TGridPrintOption::btnIntClick() { SetDataType(ColumnType::Integer); }
void TGridPrintOption::btnFloatClick() { SetDataType(ColumnType::Numeric); }
void TGridPrintOption::btnCurrClick() { SetDataType(ColumnType::Currency); }
void TGridPrintOption::btnDateClick() { SetDataType(ColumnType::Date); }
void TGridPrintOption::btnTimeClick() { SetDataType(ColumnType::Time); }

void TGridPrintOption::btnWidthClick() {
  if (!AnySelected()) return;
  const bool print = m_mode == AttributeDialogMode::Print;
  RunCommand(m_services.prompter, [this, print] {
    const auto answer =
        m_services.inputBox.Ask(Text(print ? MessageId::PrintWidthTitle : MessageId::DisplayWidthTitle),
                                Text(print ? MessageId::PrintWidthPrompt : MessageId::DisplayWidthPrompt), "");
    if (!answer) return;
    const auto width = ParseWidth(*answer, m_mode);
    if (!width) {
      m_services.prompter.Ask(MessageId::NotANumber, {*answer});
      return;
    }
    ChangeSelected([print, value = *width](TGPItem& item) { (print ? item.PrintWidth : item.DisplayWidth) = value; });
  });
}

void TGridPrintOption::btnLeftClick() { SetAlignment(HorizontalAlignment::Left); }
void TGridPrintOption::btnCenterClick() { SetAlignment(HorizontalAlignment::Center); }
void TGridPrintOption::btnRightClick() { SetAlignment(HorizontalAlignment::Right); }
void TGridPrintOption::btnTopClick() { SetAlignment(VerticalAlignment::Top); }
void TGridPrintOption::btnVCenterClick() { SetAlignment(VerticalAlignment::Center); }
void TGridPrintOption::btnBottomClick() { SetAlignment(VerticalAlignment::Bottom); }

void TGridPrintOption::btnDontCareClick() { SetImeMode(3); }
void TGridPrintOption::btnOnClick() { SetImeMode(2); }
void TGridPrintOption::btnOffClick() { SetImeMode(1); }
void TGridPrintOption::btnHiraClick() { SetImeMode(6); }
void TGridPrintOption::btnSKataClick() { SetImeMode(7); }
void TGridPrintOption::btnKataClick() { SetImeMode(8); }
void TGridPrintOption::btnSAlphaClick() { SetImeMode(4); }
void TGridPrintOption::btnAlphaClick() { SetImeMode(5); }

void TGridPrintOption::BtnUpClick() { MoveSelected(&MoveSelectedUp); }

void TGridPrintOption::BtnDownClick() { MoveSelected(&MoveSelectedDown); }

void TGridPrintOption::BtnCloseClick() { accept(); }

void TGridPrintOption::FormHelpKey() { m_services.help.ShowContext(help::kHelpColumnAttributes); }

}  // namespace tabulo::ui
