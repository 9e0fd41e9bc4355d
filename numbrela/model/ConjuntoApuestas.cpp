#include "model/ConjuntoApuestas.h"

#include <algorithm>

#include "model/Cp1252.h"

namespace numbrela {
namespace {

std::string MensajeLimite()
{
    return "Error: No se pueden jugar más de 1.000.000 de apuestas simples. "
           "Se mantiene la apuesta anterior";
}

// Visits every k-subset (k = 6) of `numeros` in lexicographic order.
void VisitaSubconjuntos(const std::vector<std::uint8_t>& numeros,
                        const std::function<void(const TApuestaSimple&)>& visita)
{
    const int n = static_cast<int>(numeros.size());
    if (n < kNumerosPorApuesta)
        return;
    std::array<int, kNumerosPorApuesta> idx{};
    for (int i = 0; i < kNumerosPorApuesta; ++i)
        idx[i] = i;
    TApuestaSimple a;
    a.Cuantos = kNumerosPorApuesta;
    for (;;) {
        ++a.Indice;
        for (int i = 0; i < kNumerosPorApuesta; ++i)
            a.Numeros[i] = numeros[idx[i]];
        visita(a);
        int i = kNumerosPorApuesta - 1;
        while (i >= 0 && idx[i] == n - kNumerosPorApuesta + i)
            --i;
        if (i < 0)
            return;
        ++idx[i];
        for (int j = i + 1; j < kNumerosPorApuesta; ++j)
            idx[j] = idx[j - 1] + 1;
    }
}

} // namespace

std::int64_t ValorMultiple(int cruces)
{
    switch (cruces) {
    case 5:
        return 44;
    case 7:
        return 7;
    case 8:
        return 28;
    case 9:
        return 84;
    case 10:
        return 210;
    case 11:
        return 462;
    default:
        return 0;
    }
}

int PrecioUnitario(int juego)
{
    switch (juego) {
    case 1:
        return 50;
    case 2:
        return 250;
    default:
        return 100;
    }
}

const char* NombreJuego(int juego)
{
    switch (juego) {
    case 1:
        return "BONOLOTO";
    case 2:
        return "EL GORDO";
    default:
        return "LOTERIA PRIMITIVA";
    }
}

TConjuntoApuestas::TConjuntoApuestas(TMotorReducidas* motor) : motor_(motor)
{
    Nueva();
}

bool TConjuntoApuestas::ActualizaApuestas(std::string& error)
{
    switch (Tipo()) {
    case TipoApuesta::Simple:
        if (Cabecera.TotalApuestas < 0 || Cabecera.TotalApuestas > kMaxApuestasSimples) {
            error = MensajeLimite();
            return false;
        }
        Apuestas.assign(static_cast<std::size_t>(std::max(0, Cabecera.TotalApuestas)), TApuestas{});
        break;
    case TipoApuesta::Multiple:
        Apuestas.assign(1, TApuestas{});
        break;
    case TipoApuesta::Reducida:
        Apuestas.clear();
        if (motor_ == nullptr) {
            error = "Error: Se ha producido un error leyendo el archivo o el archivo no existe";
            return false;
        }
        if (!motor_->PrimitivaReducida(*this, error))
            return false;
        break;
    case TipoApuesta::Ninguno:
        Apuestas.clear();
        break;
    }
    RecalculaBoletos();
    return true;
}

void TConjuntoApuestas::RecalculaBoletos()
{
    if (Tipo() == TipoApuesta::Multiple) {
        Cabecera.UltimoBoleto = 0;
        ApuestasUltimoBoleto = 1;
        return;
    }
    const std::int32_t n = Cabecera.TotalApuestas;
    const std::int32_t resto = n % kApuestasPorBoleto;
    Cabecera.UltimoBoleto = resto == 0 ? n / kApuestasPorBoleto - 1 : n / kApuestasPorBoleto;
    ApuestasUltimoBoleto = resto == 0 ? kApuestasPorBoleto : resto;
}

bool TConjuntoApuestas::VeAlBoleto(int boleto)
{
    if (boleto < 0 || boleto > Cabecera.UltimoBoleto || boleto == BoletoActual)
        return false;
    BoletoActual = boleto;
    return true;
}

int TConjuntoApuestas::ApuestasEnBoleto(int boleto) const
{
    if (Tipo() == TipoApuesta::Multiple)
        return boleto == 0 ? 1 : 0;
    if (Tipo() == TipoApuesta::Ninguno)
        return 0;
    const std::int64_t quedan =
        std::int64_t{Cabecera.TotalApuestas} - std::int64_t{kApuestasPorBoleto} * boleto;
    if (boleto < 0 || quedan <= 0)
        return 0; // an empty set shows no bet at all
    return quedan - 1 < 7 ? ApuestasUltimoBoleto : kApuestasPorBoleto;
}

std::string TConjuntoApuestas::TextoLeyenda() const
{
    const CabeceraApuestas& c = Cabecera;
    const std::string n = std::to_string(c.TotalApuestas);
    switch (Tipo()) {
    case TipoApuesta::Ninguno:
        return "Tipo de Primitiva: Ninguno establecido";
    case TipoApuesta::Simple:
        return "Tipo de Primitiva: Simple de " + n + " apuestas, " +
               std::to_string(c.UltimoBoleto + 1) + " Boletos";
    case TipoApuesta::Multiple:
        return "Tipo de Primitiva: Multiple de " + std::to_string(CrucesPorApuesta) + " cruces, " +
               n + " Apuestas" + ". Un sólo boleto";
    case TipoApuesta::Reducida: {
        static const char* const kReduccion[] = {"", " al TRES, ", " al CUATRO, ", " al CINCO, "};
        std::string fijos;
        if (c.TotalFijos == 0) {
            fijos = "sin números fijo";
        } else {
            fijos = "Números fijos: ";
            for (std::uint8_t f : c.ListaFijos)
                if (f != 0)
                    fijos += "-" + std::to_string(f);
        }
        const char* reduccion = c.TipoReduccion <= 3 ? kReduccion[c.TipoReduccion] : "";
        return "Tipo de apuesta: Reducida de " + std::to_string(c.TotalReducidos) + " números," +
               reduccion + fijos + ". Apuestas: " + n;
    }
    }
    return {};
}

TTextosConjunto TConjuntoApuestas::CambiaLeyenda()
{
    TTextosConjunto t;
    t.Leyenda = TextoLeyenda();
    // With no kind established only the panel changes; the stored legend stays.
    if (Tipo() != TipoApuesta::Ninguno)
        Cabecera.Leyenda = CortaUtf8(t.Leyenda, kMaxLeyenda);
    t.Contador = "Boleto 1 de " + std::to_string(Cabecera.UltimoBoleto + 1);
    return t;
}

bool TConjuntoApuestas::CambioGlobal(std::string& error, TTextosConjunto& textos)
{
    BoletoActual = 0;
    if (!ActualizaApuestas(error))
        return false;
    textos = CambiaLeyenda();
    return true;
}

TTextosConjunto TConjuntoApuestas::Nueva()
{
    Cabecera = CabeceraApuestas{};
    Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Simple);
    Cabecera.TotalApuestas = 1;
    Cabecera.Nombre = kSinNombre;
    BoletoActual = 0;
    CrucesPorApuesta = kNumerosPorApuesta;
    EscrutadoHecho = false;
    NombreFichero = kSinFichero;
    GrabarHabilitado = false;
    GrabarComoHabilitado = false;
    LiberaReducidas();
    std::string error;
    TTextosConjunto textos;
    CambioGlobal(error, textos); // a simple set of one bet cannot fail
    return textos;
}

