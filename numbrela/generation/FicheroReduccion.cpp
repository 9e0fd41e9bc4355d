#include "generation/FicheroReduccion.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <new>
#include <sstream>

#include "generation/NombresReduccion.h"
#include "generation/TablaRangos.h"

namespace numbrela {
namespace {

// Size of a regular file, or -1.
std::int64_t Tamano(const std::filesystem::path& fichero)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fichero, ec))
        return -1;
    const auto t = std::filesystem::file_size(fichero, ec);
    return ec ? -1 : static_cast<std::int64_t>(t);
}

TFalloLectura LeeRangos(std::istream& f, std::int64_t cuantos, int n,
                        std::vector<std::uint32_t>& rangos)
{
    try {
        rangos.resize(static_cast<std::size_t>(cuantos));
    } catch (const std::bad_alloc&) {
        return TFalloLectura::Memoria;
    }
    // The bytes go straight into the rank buffer and are put in order there, so loading
    // never holds more than the ranks themselves.
    auto* bytes = reinterpret_cast<unsigned char*>(rangos.data());
    if (!f.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(rangos.size() * 4)))
        return TFalloLectura::Ilegible;
    const std::uint32_t total = kBinomio(n, 6);
    for (std::size_t i = 0; i < rangos.size(); ++i) {
        const unsigned char* b = bytes + 4 * i;
        const std::uint32_t r =
            static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
            static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        if (r == 0 || r > total)
            return TFalloLectura::Ilegible;
        rangos[i] = r;
    }
    return TFalloLectura::Ninguno;
}

bool ListaDeBanderas(const std::array<std::uint8_t, kNumeros>& banderas,
                     const std::array<std::uint8_t, kNumeros>& lista, int& cuenta)
{
    cuenta = 0;
    for (int i = 1; i <= kNumeros; ++i) {
        const std::uint8_t b = banderas[i - 1];
        if (b != 0 && b != i)
            return false;
        if (b != 0 && lista[cuenta++] != i)
            return false;
    }
    for (int j = cuenta; j < kNumeros; ++j)
        if (lista[j] != 0)
            return false;
    return true;
}

} // namespace

bool CabeceraReducidaCoherente(const CabeceraApuestas& c)
{
    if (c.Tipo != static_cast<std::uint8_t>(TipoApuesta::Reducida) ||
        GarantiaDeTipo(c.TipoReduccion) == 0)
        return false;
    if (c.TotalReducidos < kMinReducidos || c.TotalReducidos > kMaxReducidos)
        return false;
    if (c.TotalFijos < 1 || c.TotalFijos > 3)
        return false;
    int reducidos = 0, fijos = 0;
    if (!ListaDeBanderas(c.Reducidos, c.ListaReducidos, reducidos) ||
        !ListaDeBanderas(c.Fijos, c.ListaFijos, fijos))
        return false;
    if (reducidos != c.TotalReducidos || fijos != c.TotalFijos)
        return false;
    for (int i = 0; i < kNumeros; ++i)
        if (c.Fijos[i] != 0 && c.Reducidos[i] == 0)
            return false;
    return true;
}

namespace {

// The checks of a ".RLV" of tam bytes read from f, shared by the file and the bytes in memory.
TFalloLectura LeeRlvDe(std::istream& f, std::int64_t tam, int n, TReduccionLeida& leida)
{
    if (n < kMinReducidos || n > kMaxReducidos)
        return TFalloLectura::Ilegible;
    // No system has more bets than combinations; a larger file is damaged, and is refused
    // before anything is allocated for it.
    if (tam == 0 || tam % 4 != 0 || tam / 4 > static_cast<std::int64_t>(kBinomio(n, 6)))
        return TFalloLectura::Ilegible;
    return LeeRangos(f, tam / 4, n, leida.Rangos);
}

TFalloLectura LeeRlfDe(std::istream& f, std::int64_t tam, TReduccionLeida& leida)
{
    const auto cabecera = static_cast<std::int64_t>(kTamCabecera);
    if (tam < cabecera + 4 || (tam - cabecera) % 4 != 0)
        return TFalloLectura::Ilegible;
    std::array<std::uint8_t, kTamCabecera> bloque{};
    f.seekg(tam - cabecera);
    if (!f.read(reinterpret_cast<char*>(bloque.data()), cabecera))
        return TFalloLectura::Ilegible;
    leida.Cabecera = LeeCabecera(bloque);
    if (!CabeceraReducidaCoherente(leida.Cabecera))
        return TFalloLectura::Ilegible;
    const int n = leida.Cabecera.TotalReducidos;
    const std::int64_t cuantos = (tam - cabecera) / 4;
    if (cuantos > static_cast<std::int64_t>(kBinomio(n, 6)))
        return TFalloLectura::Ilegible;
    f.seekg(0);
    return LeeRangos(f, cuantos, n, leida.Rangos);
}

} // namespace

TFalloLectura LeeRlv(const std::filesystem::path& fichero, int n, TReduccionLeida& leida)
{
    if (n < kMinReducidos || n > kMaxReducidos)
        return TFalloLectura::Ilegible;
    const std::int64_t tam = Tamano(fichero);
    if (tam < 0)
        return TFalloLectura::NoExiste;
    std::ifstream f(fichero, std::ios::binary);
    if (!f)
        return TFalloLectura::NoExiste;
    return LeeRlvDe(f, tam, n, leida);
}

TFalloLectura LeeRlf(const std::filesystem::path& fichero, TReduccionLeida& leida)
{
    const std::int64_t tam = Tamano(fichero);
    if (tam < 0)
        return TFalloLectura::NoExiste;
    std::ifstream f(fichero, std::ios::binary);
    if (!f)
        return TFalloLectura::NoExiste;
    return LeeRlfDe(f, tam, leida);
}

TFalloLectura LeeRlvBytes(std::string_view bytes, int n, TReduccionLeida& leida)
{
    std::istringstream f{std::string(bytes)};
    return LeeRlvDe(f, static_cast<std::int64_t>(bytes.size()), n, leida);
}

TFalloLectura LeeRlfBytes(std::string_view bytes, TReduccionLeida& leida)
{
    std::istringstream f{std::string(bytes)};
    return LeeRlfDe(f, static_cast<std::int64_t>(bytes.size()), leida);
}

bool AnalizaNombreRlf(const std::filesystem::path& fichero, int& n, int& garantia,
                      std::vector<std::uint8_t>& fijos)
{
    std::string s = fichero.filename().string();
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char ch) { return std::toupper(ch); });
    if (s.size() < 8 || s.compare(0, 3, "COM") != 0 || s.compare(s.size() - 4, 4, ".RLF") != 0)
        return false;
    const std::string medio = s.substr(3, s.size() - 7);
    std::vector<int> partes;
    std::size_t i = 0;
    while (i <= medio.size()) {
        const std::size_t fin = std::min(medio.find('-', i), medio.size());
        const std::string pieza = medio.substr(i, fin - i);
        if (pieza.empty() || pieza.size() > 2 ||
            !std::all_of(pieza.begin(), pieza.end(),
                         [](unsigned char ch) { return std::isdigit(ch); }))
            return false;
        partes.push_back(std::stoi(pieza));
        i = fin + 1;
    }
    if (partes.size() < 3 || partes.size() > 5)
        return false;
    n = partes[0];
    garantia = partes[1];
    fijos.assign(partes.begin() + 2, partes.end());
    return true;
}

} // namespace numbrela
