#include "printing/GeometriaImpresion.h"

namespace numbrela {

std::optional<TPunto> TGeometriaImpresion::Celda(TPunto origen, int numero) const
{
    if (numero < 1 || numero > 49)
        return std::nullopt;
    const int fila = numero / 10; // the decade: 1..9 row 0, 10..19 row 1, ...
    return TPunto{origen.X + (10 * fila + 9 - numero) * DistanciaA, origen.Y + fila * DistanciaB};
}

void MueveOrigen(TGeometriaImpresion& g, TFlecha flecha)
{
    switch (flecha) {
    case TFlecha::Arriba:
        ++g.PosX;
        break;
    case TFlecha::Abajo:
        --g.PosX;
        break;
    case TFlecha::Izquierda:
        --g.PosY;
        break;
    case TFlecha::Derecha:
        ++g.PosY;
        break;
    }
}

std::optional<long long> LeeEntero(const std::string& texto)
{
    std::size_t i = 0;
    std::size_t fin = texto.size();
    while (i < fin && texto[i] == ' ')
        ++i;
    while (fin > i && texto[fin - 1] == ' ')
        --fin;
    bool negativo = false;
    if (i < fin && (texto[i] == '-' || texto[i] == '+'))
        negativo = texto[i++] == '-';
    if (i == fin || fin - i > 9)
        return std::nullopt; // empty, or longer than any field of the planner
    long long valor = 0;
    for (; i < fin; ++i) {
        if (texto[i] < '0' || texto[i] > '9')
            return std::nullopt;
        valor = valor * 10 + (texto[i] - '0');
    }
    return negativo ? -valor : valor;
}

std::optional<std::string> ActivarValores(TGeometriaImpresion& g,
                                          const std::array<std::string, 4>& campos)
{
    int* destinos[4] = {&g.DistanciaA, &g.DistanciaB, &g.PosX, &g.PosY};
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const auto valor = LeeEntero(campos[i]);
        if (!valor)
            return std::string(kMsgValoresGeometria);
        *destinos[i] = static_cast<int>(*valor);
    }
    return std::nullopt;
}

} // namespace numbrela
