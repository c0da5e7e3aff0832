#pragma once

#include <string>
#include <string_view>

#include "core/locale/Cp932.h"

namespace tabulo {

// Column titles in the side file and the print-format file are code page 932
// text whatever the document's encoding, so that those files stay as every
// version reads them. A UTF-8 document's title goes in converted; what code
// page 932 cannot hold exactly (an emoji, the wave dash U+301C, a byte that
// forms no character) goes in as a character reference "&#xHEX;" (a stray
// byte as U+DC80 + its value), and so does each "&", so that the title reads
// back exactly. A code page 932 document's titles are stored as they are.
std::string StoredTitle(std::string_view title, TextEncoding encoding);

// The title back in the document's encoding from its stored form.
std::string TitleFromStored(std::string_view stored, TextEncoding encoding);

}  // namespace tabulo
