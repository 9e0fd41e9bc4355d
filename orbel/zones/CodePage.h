#pragma once
// The stored files hold texts in Windows-1252 (one byte a character) or, when the code page
// cannot hold them, in UTF-16 (the wide form); in memory every text is UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace orbel {

// Characters the code page lacks, and bytes that are no UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);
// The UTF-16 units of a text that needs the wide form: valid UTF-8 holding at least one
// character the code page lacks. None for a text the code page holds, and for bytes that
// are no UTF-8 (those are stored through the code page, with '?').
std::optional<std::u16string> WideFormOf(std::string_view utf8);
// UTF-16 units as UTF-8; none when they are no text (a surrogate without its other half).
std::optional<std::string> Utf16ToUtf8(std::u16string_view units);

} // namespace orbel
