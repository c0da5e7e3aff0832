#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tabulo {

// The system sounds that precede every message box (and the plain beep of a
// search without a match).
enum class Sound { Default, Question, Exclamation, Information, Hand };

// The look of a box (its icon and title).
enum class BoxStyle { Confirmation, Information, Warning, Error };

// YesNoDefaultNo: a question whose Yes gives something up; Enter answers No.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };

// How a message is shown in a box: its beep, its style and its buttons.
struct BoxLook {
  Sound sound;
  BoxStyle style;
  Buttons buttons;
  friend bool operator==(const BoxLook&, const BoxLook&) = default;
};

// Every text the program shows or prints, in one table (UTF-8), with the look
// of its box. Placeholders "{1}", "{2}" … are filled by FormatMessage. A text
// that is never asked in a box of its own (an exception's text, help, a
// caption) carries the look of the standard error box, in which a failure's
// text reaches the user.
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
  TextNotUtf8,
  EncodingLossQuestion,
  PrintFormatLoadFailed,
  SettingsReadFailed,
  SettingsWriteFailed,
  SettingsFolderUnknown,
  SaveBeforeExitQuestion,
  SaveBeforeOpenQuestion,
  AppendFailed,
  AppendFailedContinueQuestion,
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
  CliEncodingLoss,
  CliShowHelp,
  DateNotValid,
  DateHasNoEra,
  CalcFailed,
  ConvertFailed,
  DecimalsTitle,
  DecimalsPrompt,
  DecimalsNotValid,
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
  CommandFailed,
  OutOfMemory,
  CalcTestFailed,
  CliTransformHelp,
  CliReplaceHelp,
  CliConflictingOptions,
  CliReplaceNeeds,
  FilterAllColumnsOperator,
  FilterDubiousConditionQuestion,
  FilterNoMatch,
  FilterRowsExtracted,
  NarrowedWriteBackQuestion,
  CliFilterHelp,
  CliFilterNeedsText,
  CliSortHelp,
  DuplicatesNotFound,
  DuplicatesDeleteQuestion,
  CliDedupeHelp,
  MergeNoMatch,
  MergeRowsChanged,
  CliMergeHelp,
  CliMergeNeedsColumns,
  CliMergeBadPair,
  FixedDefinitionBadName,
  FixedConvertFailed,
  CliFixedHelp,
  PrintAreaLabel,
  PrintColumnsOverflow,
  PrintNoRowFits,
  NoPrinterWarning,
  PrintFormatLoadQuestion,
  PdfPrinterName,
  PdfFileTitle,
  PrintJobFailed,
  CliPrintHelp,
  CliPrintPageCount,
  CliPrintBadPages,
  CliPrintUnavailable,
};

std::string_view MessageText(MessageId id);

// The box the message is shown in.
BoxLook MessageLook(MessageId id);

// The message's text with "{n}" replaced by the n-th argument (1-based).
std::string FormatMessage(MessageId id, std::initializer_list<std::string_view> args);

}  // namespace tabulo
