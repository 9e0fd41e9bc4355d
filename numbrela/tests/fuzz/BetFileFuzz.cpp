// Feeds arbitrary bytes to the bet-file reader, then exercises everything that reads the
// set afterwards (visiting its simple bets, scoring the stored draw, the tally, the
// listing's pages, the printed document, writing it again), so that whatever state a
// damaged file leaves behind is safe to use.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "../comun/MotorDePrueba.h"
#include "files/FicheroApuestas.h"
#include "scrutiny/DocumentoListado.h"
#include "scrutiny/Escrutinio.h"
#include "scrutiny/ListadoApuestas.h"

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

// A reduced system for every n and kind: its first and last combination.
numbrela::prueba::MotorDePrueba& Motor()
{
    static numbrela::prueba::MotorDePrueba motor = [] {
        numbrela::prueba::MotorDePrueba m;
        for (int n = 7; n <= 49; ++n)
            for (int k = 0; k <= 4; ++k)
                m.Sistemas[{n, k}] = {1u,
                                      static_cast<std::uint32_t>(numbrela::prueba::Binomial(n, 6))};
        return m;
    }();
    return motor;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace numbrela;
    TConjuntoApuestas conjunto(size % 2 == 0 ? &Motor() : nullptr);
    const auto r = FicheroApuestas::Lee(conjunto, std::span(data, size), "fuzz.apu");
    if (conjunto.Tipo() == TipoApuesta::Simple &&
        conjunto.Apuestas.size() != static_cast<std::size_t>(conjunto.TotalApuestas()))
        __builtin_trap();
    std::int64_t vistas = 0;
    conjunto.VisitaApuestasSimples([&](const TApuestaSimple&) { ++vistas; });
    for (int b = 0; b <= conjunto.Cabecera.UltimoBoleto && b < 4; ++b)
        conjunto.ApuestasEnBoleto(b);
    (void)conjunto.TextoLeyenda();

    std::string error;
    if (Escrutinio::Escruta(conjunto, conjunto.Cabecera.Sorteo, error)) {
        (void)Escrutinio::Calcula(conjunto);
        (void)Escrutinio::TextoAciertosApuesta(conjunto, 0);
    }
    ListadoApuestas listado(conjunto);
    listado.UltimaPagina();
    listado.PaginaAnterior();
    (void)DocumentoListado::Construye(conjunto, DocumentoListado::Clase(conjunto));
    if (r.Ok) {
        SalidaNula salida;
        FicheroApuestas::EscribeApuestas(conjunto, salida, error);
    }
    return 0;
}
