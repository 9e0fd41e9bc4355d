#pragma once
// The luck tools' data files ("BRMO.DAT", "LUCKY.DAT") are plain byte arrays read whole.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace numbrela {

// The whole file, or nothing when it is missing, unreadable or larger than `maximo`
// bytes (the planner would not have the memory for it).
std::optional<std::vector<std::uint8_t>> LeeFicheroEntero(const std::filesystem::path& ruta,
                                                          std::uintmax_t maximo);

} // namespace numbrela
