#pragma once
// Whole-file reading with a size limit, and writing that never destroys the old file:
// a temporary file in the same folder, flushed, then renamed over the old one.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orbel {

// False with `error` set (a sentence naming the file) when the file is missing,
// unreadable or larger than maxSize.
bool ReadWholeFile(const std::filesystem::path& path, std::size_t maxSize,
                   std::vector<std::uint8_t>& bytes, std::string& error);

bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error);

} // namespace orbel
