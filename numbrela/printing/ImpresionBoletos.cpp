#include "printing/ImpresionBoletos.h"

#include <algorithm>

#include "model/Cp1252.h"

namespace numbrela {
namespace {

// The printer's origin comes back to where it was however the print ends.
class GuardaOrigen {
public:
    explicit GuardaOrigen(TGeometriaImpresion& g) : g_(g), x_(g.PosX), y_(g.PosY) {}
    ~GuardaOrigen()
    {
        g_.PosX = x_;
        g_.PosY = y_;
    }
    GuardaOrigen(const GuardaOrigen&) = delete;
    GuardaOrigen& operator=(const GuardaOrigen&) = delete;

private:
    TGeometriaImpresion& g_;
    int x_;
    int y_;
};

std::int64_t Combinaciones6(int n)
{
    if (n < 6)
        return 0;
    std::int64_t c = 1;
    for (int i = 0; i < 6; ++i)
        c = c * (n - i) / (i + 1);
    return c;
}

int NumeroDeBoletos(const TConjuntoApuestas& c)
{
    return c.Tipo() == TipoApuesta::Multiple ? 1 : c.Cabecera.UltimoBoleto + 1;
}

// Bets on slip k: 8, fewer on the last slip, one for a multiple.
int ApuestasDelBoleto(const TConjuntoApuestas& c, int k)
{
    if (c.Tipo() == TipoApuesta::Multiple)
        return k == 0 ? 1 : 0;
    const std::int64_t desde = std::int64_t{kApuestasPorBoleto} * k;
    const std::int64_t hasta =
        std::min<std::int64_t>(desde + kApuestasPorBoleto, c.Cabecera.TotalApuestas);
    return static_cast<int>(std::max<std::int64_t>(0, hasta - desde));
}

} // namespace

TPeticionImpresion PeticionInicial(const TConjuntoApuestas& conjunto)
{
    TPeticionImpresion p;
    p.A = std::to_string(NumeroDeBoletos(conjunto));
    return p;
}

std::string MensajeNumeroNoValido(const std::string& texto)
{
    return "'" + texto + "' no es un valor entero válido";
}

bool BoletosDelRango(const TConjuntoApuestas& c, const TPeticionImpresion& p,
                     std::vector<int>& boletos, std::string& error)
{
    boletos.clear();
    error.clear();
    if (c.Tipo() == TipoApuesta::Ninguno || p.Rango == TRangoImpresion::CuadrarBoleto)
        return true;
    if (c.Tipo() == TipoApuesta::Multiple) {
        boletos.push_back(0); // the multiple's one slip, whatever the range
        return true;
    }
    const int total = NumeroDeBoletos(c);
    switch (p.Rango) {
    case TRangoImpresion::BoletoEnPantalla:
        if (c.BoletoActual >= 0 && c.BoletoActual < total)
            boletos.push_back(c.BoletoActual);
        return true;
    case TRangoImpresion::TodosLosBoletos:
        for (int k = 0; k < total; ++k)
            boletos.push_back(k);
        return true;
    case TRangoImpresion::RangoDeA: {
        const auto de = LeeEntero(p.De);
        if (!de) {
            error = MensajeNumeroNoValido(p.De);
            return false;
        }
        const auto a = LeeEntero(p.A);
        if (!a) {
            error = MensajeNumeroNoValido(p.A);
            return false;
        }
        if (*de <= 0 || *a > total) {
            error =
                "Valores no correctos. El rango correcto está entre 1 y " + std::to_string(total);
            return false;
        }
        for (long long k = *de; k <= *a; ++k) // "de" above "a" prints nothing
            boletos.push_back(static_cast<int>(k - 1));
        return true;
    }
    case TRangoImpresion::CuadrarBoleto:
        return true;
    }
    return true;
}

std::vector<int> NumerosParaImprimir(const TConjuntoApuestas& c, std::int64_t indice)
{
    std::vector<int> numeros;
    switch (c.Tipo()) {
    case TipoApuesta::Simple:
    case TipoApuesta::Multiple: {
        const std::size_t objeto =
            c.Tipo() == TipoApuesta::Multiple ? 0 : static_cast<std::size_t>(indice);
        if (indice < 0 || objeto >= c.Apuestas.size())
            return numeros;
        // Entries 1..size of the packed list: the marked numbers, ascending.
        const int plazas =
            c.Tipo() == TipoApuesta::Multiple ? c.CrucesPorApuesta : kNumerosPorApuesta;
        const TApuestas& a = c.Apuestas[objeto];
        for (int n = 1; n <= kNumeros && static_cast<int>(numeros.size()) < plazas; ++n)
            if (a.Marcas[n] != 0)
                numeros.push_back(n);
        return numeros;
    }
    case TipoApuesta::Reducida: {
        const int n = c.Cabecera.TotalReducidos;
        if (c.Motor() == nullptr || indice < 0 ||
            static_cast<std::size_t>(indice) >= c.BufferRangos.size() || n < 6 || n > kNumeros)
            return numeros;
        const std::uint32_t rango = c.BufferRangos[static_cast<std::size_t>(indice)];
        if (rango < 1 || rango > Combinaciones6(n))
            return numeros; // a damaged rank has no combination
        c.Motor()->Calcular(n);
        std::uint8_t pos[kNumerosPorApuesta];
        c.Motor()->TomarCombinacion(rango, pos);
        for (std::uint8_t p : pos)
            if (p >= 1 && p <= n && c.Cabecera.ListaReducidos[p - 1] != 0)
                numeros.push_back(c.Cabecera.ListaReducidos[p - 1]);
        return numeros;
    }
    case TipoApuesta::Ninguno:
        break;
    }
    return numeros;
}

THojaBoleto ComponeBoleto(const TConjuntoApuestas& c, TGeometriaImpresion& g, int k,
                          const std::string& titulo, int* incompletas)
{
    GuardaOrigen guarda(g);
    THojaBoleto hoja;
    hoja.Titulo = titulo;
    hoja.Boleto = k;
    hoja.Textos.push_back({{g.PosX + 631, g.PosY}, CortaUtf8(c.Cabecera.Nombre, 10)});
    hoja.Textos.push_back({{g.PosX + 631, g.PosY + 25},
                           std::to_string(k + 1) + " de " + std::to_string(NumeroDeBoletos(c))});
    const int plazas = c.Tipo() == TipoApuesta::Multiple ? c.CrucesPorApuesta : kNumerosPorApuesta;
    const int cuantas = ApuestasDelBoleto(c, k);
    for (int j = 0; j < cuantas; ++j) {
        const auto numeros = NumerosParaImprimir(c, std::int64_t{kApuestasPorBoleto} * k + j);
        if (incompletas != nullptr && static_cast<int>(numeros.size()) < plazas)
            ++*incompletas;
        for (int n : numeros)
            if (auto celda = g.Celda(g.OrigenRejilla(), n))
                hoja.Marcas.push_back(*celda);
        g.PosY += g.PasoBloque();
    }
    return hoja;
}

std::vector<TPunto> ImprimePrimeraLinea(const TGeometriaImpresion& g, TPunto o)
{
    std::vector<TPunto> cajas;
    for (int i = 0; i <= 8; ++i)
        cajas.push_back({o.X + i * g.DistanciaA, o.Y});
    for (int r = 1; r <= 8; ++r)
        for (int i = 0; i <= 3; ++i)
            cajas.push_back({o.X + i * g.DistanciaA, o.Y + r * g.DistanciaB});
    return cajas;
}

THojaBoleto ComponeCalibracion(const TGeometriaImpresion& g)
{
    THojaBoleto hoja;
    hoja.Boleto = -1;
    hoja.Marco = TMarcoHoja{{g.PosX, g.PosY},
                            {g.PosX + kAnchoMarcoCalibracion, g.PosY + kAltoMarcoCalibracion}};
    hoja.Marcas = ImprimePrimeraLinea(g, g.OrigenRejilla());
    return hoja;
}

std::vector<std::string> MensajesCalibracion(int alto, int ancho, bool vertical)
{
    return {"Page Height : " + std::to_string(alto), "Page Width : " + std::to_string(ancho),
            vertical ? "imprimiendo en vertical PORTRAIT" : "Imprimiendo en LANDSCAPE"};
}

const char* TextoBotonOrientacion(bool vertical)
{
    return vertical ? "Vertical" : "Horizontal";
}

TResultadoImpresion ImprimirBoletos(const TConjuntoApuestas& c, TGeometriaImpresion& g,
                                    const TPeticionImpresion& p, TLienzoBoleto& lienzo,
                                    const std::function<bool()>& continuar)
{
    GuardaOrigen guarda(g);
    TResultadoImpresion r;
    if (p.Rango == TRangoImpresion::CuadrarBoleto) { // the geometry alone: no bet needed
        if (lienzo.Imprime(ComponeCalibracion(g)))
            ++r.Trabajos;
        else
            r.Abortado = true;
        return r;
    }
    if (c.Tipo() == TipoApuesta::Ninguno)
        return r;
    std::vector<int> boletos;
    if (!BoletosDelRango(c, p, boletos, r.Error))
        return r;
    const bool conTitulo =
        p.Rango == TRangoImpresion::TodosLosBoletos || p.Rango == TRangoImpresion::RangoDeA;
    for (int k : boletos) {
        if (continuar && !continuar()) {
            r.Abortado = true;
            break;
        }
        const std::string titulo =
            conTitulo ? "Numbrela: Boleto " + std::to_string(k + 1) : std::string();
        if (!lienzo.Imprime(ComponeBoleto(c, g, k, titulo, &r.ApuestasIncompletas))) {
            r.Abortado = true;
            break;
        }
        ++r.Trabajos;
    }
    return r;
}

} // namespace numbrela