bool TConjuntoApuestas::CreaSimples(std::int64_t n, std::string& error, TTextosConjunto& textos)
{
    if (n < 0 || n > kMaxApuestasSimples) {
        error = MensajeLimite();
        return false;
    }
    // A new set starts from a whole new header, its game included, as every other kind.
    Cabecera = CabeceraApuestas{};
    Cabecera.Nombre = kSinNombre;
    GrabarHabilitado = false;
    GrabarComoHabilitado = false;
    BoletoActual = 0;
    NombreFichero = kSinFichero;
    EscrutadoHecho = false;
    LiberaReducidas();
    Cabecera.TotalApuestas = static_cast<std::int32_t>(n);
    Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Simple);
    CrucesPorApuesta = kNumerosPorApuesta;
    return CambioGlobal(error, textos);
}

bool TConjuntoApuestas::RecreaSimples(std::int64_t n, std::string& error, TTextosConjunto& textos)
{
    if (n < 0 || n > kMaxApuestasSimples) {
        error = MensajeLimite();
        return false;
    }
    Cabecera.TotalApuestas = static_cast<std::int32_t>(n);
    EscrutadoHecho = false;
    return CambioGlobal(error, textos);
}

bool TConjuntoApuestas::AnadeSimples(std::int64_t n, std::string& error, TTextosConjunto& textos)
{
    const std::int64_t total = std::int64_t{Cabecera.TotalApuestas} + n;
    if (n < 0 || total > kMaxApuestasSimples) {
        error = MensajeLimite();
        return false;
    }
    Cabecera.TotalApuestas = static_cast<std::int32_t>(total);
    Apuestas.resize(static_cast<std::size_t>(total));
    EscrutadoHecho = false;
    RecalculaBoletos();
    textos = CambiaLeyenda();
    textos.Contador = TextoContador(); // the slip on screen stays where it was
    return true;
}

void TConjuntoApuestas::FijaNombre(const std::string& nombre)
{
    Cabecera.Nombre = CortaUtf8(nombre, kMaxNombre);
}

