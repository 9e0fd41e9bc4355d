#pragma once
// A small reduced-systems engine for the tests: ranks are unranked by walking binomial
// counts (not the program's row tables), and "reduction files" are lists of ranks held in
// memory, keyed by n and kind.
#include <map>
#include <utility>
#include <vector>

#include "model/ConjuntoApuestas.h"

namespace numbrela::pruebas {

inline std::uint64_t Binomial(int n, int k)
{
    if (k < 0 || n < k)
        return 0;
    std::uint64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return r;
}

class MotorPruebas : public TMotorReducidas {
public:
    std::map<std::pair<int, int>, std::vector<std::uint32_t>> Sistemas; // (n, kind) -> ranks
    int Calculos = 0;

    bool PrimitivaReducida(TConjuntoApuestas& c, std::string& error) override
    {
        const auto it = Sistemas.find({c.Cabecera.TotalReducidos, c.Cabecera.TipoReduccion});
        if (it == Sistemas.end()) {
            error = "Error: Se ha producido un error leyendo el archivo o el archivo no existe";
            return false;
        }
        c.BufferRangos = it->second;
        c.AciertosReducida.assign(it->second.size(), 0);
        c.Cabecera.TotalApuestas = static_cast<std::int32_t>(it->second.size());
        // A reduction file's trailing header carries no name and no draw.
        c.Cabecera.Nombre.clear();
        c.Cabecera.Sorteo = TSorteo{};
        const int primeras = static_cast<int>(std::min<std::size_t>(it->second.size(), 8));
        c.Apuestas.assign(static_cast<std::size_t>(primeras), TApuestas{});
        c.DelBufferALaApuesta(0, primeras);
        return true;
    }
    void Calcular(int n) override
    {
        n_ = n;
        ++Calculos;
    }
    void TomarCombinacion(std::uint32_t rango, std::uint8_t pos[6]) const override
    {
        std::uint64_t a = rango;
        int desde = 1;
        for (int t = 0; t < 6; ++t) {
            for (int p = desde;; ++p) {
                const std::uint64_t bloque = Binomial(n_ - p, 5 - t);
                if (a <= bloque) {
                    pos[t] = static_cast<std::uint8_t>(p);
                    desde = p + 1;
                    break;
                }
                a -= bloque;
            }
        }
    }

private:
    int n_ = 0;
};

} // namespace numbrela::pruebas
