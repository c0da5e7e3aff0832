#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/locale/Cp932.h"

namespace tabulo {

// printf's "%-W.Ps" counted in columns (CharColumns; a code page 932
// text's bytes): at most `precision` columns, never cutting a character in
// two, then blanks up to `width` columns.
std::string FormatField(std::string_view text, std::size_t width, std::size_t precision,
                        TextEncoding encoding = TextEncoding::ShiftJis);

// The caption of a column in the column menu: its title and the text of its
// first data row, in a short form when the menu has to break into columns.
std::string ColumnMenuCaption(std::string_view title, std::string_view firstRow, bool compact,
                              TextEncoding encoding = TextEncoding::ShiftJis);

// Who shows the function menu: the main window and the calculation dialog
// differ in a blank.
enum class FormulaMenuOwner { MainWindow, Dialog };

// The caption of a variable, statistic or function (its name as written in
// the menu, e.g. "Sum( R1, R2 )") with its description, all code page 932.
std::string FunctionMenuCaption(std::string_view name, std::string_view description, bool compact,
                                FormulaMenuOwner owner);

}  // namespace tabulo
