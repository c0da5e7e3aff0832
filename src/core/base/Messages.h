#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tabulo {

// Every text the program shows or prints, in one table (UTF-8). Placeholders
// "{1}", "{2}" … are filled by FormatMessage.
enum class MessageId {
  Abort,
  StreamReadFailed,
  SplitAtBlanksQuestion,
  DeleteRowsQuestion,
  DeleteColumnsQuestion,
  UseFirstLineAsTitlesQuestion,
  FileOpenFailed,
  FileReadFailed,
  FileCreateFailed,
  FileWriteFailed,
  TargetIsSideFileName,
  TooManyColumns,
  LineTooLong,
  TooManyRows,
  TextNotShiftJis,
  PrintFormatLoadFailed,
  SettingsReadFailed,
  SettingsWriteFailed,
  SettingsFolderUnknown,
  SaveBeforeExitQuestion,
  SaveBeforeOpenQuestion,
  AppendFailed,
  AppendContinueQuestion,
  JumpFailed,
  NotAnInteger,
  JumpTitle,
  JumpPrompt,
  RowHeightTitle,
  RowHeightPrompt,
  NotANumber,
  TitleChangeTitle,
  TitleChangePrompt,
  PrintWidthTitle,
  PrintWidthPrompt,
  DisplayWidthTitle,
  DisplayWidthPrompt,
  PasteExceedsRowsAndColumns,
  PasteExceedsRows,
  PasteExceedsColumns,
  PasteConfirmUpdate,
  CliUsage,
  CliUnknownVerb,
  CliUnknownOption,
  CliMissingValue,
  CliBadValue,
  CliWrongFileCount,
  CliMissingOutput,
  CliConvertHelp,
  CliShowHelp,
  DateNotValid,
  DateHasNoEra,
  CalcFailed,
  AggregateFailed,
  NoColumnsChosen,
  CliBadRows,
  CliAggregateHelp,
  CalcOverflow,
  CalcInvalidOperation,
  CalcZeroDivide,
  CliEvalHelp,
  CliEvalArguments,
  CliFormulaRejected,
  CliColumnNotFound,
  CliCellOutsideGrid,
  CliCalcHelp,
  CalcConfirm,
  ClearCalcHistoryQuestion,
  CalcLineHint,
};

std::string_view MessageText(MessageId id);

// The message's text with "{n}" replaced by the n-th argument (1-based).
std::string FormatMessage(MessageId id, std::initializer_list<std::string_view> args);

}  // namespace tabulo
