#pragma once

// Every caption and message of the setup program, in its own words.
namespace plinth::messages {

inline constexpr const char* kInstallCaption = "Tabulo インストール";
inline constexpr const char* kUninstallCaption = "Tabulo アンインストール";

inline constexpr const char* kAskStartMenu = "スタートメニューに登録しますか？";
inline constexpr const char* kStartMenuFailed = "スタートメニューへの登録に失敗しました。";
inline constexpr const char* kAskDesktop = "デスクトップにショートカットを作成しますか？";
inline constexpr const char* kDesktopFailed = "デスクトップへの登録に失敗しました。";
inline constexpr const char* kAskSendTo = "エクスプローラの「送る」メニューに登録しますか？";
inline constexpr const char* kSendToFailed = "「送る」メニューへの登録に失敗しました。";
inline constexpr const char* kInstallDone = "インストールは終了しました。";

inline constexpr const char* kAskUninstall = "ウィンドウズから登録情報を削除します。\r\n\r\nよろしいですか？";
inline constexpr const char* kUninstallDone =
    "登録の削除を完了しました。\r\n\r\nエクスプローラなどで、ディレクトリごと削除して下さい。";

// The uninstall entry.
inline constexpr const char* kUninstallKey = "Tabulo36";
inline constexpr const char* kEarlierUninstallKeys[] = {"Tabulo33", "Tabulo34", "Tabulo35"};
inline constexpr const char* kDisplayName = "Tabulo アンインストール";

// Shown instead of the boxes when there is no screen to show them on.
inline constexpr const char* kNoDisplay = "画面がありません。スクリプトからは --yes を付けて実行して下さい。";

}  // namespace plinth::messages
