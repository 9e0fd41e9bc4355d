#include "scrutiny/Simulacion.h"

#include <vector>

#include "scrutiny/MascarasApuestas.h"
#include "scrutiny/PlanosApuestas.h"

namespace numbrela {

TSorteo Simulacion::RealizarMatriz(TGeneradorAleatorio& generador, const SemillaReloj& reloj)
{
    std::array<bool, kNumeros + 1> sacado{};
    int sacados = 0;
    int ultimo = 0;
    while (sacados < 7) {
        const int v = static_cast<int>(generador.Siguiente(kNumeros)) + 1;
        if (sacado[static_cast<std::size_t>(v)])
            continue;
        sacado[static_cast<std::size_t>(v)] = true;
        ultimo = v;
        ++sacados;
        generador.Siembra(generador.Siguiente(870000));
    }
    TSorteo s;
    s.Complementario = static_cast<std::uint8_t>(ultimo);
    sacado[static_cast<std::size_t>(ultimo)] = false;
    std::size_t k = 0;
    for (int v = 1; v <= kNumeros; ++v)
        if (sacado[static_cast<std::size_t>(v)])
            s.Numeros[k++] = static_cast<std::uint8_t>(v);
    generador.Siembra(reloj ? reloj() : 0);
    return s;
}

bool Simulacion::Simula(const TConjuntoApuestas& conjunto, std::int64_t sorteos,
                        TGeneradorAleatorio& generador, const SemillaReloj& reloj, const Paso& paso,
                        TContadoresSimulacion& c)
{
    c = {};
    std::vector<std::uint64_t> mascaras;
    bool sigue = true;
    if (!MascarasApuestas::Expande(conjunto, mascaras, [&] {
            if (paso && sigue)
                sigue = paso(0, c);
        }))
        return false;
    if (!sigue)
        return true;
    const PlanosApuestas planos(mascaras);
    TCuentaPremios total;
    for (std::int64_t k = 1; k <= sorteos; ++k) {
        planos.Cuenta(RealizarMatriz(generador, reloj), total);
        c.Seis = total.Seis;
        c.CincoMasC = total.CincoMasC;
        c.Cinco = total.Cinco;
        c.Cuatro = total.Cuatro;
        c.Tres = total.Tres;
        c.Fallos = total.Fallos;
        if (paso && !paso(k, c))
            break;
    }
    return true;
}

std::optional<std::int64_t> Simulacion::LeeCuenta(const std::string& texto, std::string& error)
{
    std::size_t i = 0, f = texto.size();
    while (i < f && texto[i] == ' ')
        ++i;
    while (f > i && texto[f - 1] == ' ')
        --f;
    bool ok = i < f && f - i <= 6;
    std::int64_t n = 0;
    for (std::size_t k = i; ok && k < f; ++k) {
        ok = texto[k] >= '0' && texto[k] <= '9';
        n = n * 10 + (texto[k] - '0');
    }
    if (!ok) {
        error = "ERROR: Indique cuántos sorteos desea realizar (de 0 a 999999)";
        return std::nullopt;
    }
    return n;
}

std::array<std::string, 6> Simulacion::Lineas(const TContadoresSimulacion& c)
{
    return {"6: " + std::to_string(c.Seis),  "5C: " + std::to_string(c.CincoMasC),
            "5: " + std::to_string(c.Cinco), "4: " + std::to_string(c.Cuatro),
            "3: " + std::to_string(c.Tres),  "F: " + std::to_string(c.Fallos)};
}

} // namespace numbrela
