#include "luck/Azarix.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

namespace numbrela {

std::int64_t RegistroAzarix(const TFechaSorteo& f)
{
    return std::int64_t{f.Mes} * f.Dia * 100 + f.Anio - std::int64_t{f.Mes} * 23;
}

std::int64_t MaximoRegistroAzarix()
{
    return RegistroAzarix(TFechaSorteo{31, 12, kUltimoAnioSorteo});
}

namespace {

// Reads `cuantos` ranks from record `registro`; false when the file cannot give them all
// or one of them is no combination of six out of 49.
bool LeeRangos(const std::filesystem::path& ruta, std::int64_t registro, std::int64_t cuantos,
               std::vector<std::uint32_t>& rangos)
{
    std::error_code ec;
    const std::uintmax_t tam = std::filesystem::file_size(ruta, ec);
    if (ec || registro < 0 || cuantos < 0 ||
        static_cast<std::uintmax_t>(registro + cuantos) * 4 > tam)
        return false;
    std::ifstream f(ruta, std::ios::binary);
    if (!f || !f.seekg(registro * 4))
        return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(cuantos) * 4);
    f.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(f.gcount()) != bytes.size())
        return false;
    rangos.resize(static_cast<std::size_t>(cuantos));
    for (std::size_t i = 0; i < rangos.size(); ++i) {
        const std::uint8_t* b = &bytes[4 * i];
        rangos[i] = std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
                    std::uint32_t{b[3]} << 24;
        if (rangos[i] < 1 || rangos[i] > kCombinaciones49)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> AntesDeAzarix(const TConjuntoApuestas& conjunto)
{
    if (conjunto.Tipo() == TipoApuesta::Reducida)
        return std::string(kMsgReducidaAzarix);
    return std::nullopt;
}

std::optional<std::string> RellenaConAzarix(TConjuntoApuestas& conjunto, const TFechaSorteo& fecha,
                                            const std::filesystem::path& carpeta,
                                            TMotorReducidas& motor)
{
    const TipoApuesta tipo = conjunto.Tipo();
    if (tipo == TipoApuesta::Reducida)
        return std::string(kMsgReducidaAzarix);
    if (tipo == TipoApuesta::Ninguno || conjunto.Apuestas.empty())
        return std::nullopt;
    const std::int64_t cuantos = tipo == TipoApuesta::Multiple
                                     ? std::max<std::int64_t>(conjunto.Cabecera.TotalApuestas, 1)
                                     : static_cast<std::int64_t>(conjunto.Apuestas.size());
    std::vector<std::uint32_t> rangos;
    if (!LeeRangos(carpeta / kFicheroAzarix, RegistroAzarix(fecha), cuantos, rangos))
        return std::string(kMsgErrorAzarix);

    conjunto.Cabecera.TotalReducidos = kNumeros;
    motor.Calcular(kNumeros);
    if (tipo == TipoApuesta::Simple) {
        for (std::size_t i = 0; i < rangos.size(); ++i) {
            std::uint8_t numeros[kNumerosPorApuesta];
            motor.TomarCombinacion(rangos[i], numeros); // with n = 49 position p is number p
            MeterNumeros(conjunto.Apuestas[i], numeros);
        }
        return std::nullopt;
    }
    // A multiple: the numbers of consecutive combinations until the bet has its size.
    const int tamano = std::clamp(conjunto.CrucesPorApuesta, 1, kMaxCruces);
    TApuestas nueva;
    for (std::uint32_t rango : rangos) {
        std::uint8_t numeros[kNumerosPorApuesta];
        motor.TomarCombinacion(rango, numeros);
        for (std::uint8_t n : numeros)
            if (nueva.Cruces < tamano)
                nueva.Marca(n);
        if (nueva.Cruces == tamano)
            break;
    }
    if (nueva.Cruces < tamano)
        return std::string(kMsgErrorAzarix);
    conjunto.Apuestas[0].Marcas = nueva.Marcas;
    conjunto.Apuestas[0].Cruces = nueva.Cruces;
    return std::nullopt;
}

} // namespace numbrela
