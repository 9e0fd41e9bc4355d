#include "generation/CreaCombFijos.h"

#include <algorithm>
#include <array>
#include <vector>

#include "generation/CoberturaVoraz.h"
#include "generation/FicheroReduccion.h"
#include "generation/NombresReduccion.h"
#include "generation/Reducidas.h"
#include "generation/TablaRangos.h"
#include "model/ConjuntoApuestas.h"
#include "model/EscrituraSegura.h"

namespace numbrela {

TGeneracion GeneraReducidaConFijos(const std::filesystem::path& carpeta,
                                   const CabeceraApuestas& cabecera,
                                   std::span<const std::uint8_t> fijos, const TPasoGeneracion& paso)
{
    TGeneracion g;
    const int n = cabecera.TotalReducidos;
    const int k = GarantiaDeTipo(cabecera.TipoReduccion);
    g.Nombre = NombreRlf(n, k, fijos);
    g.Fichero = carpeta / g.Nombre;
    const std::string errorCreando = "Error creando el archivo " + g.Nombre;

    // Positions replace numbers: each fixed number by its place among the chosen ones.
    std::vector<std::uint8_t> posiciones;
    bool valido =
        n >= kMinReducidos && n <= kMaxReducidos && k != 0 && !fijos.empty() && fijos.size() <= 3;
    for (std::size_t i = 0; valido && i < fijos.size(); ++i) {
        int p = 0;
        for (int j = 0; j < n; ++j)
            if (cabecera.ListaReducidos[static_cast<std::size_t>(j)] == fijos[i])
                p = j + 1;
        valido = p != 0 && (posiciones.empty() || p > posiciones.back());
        posiciones.push_back(static_cast<std::uint8_t>(p));
    }
    // The header goes at the end of the file, and the file is only worth writing when
    // that header will be read back as the system it describes.
    valido = valido && CabeceraReducidaCoherente(cabecera) &&
             static_cast<std::size_t>(cabecera.TotalFijos) == fijos.size() &&
             std::equal(fijos.begin(), fijos.end(), cabecera.ListaFijos.begin());
    if (!valido) {
        g.Mensaje = errorCreando;
        return g;
    }

    EscrituraSegura f(g.Fichero);
    if (!f.Abre()) {
        g.Mensaje = errorCreando;
        return g;
    }
    std::int64_t cuenta = 0;
    bool escrito = true;
    const bool completa = CoberturaVoraz(n, k, posiciones, [&](std::uint32_t rango) {
        const std::uint8_t b[4] = {static_cast<std::uint8_t>(rango & 0xFF),
                                   static_cast<std::uint8_t>(rango >> 8 & 0xFF),
                                   static_cast<std::uint8_t>(rango >> 16 & 0xFF),
                                   static_cast<std::uint8_t>(rango >> 24 & 0xFF)};
        escrito = escrito && f.Escribe(b);
        ++cuenta;
        return escrito && (!paso || paso(cuenta));
    });
    if (completa && escrito) {
        CabeceraApuestas final = cabecera;
        final.Nombre.clear();
        final.Sorteo = TSorteo{};
        final.TotalApuestas = static_cast<std::int32_t>(cuenta);
        escrito = f.Escribe(EscribeCabecera(final)) && f.Confirma();
    }
    // Unless confirmed, the temporary file goes and nothing takes the file's name.
    if (!completa || !escrito) {
        g.Mensaje = escrito ? "Generación interrumpida: no se ha guardado la reducción " + g.Nombre
                            : errorCreando;
        return g;
    }
    g.Hecha = true;
    g.Apuestas = cuenta;
    g.Mensaje = "Creación de reducida con éxito: Generadas " + std::to_string(cuenta) +
                " apuestas en archivo " + g.Nombre;
    return g;
}

TGeneracion CreaCombFijos(const std::filesystem::path& carpeta, const CabeceraApuestas& cabecera,
                          std::uint8_t fijo1, const TPasoGeneracion& paso)
{
    const std::array<std::uint8_t, 1> f{fijo1};
    return GeneraReducidaConFijos(carpeta, cabecera, f, paso);
}

TGeneracion CreaCombFijos2(const std::filesystem::path& carpeta, const CabeceraApuestas& cabecera,
                           std::uint8_t fijo1, std::uint8_t fijo2, const TPasoGeneracion& paso)
{
    const std::array<std::uint8_t, 2> f{fijo1, fijo2};
    return GeneraReducidaConFijos(carpeta, cabecera, f, paso);
}

TGeneracion CreaCombFijos3(const std::filesystem::path& carpeta, const CabeceraApuestas& cabecera,
                           std::uint8_t fijo1, std::uint8_t fijo2, std::uint8_t fijo3,
                           const TPasoGeneracion& paso)
{
    const std::array<std::uint8_t, 3> f{fijo1, fijo2, fijo3};
    return GeneraReducidaConFijos(carpeta, cabecera, f, paso);
}

bool GeneraYAbreConFijos(TReducidas& motor, TConjuntoApuestas& conjunto,
                         const TPasoGeneracion& paso, std::string& mensaje, std::string& error)
{
    const CabeceraApuestas& c = conjunto.Cabecera;
    const auto& l = c.ListaFijos;
    TGeneracion g;
    switch (c.TotalFijos) {
    case 1:
        g = CreaCombFijos(motor.Carpeta(), c, l[0], paso);
        break;
    case 2:
        g = CreaCombFijos2(motor.Carpeta(), c, l[0], l[1], paso);
        break;
    case 3:
        g = CreaCombFijos3(motor.Carpeta(), c, l[0], l[1], l[2], paso);
        break;
    default:
        error = "Error creando el archivo";
        return false;
    }
    mensaje = g.Mensaje;
    if (!g.Hecha) {
        error = g.Mensaje;
        return false;
    }
    return motor.AbreConFijo(conjunto, g.Fichero, error);
}

} // namespace numbrela
