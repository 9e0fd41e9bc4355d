#include "scrutiny/MascarasApuestas.h"

namespace numbrela {
std::uint64_t MascarasApuestas::MascaraNumero(int numero)
{
    return numero >= 1 && numero <= kNumeros ? std::uint64_t{1} << numero : 0;
}

std::uint64_t MascarasApuestas::Mascara(const TApuestas& apuesta)
{
    std::uint64_t m = 0;
    for (int v = 1; v <= kNumeros; ++v)
        if (apuesta.Marcas[v] != 0)
            m |= std::uint64_t{1} << v;
    return m;
}

std::uint64_t MascarasApuestas::MascaraGanadores(const TSorteo& sorteo)
{
    std::uint64_t m = 0;
    for (std::uint8_t v : sorteo.Numeros)
        m |= MascaraNumero(v);
    return m;
}

bool MascarasApuestas::Expande(const TConjuntoApuestas& conjunto,
                               std::vector<std::uint64_t>& mascaras,
                               const std::function<void()>& cadaBloque)
{
    mascaras.clear();
    switch (conjunto.Tipo()) {
    case TipoApuesta::Simple:
        mascaras.reserve(conjunto.Apuestas.size());
        for (const TApuestas& a : conjunto.Apuestas)
            mascaras.push_back(Mascara(a));
        return true;
    case TipoApuesta::Multiple:
        if (!conjunto.Apuestas.empty())
            mascaras.push_back(Mascara(conjunto.Apuestas[0]));
        return true;
    case TipoApuesta::Reducida: {
        TMotorReducidas* motor = conjunto.Motor();
        const int n = conjunto.Cabecera.TotalReducidos;
        if (motor == nullptr || n < kNumerosPorApuesta || n > kNumeros)
            return conjunto.BufferRangos.empty() && motor != nullptr;
        motor->Calcular(n);
        // The positions' numbers once, so each bet is six table reads.
        std::array<std::uint64_t, kNumeros + 1> bits{};
        for (int p = 1; p <= n; ++p)
            bits[static_cast<std::size_t>(p)] =
                MascaraNumero(conjunto.Cabecera.ListaReducidos[static_cast<std::size_t>(p - 1)]);
        mascaras.resize(conjunto.BufferRangos.size());
        for (std::size_t i = 0; i < conjunto.BufferRangos.size(); ++i) {
            std::uint8_t pos[kNumerosPorApuesta];
            motor->TomarCombinacion(conjunto.BufferRangos[i], pos);
            std::uint64_t m = 0;
            for (std::uint8_t p : pos)
                m |= p <= n ? bits[p] : 0;
            mascaras[i] = m;
            if (cadaBloque && (i + 1) % 16384 == 0)
                cadaBloque();
        }
        return true;
    }
    case TipoApuesta::Ninguno:
        return true;
    }
    return true;
}

} // namespace numbrela
