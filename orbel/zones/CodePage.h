#pragma once
// The stored files hold single-byte Windows-1252 texts; in memory every text is UTF-8.
// Characters the code page lacks become '?', as the platform's own conversion does.
#include <string>
#include <string_view>

namespace orbel {

std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);
// UTF-16 units (as the wide texts of older files hold them) to UTF-8, passing through the
// code page: what the code page cannot hold becomes '?'.
std::string Utf16ToUtf8ViaCp1252(std::u16string_view units);

} // namespace orbel
