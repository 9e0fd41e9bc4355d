#pragma once
// A reduced-systems engine for tests: unranks by counting, position by position, how many
// combinations start with each candidate (the obvious way, not the planner's tables).
#include <cstdint>
#include <string>

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
    bool PrimitivaReducida(TConjuntoApuestas&, std::string& error) override
    {
        error = "sin ficheros de reducciones en esta prueba";
        return false;
    }
    void Calcular(int n) override { n_ = n; }
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
