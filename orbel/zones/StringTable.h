#pragma once
// The world clock's user-visible texts, by number. Lists of choices are one text with the
// items separated by newlines. Every part of the program adds its texts to the table in
// StringTable.cpp.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// The text with that number in the user's language; empty when the table does not hold it.
std::string LoadString(unsigned id);
// Item `index` (from 0) of a newline-separated list text; empty beyond its end.
std::string StringItem(unsigned id, std::size_t index);
// Replaces %1 .. %9 by the arguments (a missing argument gives an empty text; "%%" is '%').
std::string FormatMessage(std::string_view format, const std::vector<std::string>& args);

} // namespace orbel
