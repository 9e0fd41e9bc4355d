#include "generation/ApuestaMultiple.h"

#include "generation/FicheroCompacta.h"

namespace numbrela {

std::optional<TTamanoMultiple> ApuestaMultiple::Tamano(int codigo)
{
    switch (codigo) {
    case 1:
        return TTamanoMultiple{1, 7, 7};
    case 2:
        return TTamanoMultiple{2, 8, 28};
    case 3:
        return TTamanoMultiple{3, 5, 44};
    case 4:
        return TTamanoMultiple{4, 9, 84};
    case 5:
        return TTamanoMultiple{5, 10, 210};
    case 6:
        return TTamanoMultiple{6, 11, 462};
    default:
        return std::nullopt;
    }
}

bool ApuestaMultiple::Crea(TConjuntoApuestas& conjunto, int codigo, TTextosConjunto& textos)
{
    const auto tamano = Tamano(codigo);
    if (!tamano)
        return false;
    // A new multiple zeroes the whole header, the game with it.
    conjunto.Cabecera = CabeceraApuestas{};
    conjunto.Cabecera.Nombre = kSinNombre;
    conjunto.GrabarHabilitado = false;
    conjunto.GrabarComoHabilitado = false;
    conjunto.BoletoActual = 0;
    conjunto.NombreFichero = kSinFichero;
    conjunto.EscrutadoHecho = false;
    conjunto.LiberaReducidas();

    conjunto.Cabecera.CodigoMultiple = static_cast<std::uint8_t>(tamano->Codigo);
    conjunto.Cabecera.TotalApuestas = tamano->Apuestas;
    conjunto.CrucesPorApuesta = tamano->Cruces;
    conjunto.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Multiple);
    std::string error;
    return conjunto.CambioGlobal(error, textos); // one empty bet cannot fail
}

std::string ApuestaMultiple::TextoBanner(const TConjuntoApuestas& conjunto)
{
    return "MULTIPLE " + std::to_string(conjunto.CrucesPorApuesta) + " Cruces";
}

bool ApuestaMultiple::AlternaMarca(TConjuntoApuestas& conjunto, std::size_t indice, int numero,
                                   std::string& error)
{
    if (conjunto.Tipo() == TipoApuesta::Reducida) {
        error = "Las apuestas reducidas no pueden cambiarse ya que desharía las combinaciones "
                "correctas";
        return false;
    }
    if (indice >= conjunto.Apuestas.size() || numero < 1 || numero > kNumeros)
        return false;
    TApuestas& apuesta = conjunto.Apuestas[indice];
    bool cambio = false;
    if (apuesta.Marcado(numero)) {
        cambio = apuesta.Desmarca(numero);
    } else {
        const int limite = conjunto.Tipo() == TipoApuesta::Multiple ? conjunto.CrucesPorApuesta
                                                                    : kNumerosPorApuesta;
        if (apuesta.Cruces >= limite) {
            error = "Esta apuesta ya tiene sus " + std::to_string(limite) +
                    " cruces. Quite una antes de marcar otra";
            return false;
        }
        cambio = apuesta.Marca(numero);
    }
    // After a scrutiny the bet's hits follow its numbers: it is scored again against the
    // stored draw, so no caption or listing reports a prize for a number it lost.
    if (cambio && conjunto.EscrutadoHecho)
        PuntuarApuesta(apuesta, conjunto.Cabecera.Sorteo);
    // A compact set changed by hand no longer holds its design: its legend stops claiming
    // the guarantee and tells the simple set it is.
    if (cambio && conjunto.Tipo() == TipoApuesta::Simple &&
        EsLeyendaCompacta(conjunto.Cabecera.Leyenda))
        conjunto.CambiaLeyenda();
    return cambio;
}

bool ApuestaMultiple::CargaDeLista(TApuestas& apuesta, int cruces,
                                   const std::uint8_t lista[kMaxCruces])
{
    apuesta = TApuestas{};
    for (int p = 0; p < kMaxCruces; ++p)
        apuesta.NumerosOrdenados[p + 1] = lista[p];
    for (int p = 0; p < cruces && p < kMaxCruces; ++p) {
        const std::uint8_t v = lista[p];
        if (v == 0)
            continue;
        if (v > kNumeros || apuesta.Marcas[v] != 0) {
            apuesta.BorraMarcas();
            return false;
        }
        apuesta.Marca(v);
    }
    return true;
}

} // namespace numbrela
