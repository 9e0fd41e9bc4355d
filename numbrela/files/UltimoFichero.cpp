#include "files/UltimoFichero.h"

#include <fstream>
#include <iterator>

#include "model/Cp1252.h"
#include "model/EscrituraSegura.h"

namespace numbrela {

bool UltimoFichero::GrabaUltimo(const std::filesystem::path& carpeta, const std::string& ruta)
{
    const std::string bytes = Utf8ACp1252(ruta);
    if (Cp1252AUtf8(bytes) != ruta)
        return false; // '?' in place of a character would record a path that is not there
    std::string contenido;
    contenido.push_back(static_cast<char>(bytes.size() > 255 ? 255 : bytes.size()));
    contenido += bytes;
    EscrituraSegura salida(carpeta / kNombreUltimo);
    return salida.Abre() &&
           salida.Escribe(
               {reinterpret_cast<const std::uint8_t*>(contenido.data()), contenido.size()}) &&
           salida.Confirma();
}

std::optional<std::string> UltimoFichero::MeteCadena(const std::filesystem::path& carpeta)
{
    std::ifstream f(carpeta / kNombreUltimo, std::ios::binary);
    if (!f)
        return std::nullopt;
    // Paths are short; a few kilobytes is more than any folder allows.
    std::string contenido(4096 + 1, '\0');
    f.read(contenido.data(), static_cast<std::streamsize>(contenido.size()));
    contenido.resize(static_cast<std::size_t>(f.gcount()));
    if (contenido.size() <= 1)
        return std::nullopt;
    return Cp1252AUtf8(std::string_view(contenido).substr(1));
}

} // namespace numbrela
