// Writes the delivered reduction files COMn-k.RLV (n = 7..49, k = 3, 4, 5) into the folder
// given on the command line. The build runs it; the same bytes come out on every machine
// and with every compiler, since everything here is integer arithmetic on fixed seeds.
//
// How each file is built:
//  - al 3 and al 4 for every n, and al 5 for n up to 30: the first-fit greedy in rank
//    order (keep a combination when no kept one shares k or more positions with it), the
//    same search that generates systems with fixed numbers, run with none. Its sizes are
//    exactly the table of reductions.
//  - al 5 for n from 31 to 49, where the rank-order greedy gives other sizes: the same
//    first-fit greedy over a pseudo-random order of the ranks (a Fisher-Yates shuffle
//    driven by SplitMix64 with a fixed seed per n), which covers with fewer bets than the
//    table; then the smallest ranks not yet taken are added until the count is exactly the
//    table's (more bets keep the guarantee). The file holds the ranks in ascending order.
// Every count is checked against the table; a mismatch fails the build.
//
// Usage: numbrela_genera_reducciones FOLDER [K...]   (default: 3 4 5)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "generation/CoberturaVoraz.h"
#include "generation/NombresReduccion.h"
#include "generation/TablaRangos.h"
#include "generation/TablaReducciones.h"

namespace {

using namespace numbrela;

struct SplitMix64 {
    std::uint64_t estado;
    std::uint64_t operator()()
    {
        std::uint64_t z = (estado += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

std::vector<std::uint32_t> VorazEnOrdenDeRango(int n, int k)
{
    std::vector<std::uint32_t> r;
    CoberturaVoraz(n, k, {}, [&](std::uint32_t x) {
        r.push_back(x);
        return true;
    });
    return r;
}

// First-fit greedy over a shuffled order for guarantee 5: a kept combination covers
// itself and the 6(n - 6) combinations that differ from it in one position.
std::vector<std::uint32_t> VorazAlCincoBarajado(int n, std::uint32_t objetivo)
{
    TablaRangos tabla;
    tabla.Calcular(n);
    const std::uint32_t total = tabla.Total();
    std::vector<std::uint32_t> orden(total);
    for (std::uint32_t i = 0; i < total; ++i)
        orden[i] = i + 1;
    SplitMix64 azar{0x4E554D4252454C41ull + static_cast<std::uint64_t>(n)};
    for (std::uint32_t i = total - 1; i > 0; --i) {
        const auto j = static_cast<std::uint32_t>(azar() % (std::uint64_t{i} + 1));
        std::swap(orden[i], orden[j]);
    }
    std::vector<std::uint64_t> cubierta((std::uint64_t{total} + 64) / 64, 0);
    auto marca = [&](std::uint32_t r) { cubierta[r >> 6] |= std::uint64_t{1} << (r & 63); };
    std::vector<std::uint32_t> elegidas;
    for (std::uint32_t r : orden) {
        if (cubierta[r >> 6] >> (r & 63) & 1)
            continue;
        elegidas.push_back(r);
        std::uint8_t p[6];
        tabla.TomarCombinacion(r, p);
        marca(r);
        for (int i = 0; i < 6; ++i) {
            // Replace position p[i] by every q outside the combination, keeping order.
            for (int q = 1; q <= n; ++q) {
                if (std::find(p, p + 6, q) != p + 6)
                    continue;
                std::uint8_t v[6];
                int w = 0;
                bool puesto = false;
                for (int j = 0; j < 6; ++j) {
                    if (j == i)
                        continue;
                    if (!puesto && q < p[j]) {
                        v[w++] = static_cast<std::uint8_t>(q);
                        puesto = true;
                    }
                    v[w++] = p[j];
                }
                if (!puesto)
                    v[w++] = static_cast<std::uint8_t>(q);
                marca(tabla.Rango(v));
            }
        }
    }
    if (elegidas.size() > objetivo)
        return elegidas;  // the caller reports the mismatch
    std::sort(elegidas.begin(), elegidas.end());
    // Complete with the smallest ranks not taken yet.
    std::vector<std::uint32_t> todas;
    todas.reserve(objetivo);
    std::size_t i = 0;
    for (std::uint32_t r = 1; todas.size() < objetivo && r <= total; ++r) {
        if (i < elegidas.size() && elegidas[i] == r) {
            todas.push_back(r);
            ++i;
        } else if (todas.size() + (elegidas.size() - i) < objetivo) {
            todas.push_back(r);
        }
    }
    return todas;
}

bool Escribe(const std::filesystem::path& carpeta, const std::string& nombre,
             const std::vector<std::uint32_t>& rangos)
{
    std::string bytes;
    bytes.reserve(rangos.size() * 4);
    for (std::uint32_t r : rangos)
        for (int b = 0; b < 4; ++b)
            bytes.push_back(static_cast<char>(r >> (8 * b) & 0xFF));
    const auto destino = carpeta / nombre;
    const auto temporal = carpeta / (nombre + ".tmp");
    {
        std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        f.flush();
        if (!f)
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporal, destino, ec);
    return !ec;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "Uso: " << argv[0] << " CARPETA [K...]\n";
        return 2;
    }
    const std::filesystem::path carpeta = argv[1];
    std::vector<int> garantias;
    for (int i = 2; i < argc; ++i)
        garantias.push_back(std::atoi(argv[i]));
    if (garantias.empty())
        garantias = {3, 4, 5};
    std::error_code ec;
    std::filesystem::create_directories(carpeta, ec);
    for (int k : garantias) {
        if (k < 3 || k > 5) {
            std::cerr << "Garantía fuera de 3..5: " << k << "\n";
            return 2;
        }
        for (const TFilaReduccion& fila : kTablaReducciones) {
            const int n = fila.Numeros;
            const std::uint32_t objetivo = fila.Apuestas(k);
            const auto rangos = (k == 5 && n > 30) ? VorazAlCincoBarajado(n, objetivo)
                                                   : VorazEnOrdenDeRango(n, k);
            const std::string nombre = NombreRlv(n, k);
            if (rangos.size() != objetivo) {
                std::cerr << nombre << ": " << rangos.size() << " apuestas, la tabla dice " << objetivo << "\n";
                return 1;
            }
            if (!Escribe(carpeta, nombre, rangos)) {
                std::cerr << "Error creando el archivo " << (carpeta / nombre).string() << "\n";
                return 1;
            }
        }
    }
    return 0;
}
