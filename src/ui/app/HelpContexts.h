#pragma once

// Help context numbers of the windows, bars and menus: the help page of
// context n is "help/<n>.html" beside the program.
namespace tabulo::help {

inline constexpr int kHelpMainWindow = 10004;
inline constexpr int kHelpSaveOptions = 10005;
inline constexpr int kHelpCalcBar = 10007;
inline constexpr int kHelpFindBar = 10009;
inline constexpr int kHelpFilter = 10010;
inline constexpr int kHelpFileMenu = 10017;
inline constexpr int kHelpEditMenu = 10018;
inline constexpr int kHelpDataMenu = 10019;
inline constexpr int kHelpRowColMenu = 10020;
inline constexpr int kHelpViewMenu = 10021;
inline constexpr int kHelpOptionMenu = 10022;

}  // namespace tabulo::help
