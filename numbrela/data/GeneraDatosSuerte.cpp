// Writes the data files of the luck tools and of Azarix into the folder given:
//   AZARIX.DAT  ranks of 6-of-49 combinations that look like real draws
//   BRMO.DAT    biorhythm bar heights 0..206 following three overlapping cycles
//   LUCKY.DAT   numbers 1..49, any three in a row distinct
// Everything comes from fixed seeds and integer arithmetic, so every build writes the
// same bytes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "generation/Azar.h"
#include "luck/Biorritmo.h"
#include "luck/FechaSorteo.h"
#include "luck/Usuario.h"
#include "model/ConjuntoApuestas.h"

namespace {

using numbrela::TAzar;

bool Escribe(const std::filesystem::path& ruta, const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::path temporal = ruta;
    temporal += ".tmp";
    {
        std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
        f.flush();
        if (!f)
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporal, ruta, ec);
    return !ec;
}

std::uint64_t Binomial(int n, int k)
{
    if (k < 0 || n < k)
        return 0;
    std::uint64_t c = 1;
    for (int i = 0; i < k; ++i)
        c = c * static_cast<std::uint64_t>(n - i) / static_cast<std::uint64_t>(i + 1);
    return c;
}

// Lexicographic rank (1-based) of six ascending numbers out of 49.
std::uint32_t Rango(const std::array<int, 6>& c)
{
    std::uint64_t rango = 1;
    int previo = 0;
    for (int t = 0; t < 6; ++t) {
        for (int v = previo + 1; v < c[t]; ++v)
            rango += Binomial(49 - v, 5 - t);
        previo = c[t];
    }
    return static_cast<std::uint32_t>(rango);
}

// A combination looks like a real draw when its sum lies in the middle band where most
// draws fall, odd and even numbers are mixed, it spreads over at least three decades of
// the slip, and it holds no run of three consecutive numbers.
bool PareceSorteo(const std::array<int, 6>& c)
{
    int suma = 0, impares = 0;
    std::array<bool, 5> decenas{};
    for (int n : c) {
        suma += n;
        impares += n % 2;
        decenas[static_cast<std::size_t>(n / 10)] = true;
    }
    const auto distintas = std::count(decenas.begin(), decenas.end(), true);
    for (int i = 0; i + 2 < 6; ++i)
        if (c[i + 1] == c[i] + 1 && c[i + 2] == c[i] + 2)
            return false;
    return suma >= 110 && suma <= 190 && impares >= 2 && impares <= 4 && distintas >= 3;
}

std::vector<std::uint8_t> Azarix()
{
    // The last record a draw date can point at, plus the largest simple set.
    const std::int64_t ultimo = 12 * 31 * 100 + numbrela::kUltimoAnioSorteo - 12 * 23;
    const std::int64_t registros = ultimo + numbrela::kMaxApuestasSimples;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(registros) * 4);
    TAzar azar(0x417A61726978ull); // "Azarix"
    while (static_cast<std::int64_t>(bytes.size()) < registros * 4) {
        std::array<bool, 50> tomado{};
        std::array<int, 6> c{};
        for (int k = 0; k < 6;) {
            const int n = azar.Uniforme(1, 49);
            if (!tomado[static_cast<std::size_t>(n)]) {
                tomado[static_cast<std::size_t>(n)] = true;
                c[static_cast<std::size_t>(k++)] = n;
            }
        }
        std::sort(c.begin(), c.end());
        if (!PareceSorteo(c))
            continue;
        const std::uint32_t r = Rango(c);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(r >> (8 * i)));
    }
    return bytes;
}

// sin(x) × 1000 for x in thousandths of a degree, by Bhaskara's rational approximation
// (error under 0.2 %), in integers so that no library's rounding can change a byte.
std::int64_t Seno(std::int64_t x)
{
    x %= 360000;
    const bool negativo = x >= 180000;
    if (negativo)
        x -= 180000;
    const std::int64_t a = x * (180000 - x);
    const std::int64_t s = 4000 * a / (40500000000ll - a);
    return negativo ? -s : s;
}

std::vector<std::uint8_t> Biorritmos()
{
    // Highest offset: a name of 200 characters of code 255, and the month and year of the
    // window that give the largest base and step.
    std::int64_t maximo = 0;
    for (int anio = numbrela::kPrimerAnioBiorritmo; anio <= numbrela::kUltimoAnioBiorritmo; ++anio)
        for (int mes = 1; mes <= 12; ++mes) {
            const auto b = numbrela::DesplazamientosBiorritmo("", mes, anio);
            const std::int64_t ultimo =
                b.Barras[static_cast<std::size_t>(b.Dias - 1)].Desplazamiento;
            maximo = std::max(
                maximo, ultimo + 255 * static_cast<std::int64_t>(numbrela::kMaxNombreUsuario));
        }
    const std::size_t tam = static_cast<std::size_t>((maximo + 1 + 1023) / 1024 * 1024);
    std::vector<std::uint8_t> bytes(tam);
    // Three cycles of 23, 28 and 33 bytes weighted 5:3:2 around the middle of the chart.
    const int medio = numbrela::kAlturaMaximaBarra / 2;
    for (std::size_t i = 0; i < tam; ++i) {
        const auto d = static_cast<std::int64_t>(i);
        const std::int64_t mezcla = 5 * Seno(d % 23 * 360000 / 23) +
                                    3 * Seno(d % 28 * 360000 / 28) +
                                    2 * Seno(d % 33 * 360000 / 33); // -10000..10000
        const std::int64_t h = medio + mezcla * medio / 10000;
        bytes[i] =
            static_cast<std::uint8_t>(std::clamp<std::int64_t>(h, 0, numbrela::kAlturaMaximaBarra));
    }
    return bytes;
}

std::vector<std::uint8_t> Suerte()
{
    // Offsets reach (12 + year + 31) div 3 for every year the user window takes; three
    // bytes are read there.
    const std::size_t tam = static_cast<std::size_t>((12 + numbrela::kMaxAnioUsuario + 31) / 3 + 3);
    std::vector<std::uint8_t> bytes;
    TAzar azar(0x4C55434B59ull); // "LUCKY"
    while (bytes.size() < tam) {
        const int n = azar.Uniforme(1, 49);
        const std::size_t k = bytes.size();
        if ((k >= 1 && bytes[k - 1] == n) || (k >= 2 && bytes[k - 2] == n))
            continue;
        bytes.push_back(static_cast<std::uint8_t>(n));
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "uso: " << argv[0] << " CARPETA\n";
        return 2;
    }
    const std::filesystem::path carpeta = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(carpeta, ec);
    if (!Escribe(carpeta / "AZARIX.DAT", Azarix()) ||
        !Escribe(carpeta / "BRMO.DAT", Biorritmos()) || !Escribe(carpeta / "LUCKY.DAT", Suerte())) {
        std::cerr << "no se pudieron escribir los datos en " << carpeta << "\n";
        return 1;
    }
    return 0;
}
