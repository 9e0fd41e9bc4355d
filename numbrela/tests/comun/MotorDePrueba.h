#pragma once
// The reduced-systems engine of the tests: unranks by counting, position by position, how
// many combinations start with each candidate (the obvious way, not the planner's tables),
// and its "reduction files" are lists of ranks held in memory, keyed by n and kind.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/ConjuntoApuestas.h"
#include "model/MotorReducidas.h"

namespace numbrela::prueba {

inline std::uint64_t Binomial(int n, int k)
{
    if (k < 0 || n < k)
        return 0;
    std::uint64_t c = 1;
    for (int i = 0; i < k; ++i)
        c = c * static_cast<std::uint64_t>(n - i) / static_cast<std::uint64_t>(i + 1);
    return c;
}

// Rank (1-based, lexicographic) of six ascending positions out of n.
inline std::uint32_t Rango(int n, const int pos[6])
{
    std::uint64_t rango = 1;
    int previo = 0;
    for (int t = 0; t < 6; ++t) {
        for (int v = previo + 1; v < pos[t]; ++v)
            rango += Binomial(n - v, 5 - t);
        previo = pos[t];
    }
    return static_cast<std::uint32_t>(rango);
}

class MotorDePrueba : public TMotorReducidas {
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
    void TomarCombinacion(std::uint32_t rango, std::uint8_t posiciones[6]) const override
    {
        std::uint64_t a = rango;
        int v = 0;
        for (int t = 0; t < 6; ++t) {
            for (++v;; ++v) {
                const std::uint64_t resto = Binomial(n_ - v, 5 - t);
                if (a <= resto)
                    break;
                a -= resto;
            }
            posiciones[t] = static_cast<std::uint8_t>(v);
        }
    }

private:
    int n_ = 49;
};

} // namespace numbrela::prueba
