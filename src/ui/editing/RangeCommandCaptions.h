#pragma once

#include <array>

namespace tabulo::ui {

// The captions of the range commands, by tag: as the grid popup shows them
// and as the main menu does.
struct CommandCaption {
  const char* popup;
  const char* menu;
};

inline constexpr std::array<CommandCaption, 6> kCharClassCaptions = {{
    {"abc　→　ABC", "abc → ABC"},
    {"ABC　→　abc", "ABC → abc"},
    {"あいう　→　アイウ", "あいう → アイウ"},
    {"アイウ　→　あいう", "アイウ → あいう"},
    {"半角　→　全角", "半角 → 全角"},
    {"全角　→　半角", "全角 → 半角"},
}};

inline constexpr std::array<CommandCaption, 4> kTrimCaptions = {{
    {"前後のスペース除去", "前後のスペース除去"},
    {"左スペース除去", "左スペースの除去"},
    {"右スペース除去", "右スペースの除去"},
    {"数値ゼロスペース除去", "数値ゼロスペース除去"},
}};

inline constexpr std::array<CommandCaption, 8> kNumberCaptions = {{
    {"四捨五入", "四捨五入"},
    {"切り上げ", "切り上げ"},
    {"切り下げ", "切り下げ"},
    {"切り捨て", "切り捨て"},
    {"３桁区切りを付加", "３桁区切り付加"},
    {"３桁区切りを除去", "３桁区切り除去"},
    {"通貨記号を付加", "通貨記号付加"},
    {"通貨記号を除去", "通貨記号除去"},
}};
inline constexpr CommandCaption kDecimalsCaption = {"少数桁揃え...", "少数桁揃え"};

inline constexpr std::array<CommandCaption, 11> kDateCaptions = {{
    {"西暦 → 和暦", "西暦 → 和暦"},
    {"西暦 → 和暦（元号付き）", "西暦 → 和暦（元号付き）"},
    {"明治 → 西暦", "明治 → 西暦"},
    {"大正 → 西暦", "大正 → 西暦"},
    {"昭和 → 西暦", "昭和 → 西暦"},
    {"平成 → 西暦", "平成 → 西暦"},
    {"年を２桁　1998 → 98", "年を２桁　1998 → 98"},
    {"年を４桁　98 → 1998", "年を４桁　98 → 1998"},
    {"年を４桁　01 → 2001", "年を４桁　01 → 2001"},
    {"曜日を付ける　(月)", "曜日を付ける　(月)"},
    {"曜日を付ける　月曜日", "曜日を付ける　月曜日"},
}};

// The steps the date-insert commands leave in the history, by tag.
inline constexpr std::array<const char*, 3> kDateInsertSteps = {"日付入力", "時刻入力", "日時入力"};

}  // namespace tabulo::ui
