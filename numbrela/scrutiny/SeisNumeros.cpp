#include "scrutiny/SeisNumeros.h"

namespace numbrela {

void SeisNumeros::Empaquetados(const TApuestas& apuesta, std::uint8_t* numeros, int cuantos)
{
    int k = 0;
    for (int v = 1; v <= kNumeros && k < cuantos; ++v)
        if (apuesta.Marcas[v] != 0)
            numeros[k++] = static_cast<std::uint8_t>(v);
    for (; k < cuantos; ++k)
        numeros[k] = 0;
}

bool SeisNumeros::DeApuesta(const TConjuntoApuestas& conjunto, std::int64_t indice,
                            std::array<std::uint8_t, 6>& numeros, int& aciertos,
                            bool& complementario)
{
    if (indice < 0)
        return false;
    const auto i = static_cast<std::size_t>(indice);
    if (conjunto.Tipo() == TipoApuesta::Simple) {
        if (i >= conjunto.Apuestas.size())
            return false;
        const TApuestas& a = conjunto.Apuestas[i];
        Empaquetados(a, numeros.data(), 6);
        aciertos = a.Aciertos;
        complementario = a.ConComplementario != 0;
        return true;
    }
    const int n = conjunto.Cabecera.TotalReducidos;
    if (i >= conjunto.BufferRangos.size() || conjunto.Motor() == nullptr || n < 6 || n > kNumeros)
        return false;
    std::uint8_t pos[kNumerosPorApuesta];
    conjunto.Motor()->TomarCombinacion(conjunto.BufferRangos[i], pos);
    for (int t = 0; t < kNumerosPorApuesta; ++t)
        numeros[static_cast<std::size_t>(t)] =
            pos[t] >= 1 && pos[t] <= n ? conjunto.Cabecera.ListaReducidos[pos[t] - 1u] : 0;
    const std::uint8_t b = i < conjunto.AciertosReducida.size() ? conjunto.AciertosReducida[i] : 0;
    aciertos = b & 0x7f;
    complementario = b >= 128;
    return true;
}

} // namespace numbrela
