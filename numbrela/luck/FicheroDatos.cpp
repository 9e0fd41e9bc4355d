#include "luck/FicheroDatos.h"

#include <fstream>
#include <system_error>

namespace numbrela {

std::optional<std::vector<std::uint8_t>> LeeFicheroEntero(const std::filesystem::path& ruta,
                                                          std::uintmax_t maximo)
{
    std::error_code ec;
    const std::uintmax_t tam = std::filesystem::file_size(ruta, ec);
    if (ec || tam > maximo)
        return std::nullopt;
    std::ifstream f(ruta, std::ios::binary);
    if (!f)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(tam));
    f.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(tam));
    if (static_cast<std::uintmax_t>(f.gcount()) != tam)
        return std::nullopt;
    return bytes;
}

} // namespace numbrela
