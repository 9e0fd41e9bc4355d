// Feeds arbitrary bytes to the bet-file reader, then exercises everything that reads the
// set afterwards (visiting its simple bets, writing it again), so that whatever state a
// damaged file leaves behind is safe to use.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "files/FicheroApuestas.h"

namespace {

class SalidaNula : public numbrela::TSalidaApuestas {
public:
    bool Escribe(std::span<const std::uint8_t> b) override
    {
        total += b.size();
        return true;
    }
    std::size_t total = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace numbrela;
    TConjuntoApuestas conjunto;  // no engine: a reduced set must fail cleanly
    const auto r = FicheroApuestas::Lee(conjunto, std::span(data, size), "fuzz.apu");
    if (conjunto.Tipo() == TipoApuesta::Simple &&
        conjunto.Apuestas.size() != static_cast<std::size_t>(conjunto.TotalApuestas()))
        __builtin_trap();
    std::int64_t vistas = 0;
    conjunto.VisitaApuestasSimples([&](const TApuestaSimple&) { ++vistas; });
    for (int b = 0; b <= conjunto.Cabecera.UltimoBoleto && b < 4; ++b)
        conjunto.ApuestasEnBoleto(b);
    (void)conjunto.TextoLeyenda();
    if (r.Ok) {
        SalidaNula salida;
        std::string error;
        FicheroApuestas::EscribeApuestas(conjunto, salida, error);
    }
    return 0;
}
