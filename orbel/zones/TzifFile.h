#pragma once
// The system's compiled zone files (TZif, versions 1 to 4). The world clock only needs the
// POSIX rule at the end of a version 2+ file, but checks the whole structure first so
// that a damaged file is recognised and skipped.
#include <cstdint>
#include <string>
#include <vector>

namespace orbel {

// The footer's TZ string, or false with `error` set when the bytes are not a sound TZif
// file of version 2 or later.
bool ReadTzifFooter(const std::vector<std::uint8_t>& bytes, std::string& footer,
                    std::string& error);

} // namespace orbel
