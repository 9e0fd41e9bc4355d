#include "luck/FechaSorteo.h"

namespace numbrela {

std::optional<TFechaSorteo> FechaDeLasListas(int dia, int mes, int anio)
{
    if (dia < 1 || dia > 31 || mes < 1 || mes > 12 || anio < kPrimerAnioSorteo ||
        anio > kUltimoAnioSorteo)
        return std::nullopt;
    return TFechaSorteo{static_cast<std::uint8_t>(dia), static_cast<std::uint8_t>(mes),
                        static_cast<std::uint16_t>(anio)};
}

} // namespace numbrela
