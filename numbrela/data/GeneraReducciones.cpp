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
//    first-fit greedy over a pseudo-random order of the ranks (a fixed bijection of the
//    ranks built from xor-shifts and odd multipliers, keyed by n; see Permutacion), which
//    covers with fewer bets than the table; then the smallest ranks not yet taken are added until
//    the count is exactly the table's (more bets keep the guarantee). The file holds the ranks in
//    ascending order.
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

// A pseudo-random permutation of 0..total-1 without storing it: a bijection of b-bit
// integers (add a key, then xor-shifts and multiplications by odd constants, each
// invertible modulo 2^b), applied again while the result falls outside the range (cycle
// walking keeps it a bijection of 0..total-1).
class Permutacion {
public:
    Permutacion(std::uint32_t total, std::uint64_t clave) : total_(total), clave_(clave)
    {
        while ((std::uint64_t{1} << bits_) < total)
            ++bits_;
        mascara_ = (std::uint64_t{1} << bits_) - 1;
    }
    std::uint32_t operator()(std::uint32_t i) const
    {
        std::uint64_t x = i;
        do
            x = Mezcla(x);
        while (x >= total_);
        return static_cast<std::uint32_t>(x);
    }

private:
    std::uint64_t Mezcla(std::uint64_t x) const
    {
        const int d = bits_ / 2 + 1;
        x = (x + clave_) & mascara_;
        x ^= x >> d;
        x = (x * 0x9E3779B97F4A7C15ull) & mascara_;
        x ^= x >> d;
        x = (x * 0xBF58476D1CE4E5B9ull) & mascara_;
        x ^= x >> d;
        x = (x * 0x94D049BB133111EBull) & mascara_;
        x ^= x >> d;
        return x;
    }

    std::uint32_t total_;
    std::uint64_t clave_;
    int bits_ = 1;
    std::uint64_t mascara_ = 1;
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
    const Permutacion orden(total, 0x4E554D4252454C41ull + static_cast<std::uint64_t>(n));
    std::vector<std::uint64_t> cubierta((std::uint64_t{total} + 64) / 64, 0);
    auto marca = [&](std::uint32_t r) { cubierta[r >> 6] |= std::uint64_t{1} << (r & 63); };
    std::vector<std::uint32_t> elegidas;
    for (std::uint32_t i = 0; i < total; ++i) {
        const std::uint32_t r = orden(i) + 1;
        if (cubierta[r >> 6] >> (r & 63) & 1)
            continue;
        elegidas.push_back(r);
        std::uint8_t p[6];
        tabla.TomarCombinacion(r, p);
        marca(r);
        // Replace p[i] by every q outside the combination. With the other five w[0..4]
        // and q going into place j, the rank is total - (A[j] + C(n - q, 6 - j) + B[j])
        // (0-based places; see TablaRangos::Rango), where A[j] sums the terms of w[0..j-1]
        // in their places and B[j] those of w[j..4] one place further on.
        bool dentro[kNumeros + 2] = {};
        for (std::uint8_t x : p)
            dentro[x] = true;
        for (int i = 0; i < 6; ++i) {
            int w[5];
            for (int t = 0, u = 0; t < 6; ++t)
                if (t != i)
                    w[u++] = p[t];
            std::uint32_t a[6], b[6];
            a[0] = 0;
            for (int j = 1; j <= 5; ++j)
                a[j] = a[j - 1] + kBinomio(n - w[j - 1], 6 - (j - 1));
            b[5] = 0;
            for (int j = 4; j >= 0; --j)
                b[j] = b[j + 1] + kBinomio(n - w[j], 6 - (j + 1));
            int j = 0;
            for (int q = 1; q <= n; ++q) {
                while (j < 5 && w[j] < q)
                    ++j;
                if (dentro[q])
                    continue;
                marca(total - (a[j] + kBinomio(n - q, 6 - j) + b[j]));
            }
        }
    }
    if (elegidas.size() > objetivo)
        return elegidas; // the caller reports the mismatch
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
            const auto rangos =
                (k == 5 && n > 30) ? VorazAlCincoBarajado(n, objetivo) : VorazEnOrdenDeRango(n, k);
            const std::string nombre = NombreRlv(n, k);
            if (rangos.size() != objetivo) {
                std::cerr << nombre << ": " << rangos.size() << " apuestas, la tabla dice "
                          << objetivo << "\n";
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
