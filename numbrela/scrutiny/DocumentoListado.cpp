#include "scrutiny/DocumentoListado.h"

#include <algorithm>
#include <charconv>

#include "model/Cp1252.h"
#include "scrutiny/Escrutinio.h"
#include "scrutiny/SeisNumeros.h"

namespace numbrela {
namespace {

void Numero(std::string& s, std::int64_t v)
{
    char b[24];
    const auto r = std::to_chars(b, b + sizeof b, v);
    s.append(b, r.ptr);
}

} // namespace

ClaseDocumento DocumentoListado::Clase(const TConjuntoApuestas& conjunto)
{
    switch (conjunto.Tipo()) {
    case TipoApuesta::Simple:
        return ClaseDocumento::Simples;
    case TipoApuesta::Multiple:
        return ClaseDocumento::Multiple;
    default:
        return ClaseDocumento::Reducida;
    }
}

std::string DocumentoListado::TituloTrabajo(const TConjuntoApuestas& conjunto)
{
    return conjunto.Cabecera.Nombre;
}

std::vector<TLineaDocumento> DocumentoListado::Construye(const TConjuntoApuestas& conjunto,
                                                         ClaseDocumento clase,
                                                         const Progreso& progreso)
{
    const CabeceraApuestas& c = conjunto.Cabecera;
    std::vector<TLineaDocumento> lineas;
    lineas.push_back({kNombrePrograma, EstiloLinea::Titulo});
    lineas.push_back(
        {CortaUtf8("   Nombre de la Apuesta: " + c.Nombre, 125), EstiloLinea::Cursiva});
    lineas.push_back({CortaUtf8("     " + c.Leyenda, 205), EstiloLinea::Cursiva});
    if (clase == ClaseDocumento::Reducida) {
        std::string s = "       Numeros escogidos para reducción: ";
        const int n = std::clamp(c.TotalReducidos, 0, kNumeros);
        for (int p = 0; p < n; ++p) {
            Numero(s, c.ListaReducidos[static_cast<std::size_t>(p)]);
            s += '-';
        }
        lineas.push_back({s, EstiloLinea::Cursiva});
    }
    if (conjunto.EscrutadoHecho) {
        std::string s = "       Numeros escrutados: ";
        for (std::uint8_t v : c.Sorteo.Numeros) {
            Numero(s, v);
            s += '-';
        }
        s += "C:";
        Numero(s, c.Sorteo.Complementario);
        lineas.push_back({s, EstiloLinea::Cursiva});
        const TEscrutinio e = Escrutinio::Calcula(conjunto);
        lineas.push_back({"       Premios: 6=" + std::to_string(e.Seis) + " /5=" +
                              std::to_string(e.Cinco) + " /5+C=" + std::to_string(e.CincoMasC) +
                              " /4=" + std::to_string(e.Cuatro) + " /3=" + std::to_string(e.Tres),
                          EstiloLinea::Cursiva});
    }
    lineas.push_back({"", EstiloLinea::Cursiva});
    lineas.push_back({"", EstiloLinea::Cursiva});

    if (clase == ClaseDocumento::Multiple) {
        std::string s = "Apuesta Múltiple = <-";
        if (!conjunto.Apuestas.empty()) {
            std::uint8_t numeros[kMaxCruces];
            SeisNumeros::Empaquetados(conjunto.Apuestas[0], numeros, kMaxCruces);
            for (std::uint8_t v : numeros) {
                if (v == 0)
                    break;
                Numero(s, v);
                s += '-';
            }
        }
        s += '>';
        lineas.push_back({s, EstiloLinea::Apuesta});
        return lineas;
    }

    std::int64_t total = 0;
    if (conjunto.Tipo() == TipoApuesta::Simple)
        total = static_cast<std::int64_t>(conjunto.Apuestas.size());
    else if (conjunto.Tipo() == TipoApuesta::Reducida && conjunto.Motor() != nullptr) {
        total = static_cast<std::int64_t>(conjunto.BufferRangos.size());
        conjunto.Motor()->Calcular(c.TotalReducidos);
    }
    lineas.reserve(lineas.size() + static_cast<std::size_t>(total));
    for (std::int64_t i = 0; i < total; ++i) {
        std::array<std::uint8_t, 6> numeros{};
        int aciertos = 0;
        bool complementario = false;
        if (!SeisNumeros::DeApuesta(conjunto, i, numeros, aciertos, complementario))
            break;
        TLineaDocumento linea{{}, EstiloLinea::Apuesta};
        std::string& s = linea.Texto;
        s.reserve(48);
        s += "Apuesta ";
        Numero(s, i + 1);
        s += "= ";
        for (std::size_t t = 0; t < 6; ++t) {
            if (t > 0)
                s += '-';
            Numero(s, numeros[t]);
        }
        if (conjunto.EscrutadoHecho)
            s += Escrutinio::TextoPremio(aciertos, complementario);
        lineas.push_back(std::move(linea));
        if ((i + 1) % 50 == 0 && progreso)
            progreso(i + 1);
    }
    return lineas;
}

} // namespace numbrela
