#pragma once

namespace tabulo::ui {

// The filter of the dialogs that pick delimited files (open, append, merge).
inline constexpr const char* kCsvFilter =
    "CSV形式ファイル(*.csv,*.txt,*.tsv)|*.csv;*.txt;*.tsv|全てのファイル(*.*)|*.*";

}  // namespace tabulo::ui
