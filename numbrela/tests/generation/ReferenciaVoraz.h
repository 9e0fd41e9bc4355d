#pragma once
// The greedy search for reduced systems exactly as the planner has always run it: unrank
// every combination in rank order, skip those without every fixed position, and compare
// each candidate with every chosen bet position by position (36 comparisons a pair),
// dropping it at the first chosen bet that shares k or more. Slow (hours for large n),
// kept as the reference the fast search must match rank for rank.
#include <cstdint>
#include <vector>

#include "generation/TablaRangos.h"
#include "model/Apuestas.h"

namespace numbrela::referencia {

inline std::vector<std::uint32_t> CreaCombFijosLento(int n, int k,
                                                     const std::vector<std::uint8_t>& fijos)
{
    TablaRangos tabla;
    tabla.Calcular(n);
    std::vector<TApuestitas> elegidas;
    std::vector<std::uint32_t> rangos;
    const std::uint32_t total = tabla.Total();
    for (std::uint32_t rango = 1; rango <= total; ++rango) {
        TApuestitas c;
        tabla.TomarCombinacion(rango, &c.Posiciones[1]);
        bool conFijos = true;
        for (std::uint8_t f : fijos) {
            bool esta = false;
            for (int t = 1; t <= 6; ++t)
                if (c.Posiciones[t] == f)
                    esta = true;
            conFijos = conFijos && esta;
        }
        if (!conFijos)
            continue;
        bool cubierta = false;
        for (const TApuestitas& e : elegidas) {
            int comunes = 0;
            for (int i = 1; i <= 6; ++i)
                for (int j = 1; j <= 6; ++j)
                    if (c.Posiciones[i] == e.Posiciones[j])
                        ++comunes;
            if (comunes >= k) {
                cubierta = true;
                break;
            }
        }
        if (!cubierta) {
            elegidas.push_back(c);
            rangos.push_back(rango);
        }
    }
    return rangos;
}

} // namespace numbrela::referencia
