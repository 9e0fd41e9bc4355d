#include "model/Apuestas.h"

namespace numbrela {

bool TApuestas::Marca(int numero)
{
    if (numero < 1 || numero > kNumeros || Marcas[numero] != 0)
        return false;
    Marcas[numero] = static_cast<std::uint8_t>(numero);
    ++Cruces;
    return true;
}

bool TApuestas::Desmarca(int numero)
{
    if (numero < 1 || numero > kNumeros || Marcas[numero] == 0)
        return false;
    Marcas[numero] = 0;
    --Cruces;
    return true;
}

void TApuestas::BorraMarcas()
{
    Marcas.fill(0);
    Cruces = 0;
}

void TApuestas::EmpaquetaNumeros()
{
    NumerosOrdenados.fill(0);
    int k = 0;
    for (int i = 1; i <= kNumeros && k < kMaxCruces; ++i)
        if (Marcas[i] != 0)
            NumerosOrdenados[++k] = static_cast<std::uint8_t>(i);
}

void MeterNumeros(TApuestas& apuesta, const std::uint8_t numeros[kNumerosPorApuesta])
{
    apuesta.BorraMarcas();
    for (int i = 0; i < kNumerosPorApuesta; ++i)
        apuesta.Marca(numeros[i]);
}

void PuntuarApuesta(TApuestas& apuesta, const TSorteo& sorteo)
{
    int aciertos = 0;
    for (std::uint8_t n : sorteo.Numeros)
        if (n >= 1 && n <= kNumeros && apuesta.Marcas[n] != 0)
            ++aciertos;
    apuesta.Aciertos = static_cast<std::uint8_t>(aciertos);
    const std::uint8_t c = sorteo.Complementario;
    apuesta.ConComplementario = (c >= 1 && c <= kNumeros && apuesta.Marcas[c] != 0) ? 1 : 0;
}

} // namespace numbrela
