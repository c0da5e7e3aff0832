#pragma once

// The help page of each window, dialog and menu. F1 and the help buttons open
// the page with the number of the place they are in.
namespace tabulo::help {

inline constexpr int kHelpMainWindow = 10004;
inline constexpr int kHelpSaveOptions = 10005;
inline constexpr int kHelpCalcBar = 10007;
inline constexpr int kHelpFindBar = 10009;
inline constexpr int kHelpFilter = 10010;
inline constexpr int kHelpSort = 10008;
inline constexpr int kHelpDuplicates = 10011;
inline constexpr int kHelpReplace = 10012;
inline constexpr int kHelpMerge = 10013;
inline constexpr int kHelpCalcDialog = 10014;
inline constexpr int kHelpColumnAttributes = 10015;
inline constexpr int kHelpFixedImport = 10016;
inline constexpr int kHelpListPrint = 10023;

// The menus of the main window.
inline constexpr int kHelpFileMenu = 10017;       // "ファイル(&F)"
inline constexpr int kHelpEditMenu = 10018;       // "編集(&E)"
inline constexpr int kHelpDataMenu = 10019;       // "データ操作(&D)"
inline constexpr int kHelpRowColumnMenu = 10020;  // "行・列操作(&G)"
inline constexpr int kHelpViewMenu = 10021;       // "表示(&V)"
inline constexpr int kHelpOptionMenu = 10022;     // "オプション(&O)"

}  // namespace tabulo::help
