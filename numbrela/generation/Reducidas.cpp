#include "generation/Reducidas.h"

#include <algorithm>
#include <vector>

#include "generation/FicheroReduccion.h"
#include "generation/NombresReduccion.h"

namespace numbrela {
namespace {

constexpr const char* kErrorMemoria =
    "Error de memoria. Esta apuesta es muy grande y no cabe en la memoria de tu PC";
constexpr const char* kErrorMemoriaFijo =
    "Apuesta con Fijo muy grande para la memoria RAM disponible";

std::vector<std::uint8_t> FijosDe(const CabeceraApuestas& c)
{
    std::vector<std::uint8_t> f;
    for (int i = 0; i < c.TotalFijos && i < kNumeros; ++i)
        f.push_back(c.ListaFijos[static_cast<std::size_t>(i)]);
    return f;
}

// Places 1..n of the fixed numbers among the chosen ones.
std::vector<int> PosicionesFijas(const CabeceraApuestas& c)
{
    std::vector<int> p;
    for (int i = 0; i < kNumeros; ++i)
        if (c.Fijos[static_cast<std::size_t>(i)] != 0)
            for (int j = 0; j < c.TotalReducidos && j < kNumeros; ++j)
                if (c.ListaReducidos[static_cast<std::size_t>(j)] == i + 1)
                    p.push_back(j + 1);
    return p;
}

// Puts a read system into the set: buffers, N, the bet objects of the first slip.
void Instala(TConjuntoApuestas& conjunto, std::vector<std::uint32_t>&& rangos)
{
    const auto n = rangos.size();
    conjunto.BufferRangos = std::move(rangos);
    conjunto.AciertosReducida.assign(n, 0);
    conjunto.EscrutadoHecho = false;
    conjunto.Cabecera.TotalApuestas = static_cast<std::int32_t>(n);
    const int primeras = static_cast<int>(std::min<std::size_t>(n, kApuestasPorBoleto));
    conjunto.Apuestas.assign(static_cast<std::size_t>(primeras), TApuestas{});
    conjunto.DelBufferALaApuesta(0, primeras);
}

} // namespace

std::string MensajeSinReduccion(int n, int tipoReduccion)
{
    static const char* const kNombre[] = {"", "TRES", "CUATRO", "CINCO", "SEIS"};
    const char* al = tipoReduccion >= 1 && tipoReduccion <= 4 ? kNombre[tipoReduccion] : "?";
    return "La reducción de " + std::to_string(n) + " números al " + al +
           " no está disponible: falta el archivo " + NombreRlv(n, GarantiaDeTipo(tipoReduccion)) +
           " en la carpeta del programa";
}

TReducidas::TReducidas(std::filesystem::path carpeta) : carpeta_(std::move(carpeta))
{
    tabla_.Calcular(kMinReducidos);
}

std::filesystem::path TReducidas::FicheroPara(const CabeceraApuestas& c) const
{
    const int garantia = GarantiaDeTipo(c.TipoReduccion);
    if (garantia == 0 || c.TotalReducidos < kMinReducidos || c.TotalReducidos > kMaxReducidos ||
        c.TotalFijos < 0 || c.TotalFijos > 3)
        return {};
    if (c.TotalFijos == 0)
        return carpeta_ / NombreRlv(c.TotalReducidos, garantia);
    return carpeta_ / NombreRlf(c.TotalReducidos, garantia, FijosDe(c));
}

bool TReducidas::PrimitivaReducida(TConjuntoApuestas& conjunto, std::string& error)
{
    Calcular(conjunto.Cabecera.TotalReducidos);
    return AveriguaEnDisco(conjunto, error);
}

bool TReducidas::AveriguaEnDisco2(const CabeceraApuestas& c) const
{
    if (c.TotalFijos != 0)
        return false;
    const auto fichero = FicheroPara(c);
    std::error_code ec;
    return !fichero.empty() && std::filesystem::is_regular_file(fichero, ec);
}

bool TReducidas::AveriguaEnDisco(TConjuntoApuestas& conjunto, std::string& error)
{
    const CabeceraApuestas& c = conjunto.Cabecera;
    const auto fichero = FicheroPara(c);
    if (fichero.empty()) {
        error = kErrorLectura;
        return false;
    }
    if (c.TotalFijos != 0) {
        std::error_code ec;
        if (!std::filesystem::exists(fichero, ec)) {
            if (!SinFicheroConFijos) {
                error = kErrorLectura;
                return false;
            }
            return SinFicheroConFijos(conjunto, error);
        }
        TReduccionLeida leida;
        if (!LeeConFijo(fichero, leida, error))
            return false;
        if (leida.Cabecera.ListaReducidos == c.ListaReducidos) {
            InstalaConFijo(conjunto, std::move(leida));
            return true;
        }
        if (PosicionesFijas(leida.Cabecera) != PosicionesFijas(c)) {
            if (!SinFicheroConFijos) {
                error = kErrorLectura;
                return false;
            }
            return SinFicheroConFijos(conjunto, error);
        }
        Calcular(c.TotalReducidos);
        Instala(conjunto, std::move(leida.Rangos));
        return true;
    }
    TReduccionLeida leida;
    switch (LeeRlv(fichero, c.TotalReducidos, leida)) {
    case TFalloLectura::Ninguno:
        break;
    case TFalloLectura::NoExiste:
        error = MensajeSinReduccion(c.TotalReducidos, c.TipoReduccion);
        return false;
    case TFalloLectura::Memoria:
        error = kErrorMemoria;
        return false;
    case TFalloLectura::Ilegible:
        error = kErrorLectura;
        return false;
    }
    Calcular(c.TotalReducidos);
    Instala(conjunto, std::move(leida.Rangos));
    return true;
}

bool TReducidas::LeeConFijo(const std::filesystem::path& fichero, TReduccionLeida& leida,
                            std::string& error) const
{
    switch (LeeRlf(fichero, leida)) {
    case TFalloLectura::Ninguno:
        break;
    case TFalloLectura::Memoria:
        error = kErrorMemoriaFijo;
        return false;
    case TFalloLectura::NoExiste:
    case TFalloLectura::Ilegible:
        error = kErrorLectura;
        return false;
    }
    const CabeceraApuestas& h = leida.Cabecera;
    int n = 0, garantia = 0;
    std::vector<std::uint8_t> fijos;
    if (AnalizaNombreRlf(fichero, n, garantia, fijos) &&
        (n != h.TotalReducidos || garantia != GarantiaDeTipo(h.TipoReduccion) ||
         fijos != FijosDe(h))) {
        error = kErrorLectura;
        return false;
    }
    return true;
}

bool TReducidas::AbreConFijo(TConjuntoApuestas& conjunto, const std::filesystem::path& fichero,
                             std::string& error)
{
    TReduccionLeida leida;
    if (!LeeConFijo(fichero, leida, error))
        return false;
    InstalaConFijo(conjunto, std::move(leida));
    return true;
}

void TReducidas::InstalaConFijo(TConjuntoApuestas& conjunto, TReduccionLeida&& leida)
{
    const CabeceraApuestas& h = leida.Cabecera;
    const std::uint8_t juego = conjunto.Cabecera.Juego;
    conjunto.Cabecera = h;
    conjunto.Cabecera.Juego = juego; // the game is the player's choice, not the file's
    Calcular(h.TotalReducidos);
    Instala(conjunto, std::move(leida.Rangos));
}

} // namespace numbrela
