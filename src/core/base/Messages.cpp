#include "core/base/Messages.h"

#include <vector>

namespace tabulo {
namespace {

// The boxes of the table. A question beeps with the question sound; a note
// that something failed beeps with the exclamation, a failure of a command
// with the hand.
constexpr BoxLook kErrorBox{Sound::Hand, BoxStyle::Error, Buttons::Ok};
constexpr BoxLook kErrorNote{Sound::Exclamation, BoxStyle::Error, Buttons::Ok};
constexpr BoxLook kErrorYesNo{Sound::Exclamation, BoxStyle::Error, Buttons::YesNo};
constexpr BoxLook kWarning{Sound::Exclamation, BoxStyle::Warning, Buttons::Ok};
constexpr BoxLook kYesNo{Sound::Question, BoxStyle::Confirmation, Buttons::YesNo};
constexpr BoxLook kYesNoCancel{Sound::Question, BoxStyle::Confirmation, Buttons::YesNoCancel};
constexpr BoxLook kOkCancel{Sound::Question, BoxStyle::Confirmation, Buttons::OkCancel};
constexpr BoxLook kInformationYesNo{Sound::Question, BoxStyle::Information, Buttons::YesNo};
constexpr BoxLook kWarningYesNo{Sound::Exclamation, BoxStyle::Warning, Buttons::YesNo};
constexpr BoxLook kWarningNoYes{Sound::Exclamation, BoxStyle::Warning, Buttons::YesNoDefaultNo};
constexpr BoxLook kInformation{Sound::Information, BoxStyle::Information, Buttons::Ok};

struct Entry {
  std::string_view text;
  BoxLook look = kErrorBox;
};

Entry EntryOf(MessageId id) {
  switch (id) {
    case MessageId::Abort: return {"Abort による中断"};
    case MessageId::StreamReadFailed: return {"ストリームの読み込みエラー"};
    case MessageId::SplitAtBlanksQuestion:
      return {"読み込んだファイルには、区切り(カンマ，タブ)が含まれていません。\n\n"
              "半角スペースを区切りとしてフィールドを分割しますか？", kInformationYesNo};
    case MessageId::DeleteRowsQuestion: return {"選択中の行を削除します。よろしいですか？", kYesNo};
    case MessageId::DeleteColumnsQuestion: return {"選択中の列を削除します。よろしいですか？", kYesNo};
    case MessageId::UseFirstLineAsTitlesQuestion: return {"１行目をタイトル行として使用しますか？", kYesNo};
    case MessageId::FileOpenFailed: return {"ファイル {1} を開けません。\n{2}"};
    case MessageId::FileReadFailed: return {"ファイル {1} の読み込みに失敗しました。\n{2}"};
    case MessageId::FileCreateFailed: return {"ファイル {1} を作成できません。\n{2}"};
    case MessageId::FileWriteFailed: return {"ファイル {1} の書き込みに失敗しました。\n{2}"};
    case MessageId::TargetIsSideFileName:
      return {"ファイル {1} には保存できません。\n拡張子 .cfg と .ctl は列の属性ファイルの名前に使われるため、別の名前を指定して下さい。"};
    case MessageId::TooManyColumns:
      return {"列の数が上限の {1} 列を超えるため、このファイルは読み込めません。"};
    case MessageId::LineTooLong: return {"1 行が長すぎるため、このファイルは読み込めません。"};
    case MessageId::TooManyRows: return {"行の数が上限の {1} 行を超えるため、このファイルは読み込めません。"};
    case MessageId::TextNotShiftJis: return {"Shift-JIS に変換できない文字があります： {1}", kWarning};
    case MessageId::TextNotUtf8: return {"UTF-8 に変換できない文字があります。", kWarning};
    case MessageId::EncodingLossQuestion:
      return {"{1} 個のセルに {2} で表せない文字があります。\n{3}\n\n"
              "これらの文字を「?」に置き換えて保存しますか？", kWarningNoYes};
    case MessageId::PrintFormatLoadFailed: return {"書式の読込に失敗しました。"};
    case MessageId::SettingsReadFailed: return {"レジストリの読込に失敗しました。", kWarning};
    case MessageId::SettingsWriteFailed: return {"レジストリへの記録に失敗しました。", kErrorNote};
    case MessageId::SettingsFolderUnknown:
      return {"設定ファイルを置くフォルダが分かりません。環境変数 HOME を設定してください。"};
    case MessageId::SaveBeforeExitQuestion: return {"Tabulo を終了する前に\n編集中のデータを保存しますか？。\n", kYesNoCancel};
    case MessageId::SaveBeforeOpenQuestion: return {"編集中のデータを保存しますか？", kYesNoCancel};
    case MessageId::AppendFailed: return {"下記ファイルの読込に失敗しました。 \n\n   エラーファイル名：{1}", kErrorNote};
    case MessageId::AppendFailedContinueQuestion:
      return {"下記ファイルの読込に失敗しました。 \n\n   エラーファイル名：{1}\n\n読込を続行しますか？", kErrorYesNo};
    case MessageId::JumpFailed: return {"移動できません。", kErrorNote};
    case MessageId::NotAnInteger: return {"{1} は有効な整数ではありません。", kErrorNote};
    case MessageId::JumpTitle: return {"指定行へのジャンプ"};
    case MessageId::JumpPrompt: return {"移動先の行番号を指定して下さい。"};
    case MessageId::RowHeightTitle: return {"行高の設定"};
    case MessageId::RowHeightPrompt: return {"新しい高さを入力して下さい。"};
    case MessageId::NotANumber: return {"{1} は数値ではありません。"};
    case MessageId::TitleChangeTitle: return {"タイトルの変更"};
    case MessageId::TitleChangePrompt: return {"新しいタイトルを入力して下さい。"};
    case MessageId::PrintWidthTitle: return {"印刷幅の変更"};
    case MessageId::PrintWidthPrompt: return {"新しい印刷幅を 0.1(mm)単位で入力して下さい。"};
    case MessageId::DisplayWidthTitle: return {"表示幅の変更"};
    case MessageId::DisplayWidthPrompt: return {"新しい表示幅を Pixcel単位で入力して下さい。"};
    case MessageId::PasteExceedsRowsAndColumns:
      return {"クリップボードのデータは、現在の行数と列数を超えています。\n\n行数と列数を拡張して、データを貼り付けますか？", kYesNoCancel};
    case MessageId::PasteExceedsRows:
      return {"クリップボードのデータは、現在の行数を超えています。\n\n行数を拡張して、データを貼り付けますか？", kYesNoCancel};
    case MessageId::PasteExceedsColumns:
      return {"クリップボードのデータは、現在の列数を超えています。\n\n列数を拡張して、データを貼り付けますか？", kYesNoCancel};
    case MessageId::PasteConfirmUpdate: return {"選択されている範囲のデータを更新してよろしいですか？", kOkCancel};
    case MessageId::CliUsage:
      return {"使い方: tabulo-cli VERB [オプション] FILE...\n"
              "  convert IN -o OUT   ファイルを開いて別の形式で保存します。\n"
              "  show IN             開いた内容を JSON で表示します。\n"
              "  calc IN -o OUT      各行について式を計算して保存します。\n"
              "  aggregate IN -o OUT 列を横または縦に集計して保存します。\n"
              "  eval FORMULA [IN]   計算式を計算して結果を表示します。\n"
              "  transform IN -o OUT 列の文字・数値・日付を整形して保存します。\n"
              "  replace IN -o OUT   列の値を置換して保存します。\n"
              "  filter IN -o OUT    条件を満たす行を絞り込んで保存します。\n"
              "  sort IN -o OUT      行を整列して保存します。\n"
              "  dedupe IN -o OUT    重複する行を削除するか、抜き出して保存します。\n"
              "  merge IN OTHER -o OUT 他のファイルのデータを併合して保存します。\n"
              "  fixed IN -o OUT     固定長ファイルを表に変換して保存します。\n"
              "各 VERB の詳細は tabulo-cli VERB --help で表示します。"};
    case MessageId::CliUnknownVerb: return {"不明なコマンドです： {1}"};
    case MessageId::CliUnknownOption: return {"不明なオプションです： {1}"};
    case MessageId::CliMissingValue: return {"オプション {1} に値がありません。"};
    case MessageId::CliBadValue: return {"オプション {1} の値 {2} は使えません。使える値： {3}"};
    case MessageId::CliWrongFileCount: return {"ファイルを {1} 個指定して下さい。"};
    case MessageId::CliMissingOutput: return {"出力先を -o で指定して下さい。"};
    case MessageId::CliConvertHelp:
      return {"使い方: tabulo-cli convert IN -o OUT [オプション]\n"
              "IN を開いて (属性ファイル .cfg / .ctl があれば使います) OUT に保存します。\n"
              "OUT に - を指定すると、テキストを標準出力に書きます (属性ファイルは作りません)。\n"
              "OUT は IN と同じでも構いません。\n"
              "  --format comma|tab|k3|quoted|plain   保存形式 (既定: comma)\n"
              "  --attributes yes|no                 列の属性を .cfg に保存する (既定: yes)\n"
              "  --title yes|no                      タイトル行を付ける (既定: no)\n"
              "  --row-numbers yes|no                行番号を付ける (既定: no)\n"
              "  --encoding-out sjis|utf8|utf8-bom   OUT の文字コード (既定: IN と同じ。表せない文字があれば保存しません)\n"
              "  --split-blanks yes|no               区切りが無い時、半角スペースで分割する (既定: yes)\n"
              "  --encoding auto|sjis|utf8           IN の文字コード (既定: auto = UTF-8 の印か UTF-8 の文字があれば UTF-8、他は Shift-JIS)\n"
              "  --first-line-titles yes|no          属性ファイルが無い時、１行目をタイトル行にする (既定: no)"};
    case MessageId::CliEncodingLoss:
      return {"{1} 個のセルに {2} で表せない文字があるため、保存しませんでした: {3}"};
    case MessageId::CliShowHelp:
      return {"使い方: tabulo-cli show IN [オプション]\n"
              "IN を開いて、区切り・列の属性・全ての行を JSON (UTF-8) で標準出力に書きます。\n"
              "  --split-blanks yes|no               区切りが無い時、半角スペースで分割する (既定: yes)\n"
              "  --encoding auto|sjis|utf8           IN の文字コード (既定: auto = UTF-8 の印か UTF-8 の文字があれば UTF-8、他は Shift-JIS)\n"
              "  --first-line-titles yes|no          属性ファイルが無い時、１行目をタイトル行にする (既定: no)"};
    case MessageId::DateNotValid: return {"{1} は正しい日付ではありません。"};
    case MessageId::DateHasNoEra: return {"{1} は和暦で表せない日付です。"};
    case MessageId::CalcFailed: return {"計算に失敗したデータがあります。\n\n　　エラーデータ数： {1}\n", kWarning};
    case MessageId::ConvertFailed: return {"変換に失敗したデータがあります。\n\n    エラーデータ数 ： {1}\n", kWarning};
    case MessageId::DecimalsTitle: return {"少数桁の設定"};
    case MessageId::DecimalsPrompt: return {"新しい小数部の桁数を入力して下さい。"};
    case MessageId::DecimalsNotValid:
      return {"{1} は有効な整数ではありません。\n 0～18 の範囲で指定して下さい。", kErrorNote};
    case MessageId::AggregateFailed: return {"集計に失敗したデータがあります。\n\n　　エラーデータ数： {1}\n", kWarning};
    case MessageId::NoColumnsChosen: return {"集計する項目が指定されていません。", kWarning};
    case MessageId::CliBadRows: return {"行の範囲 {1} は使えません。all か 開始-終了 (例: 2-10) で指定して下さい。"};
    case MessageId::CliAggregateHelp:
      return {"使い方: tabulo-cli aggregate IN -o OUT 横集計 | 縦集計 [オプション]\n"
              "横集計: --across 列,列,... --stat Sum|Mean|Max|Min|Variance|StdDev --mode string|numeric|date|time\n"
              "        (--target 列 | --new-column) [--rows all|開始-終了]\n"
              "  各行の指定した列を集計して、結果の列に書きます。\n"
              "縦集計: --down 列,列,... --stats 名前,名前,... --mode numeric|date|time --label 列\n"
              "  指定した列を縦に集計して、集計行を追加します。\n"
              "列は列名か 1 から始まる列番号、行は 1 から始まる行番号です。\n"
              "数字と同じ列名があれば、数字はその列名の列を指します (列名 2020 の列は --target 2020)。\n"
              "保存のオプションは convert と同じです。集計に失敗したデータの数は標準エラーに書きます。"};
    case MessageId::CalcOverflow: return {"計算結果が大きすぎます (オーバーフロー)。"};
    case MessageId::CalcInvalidOperation: return {"計算できない値です (無効な演算)。"};
    case MessageId::CalcZeroDivide: return {"関数の中で 0 による除算が発生しました。"};
    case MessageId::CliEvalHelp:
      return {"使い方: tabulo-cli eval FORMULA [IN --col C --row R] [オプション]\n"
              "計算式 FORMULA を計算して、結果を標準出力に書きます。\n"
              "IN を指定すると、その表の C 列 R 行のセルについて計算します (列名と [行番] は IN のもの)。\n"
              "IN が無い時は、新規作成した空の表の 1 列 1 行のセルについて計算します。\n"
              "計算に失敗したセルは Error と書いて 1 で終了します。\n"
              "- で始まる式は -- の後に書いて下さい (tabulo-cli eval -- -3*2)。\n"
              "  --col C                             列名、または列番号 (1 = 最初の列、0 = 行番号の列)。\n"
              "                                      C と同じ列名があれば、その列名の列 (既定: 1)\n"
              "  --row R                             行番号 (1 = 最初のデータ行、0 = タイトル行) (既定: 1)\n"
              "  --split-blanks yes|no               区切りが無い時、半角スペースで分割する (既定: yes)\n"
              "  --encoding auto|sjis|utf8           IN の文字コード (既定: auto = UTF-8 の印か UTF-8 の文字があれば UTF-8、他は Shift-JIS)\n"
              "  --first-line-titles yes|no          属性ファイルが無い時、１行目をタイトル行にする (既定: no)"};
    case MessageId::CliEvalArguments: return {"計算式と、必要なら入力ファイルを 1 個指定して下さい。"};
    case MessageId::CliFormulaRejected: return {"計算式を解釈できません： {1}"};
    case MessageId::CliColumnNotFound: return {"列 {1} が見つかりません。"};
    case MessageId::CliCellOutsideGrid: return {"セル ({1}, {2}) は表の範囲外です。"};
    case MessageId::CliCalcHelp:
      return {"使い方: tabulo-cli calc IN -o OUT --formula 式 (--target 列 | --new-column) [--rows all|開始-終了]\n"
              "各行について式を計算して、結果の列に書きます (--new-column では列「計算結果」を追加します)。\n"
              "列は列名か 1 から始まる列番号、行は 1 から始まる行番号です。\n"
              "数字と同じ列名があれば、数字はその列名の列を指します (列名 2020 の列は --target 2020)。\n"
              "計算に失敗したセルには Error と書き、その数を標準エラーに書きます。保存のオプションは convert と同じです。"};
    case MessageId::CalcConfirm:
      return {"選択されている範囲のデータを\n\n　式：{1}\n\nの計算結果で置き換えます。\n\n　　よろしいですか？", kYesNo};
    case MessageId::ClearCalcHistoryQuestion: return {"計算式の履歴を全て消去します。\n\n　　よろしいですか？", kYesNo};
    case MessageId::CalcLineHint:
      return {"計算させたい式を入力して下さい。\n\n  列名リスト ---- F11\n  関数リスト ---- Shift + F11\n"
              "  計算の履歴 ---- Ctrl + F11\n  計算実行 ------ F12"};
    case MessageId::CommandFailed: return {"{1}"};
    case MessageId::OutOfMemory: return {"メモリが不足しています。"};
    case MessageId::CalcTestFailed: return {"計算エラー"};
    case MessageId::CliTransformHelp:
      return {"使い方: tabulo-cli transform IN -o OUT --op 操作 [--columns 列,列,...] [--rows all|開始-終了]\n"
              "選択した列のセルを、字種変換・文字整形・数値整形・日付整形のメニューと同じように書き換えて保存します。\n"
              "  字種変換: upper, lower, katakana, hiragana, fullwidth, halfwidth\n"
              "  文字整形: trim, trim-left, trim-right, plain-number\n"
              "  数値整形: round, ceil, floor, truncate, group, ungroup, currency, uncurrency,\n"
              "            decimals:N (少数桁揃え、N は 0～18)\n"
              "  日付整形: wareki, wareki-era, meiji, taisho, showa, heisei, year2, year4-1900, year4-2000,\n"
              "            weekday, weekday-long\n"
              "列は列名か 1 から始まる列番号 (既定: 全ての列)、行は 1 から始まる行番号 (既定: all) です。\n"
              "列は左から順に、各列を上から下へ処理します。\n"
              "変換に失敗したデータの数は標準エラーに書きます。保存のオプションは convert と同じです。"};
    case MessageId::CliReplaceHelp:
      return {"使い方: tabulo-cli replace IN -o OUT --method fixed|search|concat|number|row|rank\n"
              "         [--upper 文字列 | --upper-column 列] [--lower 文字列 | --lower-column 列]\n"
              "         [--columns 列,列,...] [--rows all|開始-終了]\n"
              "選択した列のセルを、置換の画面と同じように書き換えて保存します。\n"
              "  fixed   置換: セルを --lower の値にします。\n"
              "  search  検索置換: セルの中の --upper の値 (必須) を全て --lower の値に置き換えます。\n"
              "  concat  データ連結: --upper の値・セル・--lower の値をつなげます (どちらかが必須)。\n"
              "  number  連番(1～): 1, 2, 3 … と書きます。--upper-column の列の値が変わると 1 に戻ります。\n"
              "  row     行番号: 行番号を書きます。\n"
              "  rank    順位: --lower-column (必須) の列の値による順位を書きます。\n"
              "          --upper-column の列の値が変わると 1 に戻ります。\n"
              "--upper / --lower は入力した文字列、--upper-column / --lower-column は画面の一覧から選んだ列で、\n"
              "各行のその列の値を表します (同じ側の二つは同時に指定できません)。列 0 (行番号の列) も選べます。\n"
              "連番と順位では列 0 でグループ分け・比較をし、それ以外では列 0 のタイトルの文字列になります。\n"
              "列は列名か 1 から始まる列番号 (既定: 全ての列)、行は 1 から始まる行番号 (既定: all) です。\n"
              "列は左から順に、各列を上から下へ処理し、連番と順位は列ごとに 1 から数えます。\n"
              "保存のオプションは convert と同じです。"};
    case MessageId::CliConflictingOptions: return {"オプション {1} と {2} は同時に指定できません。"};
    case MessageId::CliReplaceNeeds: return {"置換方法 {1} には {2} を指定して下さい。"};
    case MessageId::FilterAllColumnsOperator:
      return {"全項目を対象とした場合は、\n「含む」，「含まない」以外は指定できません。", kErrorNote};
    case MessageId::FilterDubiousConditionQuestion:
      return {"有効ではない選択条件が設定されているため\n正確に選択が行われない可能性があります。\n\n　　かまわずに実行しますか？",
              kWarningYesNo};
    case MessageId::FilterNoMatch: return {"条件を満たす行は見つかりませんでした。", kWarning};
    case MessageId::FilterRowsExtracted: return {"{1}件のデータを抽出しました。", kInformation};
    case MessageId::NarrowedWriteBackQuestion: return {"編集した結果を、元データに反映させますか？", kYesNoCancel};
    case MessageId::CliFilterHelp:
      return {"使い方: tabulo-cli filter IN -o OUT --where1 列|all [--as1 string|number|date|time]\n"
              "         [--op1 contains|excludes|eq|lt|gt] --text1 検索データ [… 2, 3] [--or]\n"
              "         [--ignore-kana yes|no] [--ignore-width yes|no] [--ignore-case yes|no]\n"
              "絞り込み検索の画面と同じように、条件を満たす行を選んで OUT に保存します (ファイルへ出力)。\n"
              "条件は 3 つまで (1～3)。検索データの無い条件は使いません。--or が無ければ全ての条件を満たす行 (AND)、\n"
              "あれば どれかを満たす行 (OR) を選びます。\n"
              "  --whereN 列|all                   対象項目: 列名か 1 から始まる列番号、all は全ての項目 (既定: all)\n"
              "  --asN string|number|date|time     扱い: 文字・数値・日付・時刻 (既定: 列のデータ型から)\n"
              "  --opN contains|excludes|eq|lt|gt  選択条件: 含む・含まない・＝・＜・＞ (既定: contains)\n"
              "  --textN 検索データ\n"
              "  --ignore-kana yes|no              カタカナとひらがなを区別しない (既定: no)\n"
              "  --ignore-width yes|no             半角と全角を区別しない (既定: no)\n"
              "  --ignore-case yes|no              大文字と小文字を区別しない (既定: yes)\n"
              "全ての項目には contains と excludes だけが使えます (2 で終了)。有効ではない条件は警告を標準エラーに書いて実行します。\n"
              "条件を満たす行が無い時は何も書かずに 1 で終了します。\n"
              "保存のオプションは convert と同じです。--attributes yes では列の属性を .ctl に保存し、\n"
              "タイトル行と行番号は付けません。"};
    case MessageId::CliFilterNeedsText: return {"--text1, --text2, --text3 のどれかに検索データを指定して下さい。"};
    case MessageId::CliSortHelp:
      return {"使い方: tabulo-cli sort IN -o OUT --key 列[:種類][:asc|desc] [--key ...]\n"
              "行を整列の画面と同じように並べ替え、行番号を振り直して保存します。集計行も他の行と同じように並びます。\n"
              "--key は優先する順に指定します (整列の画面と同じく、使われるのは初めの 10 個までです)。\n"
              "  種類: text       文字(a=A)  大文字と小文字を区別しない文字の順\n"
              "        text-case  文字(a<A)  大文字と小文字を区別する文字の順 (小文字が先)\n"
              "        bytes      文字(a>A)  文字コードの順 (大文字が先)\n"
              "        number     数値\n"
              "        date       日付\n"
              "        time       時間\n"
              "種類の既定は列のデータ型によります (文字列は text、整数・数値・通貨は number、日付型は date、\n"
              "時間型は time)。方向の既定は asc (昇順) で、desc は降順です。数値・日付・時間として読めない\n"
              "セルは、昇順では先頭に、降順では末尾に並びます。\n"
              "末尾の \":語\" は上の種類や方向の語のときだけそう読むので、\":\" を含む列名もそのまま使えます。\n"
              "列は列名か 1 から始まる列番号です。保存のオプションは convert と同じです。"};
    case MessageId::DuplicatesNotFound: return {"重複する行は見つかりませんでした。", kWarning};
    case MessageId::DuplicatesDeleteQuestion:
      return {"{1} 件のデータが削除対象として見つかりました。\n\n削除してよろしいですか？\n", kYesNo};
    case MessageId::CliDedupeHelp:
      return {"使い方: tabulo-cli dedupe IN -o OUT --columns 列,列,... --mode delete|show\n"
              "         [--ignore-kana yes|no] [--ignore-width yes|no] [--ignore-case yes|no]\n"
              "重複行抽出の画面と同じように、選んだ列の値が同じ行を探します。\n"
              "  delete  後方の行を削除する: 各グループの一番上の行を残して、後の行を削除して保存します。\n"
              "          削除した件数を標準エラーに書きます。\n"
              "  show    抽出して表示する: 重複する全ての行を、グループごとに行番号の順に並べて保存します。\n"
              "  --ignore-kana yes|no   カタカナとひらがなを区別しない (既定: no)\n"
              "  --ignore-width yes|no  半角と全角を区別しない (既定: no)\n"
              "  --ignore-case yes|no   大文字と小文字を区別しない (既定: no)\n"
              "重複する行が無い時は何も書かずに 1 で終了します。\n"
              "列は列名か 1 から始まる列番号です。保存のオプションは convert と同じです。"};
    case MessageId::MergeNoMatch: return {"条件に一致する行が見つかりませんでした。", kWarning};
    case MessageId::MergeRowsChanged:
      return {"{1} 行のデータを変換しました。", {Sound::Information, BoxStyle::Confirmation, Buttons::Ok}};
    case MessageId::CliMergeHelp:
      return {"使い方: tabulo-cli merge IN OTHER -o OUT --key 列=項目[,列=項目…]\n"
              "         [--replace 列=項目,…] [--append 列=項目,…]\n"
              "         [--ignore-kana yes|no] [--ignore-width yes|no] [--ignore-case yes|no]\n"
              "併合の画面と同じように、他のファイル OTHER のデータを IN に取り込んで保存します。\n"
              "比較する列 (--key) の値が OTHER の行の項目の値と同じ行に、その行の項目を書きます。\n"
              "  --key      比較: 比較する列と項目の組 (1 つ以上)。複数の組は列の順に区切りなしでつなげて比較します。\n"
              "  --replace  置換: 列の値を項目の値で置き換えます。\n"
              "  --append   連結: 列の値の後ろに項目の値をつなげます。\n"
              "列は列名か 1 から始まる列番号 (0 は行番号の列で、比較にだけ使えます)、\n"
              "項目は OTHER の項目の番号で、併合の画面の一覧と同じく 0 から数えます。\n"
              "タイトル行も比較します。OTHER に同じ値の行が複数ある時は、最初の行のデータを使います。\n"
              "  --ignore-kana yes|no   カタカナとひらがなを区別しない (既定: no)\n"
              "  --ignore-width yes|no  半角と全角を区別しない (既定: no)\n"
              "  --ignore-case yes|no   大文字と小文字を区別しない (既定: yes)\n"
              "変換した行の数を標準エラーに書きます。一致する行が無い時は何も書かずに 1 で終了します。\n"
              "保存のオプションは convert と同じです。"};
    case MessageId::CliMergeNeedsColumns: return {"--key と、--replace か --append のどちらかを指定して下さい。"};
    case MessageId::CliMergeBadPair: return {"{1} は 列=項目 の形で指定して下さい (項目は 0 から始まる番号)。"};
    case MessageId::FixedDefinitionBadName: return {"「{1}」は設定名に使えません。", kWarning};
    case MessageId::FixedConvertFailed: return {"変換に失敗しました。", kErrorNote};
    case MessageId::CliFixedHelp:
      return {"使い方: tabulo-cli fixed IN -o OUT (--lengths N,N,... [--types 型,型,...] [--titles 名前,名前,...]\n"
              "         | --definition 設定名) [--trim yes|no] [--strip-zeros yes|no] [--convert-commas yes|no]\n"
              "         [--save-definition 設定名]\n"
              "固定長ファイル IN を、固定長ﾌｨｰﾙﾄﾞデータの読込の画面の OK と同じように表に変換して保存します。\n"
              "  --lengths          各項目のバイト数 (左から順に)\n"
              "  --types            各項目のデータ型: string, integer, numeric, date, time, currency (既定: string)\n"
              "  --titles           各項目の列名 (既定: 列   1, 列   2, ...)\n"
              "  --definition       保存してある固定長ファイル設定を使います (--lengths とは同時に指定できません)。\n"
              "  --trim             前後の空白を除去 (既定: no)\n"
              "  --strip-zeros      数値のゼロスペース除去: 整数・数値・通貨の項目の先頭の 0 を除きます (既定: no)\n"
              "  --convert-commas   カンマを変換 (，→、) (既定: no)\n"
              "  --save-definition  使った設定をこの名前で保存します。\n"
              "--definition の指定があるとき、--trim などを指定すればその値を使います。\n"
              "設定は設定フォルダの FixedCnf に 設定名.fcf として保存されます。保存のオプションは convert と同じです。"};
    case MessageId::PrintAreaLabel: return {"印刷ｴﾘｱ : {1}(mm) × {2}(mm)"};
    case MessageId::PrintColumnsOverflow: return {"列がはみ出しています。"};
    case MessageId::PrintNoRowFits: return {"行間が大きすぎて、１ページに１行も印刷できません。"};
    case MessageId::NoPrinterWarning:
      return {"プリンタがインストールされてない環境では、\n印刷機能及び印刷プレビューの機能は使用できません。", kWarning};
    case MessageId::PrintFormatLoadQuestion:
      return {"印刷書式を読み込もうとしています。\n\n"
              "書式を読み込むと、データタイプや表示幅，IMEモード\n"
              "などの全ての列属性が上書きされてしまいます。\n\n"
              "　編集画面上での列の順番が、書式を保存した時と違う場合には\n"
              "絶対に実行しないで下さい。\n\n"
              "　　続行しますか？", kWarningYesNo};
    case MessageId::PdfPrinterName: return {"PDF ファイル"};
    case MessageId::PdfFileTitle: return {"PDF ファイルに印刷"};
    case MessageId::PrintJobFailed: return {"{1} ページ目を印刷できませんでした。"};
    case MessageId::CliPrintHelp:
      return {"使い方: tabulo-cli print IN -o OUT.pdf [--pages FIRST-LAST] [--format-file FILE.GPC]\n"
              "                         [--split-blanks yes|no] [--first-line-titles yes|no] [--encoding auto|sjis|utf8]\n"
              "IN を一覧表印刷と同じように頁に分けて、PDF ファイル OUT.pdf に書き出します。\n"
              "印刷の設定は IN の属性ファイルから (無ければ既定の設定で)、--format-file を指定すれば\n"
              "その印刷書式ファイルから読みます。プリンターは PDF ファイル、用紙と印刷方向は設定のとおりです。\n"
              "  --pages  印刷するページの範囲 (1 から始まる番号、既定: 全ページ)\n"
              "ページ数を標準エラー出力に書きます。"};
    case MessageId::CliPrintPageCount: return {"{1} ページ"};
    case MessageId::CliPrintBadPages: return {"--pages は 最初-最後 の形で、1 から {1} の間を指定して下さい。"};
    case MessageId::CliPrintUnavailable: return {"この tabulo-cli は印刷の機能なしで作られています。"};
  }
  return {};
}

}  // namespace

std::string_view MessageText(MessageId id) { return EntryOf(id).text; }

BoxLook MessageLook(MessageId id) { return EntryOf(id).look; }

std::string FormatMessage(MessageId id, std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> values(args);
  const std::string_view text = MessageText(id);
  std::string out;
  out.reserve(text.size() + 64);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' && text[i + 1] >= '1' &&
        text[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < values.size()) out += values[n];
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace tabulo
