#pragma once
// Writing a file so that a crash or a full disk never destroys what was there: the bytes go
// to a temporary file in the same folder, are flushed to the disk, and only then is the
// temporary file renamed over the old one.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace orbel {

// Replaces `path` with `bytes`. On failure the old file is untouched, the temporary file is
// removed and `error` (when given) receives the system's reason.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr);

// Reads a whole file. False when it cannot be opened or read; a file larger than
// `maxBytes` is refused too.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes,
                   std::uintmax_t maxBytes = 64u << 20, std::string* error = nullptr);

} // namespace orbel
