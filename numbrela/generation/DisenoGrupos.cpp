#include "generation/DisenoGrupos.h"

#include <algorithm>
#include <bit>

#include "generation/GarantiaReduccion.h"

namespace numbrela {

std::vector<TMascara> UneDosGrupos(int a, const std::vector<TMascara>& triplesA,
                                   const std::vector<TMascara>& cuatrosB)
{
    std::vector<TMascara> r = triplesA;
    for (TMascara b : cuatrosB)
        r.push_back(b << a);
    return r;
}

std::vector<TMascara> RestringeUno(int n, int k, const std::vector<TMascara>& apuestas)
{
    const TMascara ultima = TMascara{1} << (n - 1);
    std::vector<TMascara> r;
    for (TMascara b : apuestas) {
        if (b & ultima) {
            b &= ~ultima;
            b |= ~b & (b + 1); // the lowest position it lacks
        }
        r.push_back(b);
    }
    std::sort(r.begin(), r.end());
    r.erase(std::unique(r.begin(), r.end()), r.end());
    for (std::size_t i = r.size(); i-- > 0;) {
        const TMascara b = r[i];
        r.erase(r.begin() + static_cast<std::ptrdiff_t>(i));
        if (SorteoSinPremio(n - 1, k, r))
            r.insert(r.begin() + static_cast<std::ptrdiff_t>(i), b);
    }
    return r;
}

} // namespace numbrela