void TConjuntoApuestas::CicloJuego()
{
    Cabecera.Juego = static_cast<std::uint8_t>((Cabecera.Juego + 1) % 3);
}

std::string TConjuntoApuestas::TextoContador() const
{
    return "Boleto " + std::to_string(BoletoActual + 1) + " de " +
           std::to_string(Cabecera.UltimoBoleto + 1);
}

std::int64_t TConjuntoApuestas::Precio() const
{
    return std::int64_t{Cabecera.TotalApuestas} * PrecioUnitario(Cabecera.Juego);
}

std::string TConjuntoApuestas::TextoPrecio() const
{
    return std::to_string(Precio()) + " pts";
}

void TConjuntoApuestas::DelBufferALaApuesta(std::int64_t primera, int cuantas)
{
    if (motor_ == nullptr)
        return;
    const int n = Cabecera.TotalReducidos;
    motor_->Calcular(n);
    const std::int64_t rangos = static_cast<std::int64_t>(BufferRangos.size());
    cuantas = static_cast<int>(std::clamp<std::int64_t>(rangos - primera, 0, cuantas));
    if (Apuestas.size() < static_cast<std::size_t>(cuantas))
        Apuestas.resize(static_cast<std::size_t>(cuantas));
    for (int j = 0; j < cuantas; ++j) {
        std::uint8_t pos[kNumerosPorApuesta];
        motor_->TomarCombinacion(BufferRangos[static_cast<std::size_t>(primera + j)], pos);
        std::uint8_t numeros[kNumerosPorApuesta];
        for (int t = 0; t < kNumerosPorApuesta; ++t)
            numeros[t] = Cabecera.ListaReducidos[pos[t] - 1];
        MeterNumeros(Apuestas[static_cast<std::size_t>(j)], numeros);
    }
}

void TConjuntoApuestas::PreparaBoleto()
{
    if (Tipo() == TipoApuesta::Reducida)
        DelBufferALaApuesta(std::int64_t{kApuestasPorBoleto} * BoletoActual,
                            ApuestasEnBoleto(BoletoActual));
}

void TConjuntoApuestas::LiberaReducidas()
{
    std::vector<std::uint32_t>().swap(BufferRangos);
    std::vector<std::uint8_t>().swap(AciertosReducida);
}

bool TConjuntoApuestas::VisitaApuestasSimples(
    const std::function<void(const TApuestaSimple&)>& visita) const
{
    switch (Tipo()) {
    case TipoApuesta::Ninguno:
        return true;
    case TipoApuesta::Simple: {
        TApuestaSimple a;
        for (const TApuestas& apuesta : Apuestas) {
            ++a.Indice;
            a.Numeros.fill(0);
            a.Cuantos = 0;
            for (int i = 1; i <= kNumeros && a.Cuantos < kNumerosPorApuesta; ++i)
                if (apuesta.Marcas[i] != 0)
                    a.Numeros[a.Cuantos++] = static_cast<std::uint8_t>(i);
            visita(a);
        }
        return true;
    }
    case TipoApuesta::Multiple: {
        if (Apuestas.empty())
            return true;
        std::vector<std::uint8_t> numeros;
        for (int i = 1; i <= kNumeros; ++i)
            if (Apuestas[0].Marcas[i] != 0)
                numeros.push_back(static_cast<std::uint8_t>(i));
        if (numeros.size() == 5) {
            // Five crosses: the five numbers with each of the other 44.
            TApuestaSimple a;
            a.Cuantos = kNumerosPorApuesta;
            for (int otro = 1; otro <= kNumeros; ++otro) {
                if (Apuestas[0].Marcas[otro] != 0)
                    continue;
                std::vector<std::uint8_t> seis = numeros;
                seis.insert(std::upper_bound(seis.begin(), seis.end(), otro),
                            static_cast<std::uint8_t>(otro));
                ++a.Indice;
                std::copy(seis.begin(), seis.end(), a.Numeros.begin());
                visita(a);
            }
        } else {
            VisitaSubconjuntos(numeros, visita);
        }
        return true;
    }
    case TipoApuesta::Reducida: {
        if (motor_ == nullptr)
            return false;
        motor_->Calcular(Cabecera.TotalReducidos);
        TApuestaSimple a;
        a.Cuantos = kNumerosPorApuesta;
        for (std::uint32_t rango : BufferRangos) {
            std::uint8_t pos[kNumerosPorApuesta];
            motor_->TomarCombinacion(rango, pos);
            ++a.Indice;
            for (int t = 0; t < kNumerosPorApuesta; ++t)
                a.Numeros[t] = Cabecera.ListaReducidos[pos[t] - 1];
            visita(a);
        }
        return true;
    }
    }
    return true;
}

} // namespace numbrela
