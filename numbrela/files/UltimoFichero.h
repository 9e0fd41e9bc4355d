#pragma once
// "ULTIMO.DB" in the program folder: the path of the last bet file saved with
// "G&rabar como...", as a length byte and the path's Windows-1252 characters.
#include <filesystem>
#include <optional>
#include <string>

namespace numbrela {

inline constexpr const char* kNombreUltimo = "ULTIMO.DB";

namespace UltimoFichero {

// GrabaUltimo: records `ruta` (UTF-8). A path of more than 255 characters keeps all
// its characters behind a length byte of 255, since readers take every byte after the
// length byte; a path that Windows-1252 cannot spell is not recorded (the file keeps
// the previous path) and the call returns false. Written to a temporary file renamed
// over the old one.
bool GrabaUltimo(const std::filesystem::path& carpeta, const std::string& ruta);

// MeteCadena: the recorded path, or nothing when the file is missing or empty. The
// length byte is ignored: the path is every byte after it.
std::optional<std::string> MeteCadena(const std::filesystem::path& carpeta);

} // namespace UltimoFichero

} // namespace numbrela
