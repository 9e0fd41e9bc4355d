#pragma once
// The planner's files hold Windows-1252 text; in memory every text is UTF-8. These two
// conversions are the only place the two meet.
#include <string>
#include <string_view>

namespace numbrela {

// Every byte value 0..255 becomes its Windows-1252 character. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of
// the same value, as Windows itself does, so no byte is ever lost on a round trip.
std::string Cp1252AUtf8(std::string_view bytes);

// Each character becomes its Windows-1252 byte; a character Windows-1252 cannot hold, and
// a malformed UTF-8 sequence, becomes '?'.
std::string Utf8ACp1252(std::string_view utf8);

// The text cut to at most `caracteres` characters, never inside a UTF-8 sequence.
std::string CortaUtf8(std::string_view utf8, std::size_t caracteres);

// Number of characters (code points) of a UTF-8 text.
std::size_t LongitudUtf8(std::string_view utf8);

} // namespace numbrela
