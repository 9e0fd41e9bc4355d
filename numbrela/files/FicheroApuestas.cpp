#include "files/FicheroApuestas.h"

#include <algorithm>
#include <fstream>

#include "files/UltimoFichero.h"
#include "generation/ApuestaMultiple.h"
#include "generation/Reducidas.h"
#include "model/Cp1252.h"
#include "model/EscrituraSegura.h"

namespace numbrela {
namespace {

constexpr const char* kErrorAbrir =
    "Error: Se ha producido un error leyendo el archivo o el archivo no existe";
constexpr const char* kErrorCabecera = "Se ha producido un error durante la lectura de datos";
constexpr const char* kErrorTotal = "Error en la lectura del total de apuestas a crear";
constexpr const char* kErrorApuestas = "Error recobrando apuestas desde disco";
constexpr const char* kErrorCrear = "Error: No es posible crear el archivo";
constexpr const char* kErrorGrabar = "Error: No es posible grabar este archivo";
constexpr const char* kErrorGrabacion =
    "Error: Se ha producido un error durante la grabación de datos";
constexpr const char* kErrorTamano = "Error grabando tamaño en apuestas";
constexpr const char* kErrorMultiple = "Error grabando apuesta de multiple";

constexpr std::size_t kTamTotal = 4;
constexpr std::size_t kTamRegistro = kNumerosPorApuesta;
constexpr std::size_t kTamLista = kMaxCruces;

class SalidaFichero : public TSalidaApuestas {
public:
    explicit SalidaFichero(EscrituraSegura& f) : f_(f) {}
    bool Escribe(std::span<const std::uint8_t> bytes) override { return f_.Escribe(bytes); }

private:
    EscrituraSegura& f_;
};

std::int32_t TomaEntero(const std::uint8_t* p)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

// A header whose kind the planner cannot hold, or whose reduced system or multiple size
// could make a reader step outside the 49 numbers, is refused before it replaces the live
// header.
bool CabeceraValida(const CabeceraApuestas& c)
{
    switch (c.Clase()) {
    case TipoApuesta::Ninguno:
    case TipoApuesta::Simple:
        return true;
    case TipoApuesta::Multiple:
        return ApuestaMultiple::Tamano(c.CodigoMultiple).has_value();
    case TipoApuesta::Reducida: {
        if (c.TotalReducidos < 7 || c.TotalReducidos > kNumeros || c.TotalFijos < 0 ||
            c.TotalFijos > 3)
            return false;
        int anterior = 0;
        for (int p = 0; p < c.TotalReducidos; ++p) {
            const int v = c.ListaReducidos[static_cast<std::size_t>(p)];
            if (v <= anterior || v > kNumeros)
                return false;
            anterior = v;
        }
        return true;
    }
    }
    return false; // Tipo outside 0..3
}

// Six numbers of a stored simple bet: each 1..49, none repeated.
bool RegistroValido(const std::uint8_t* r)
{
    std::uint64_t vistos = 0;
    for (std::size_t i = 0; i < kTamRegistro; ++i) {
        if (r[i] < 1 || r[i] > kNumeros || (vistos >> r[i] & 1u) != 0)
            return false;
        vistos |= std::uint64_t{1} << r[i];
    }
    return true;
}

// After a failure the bets must still agree with the header, so that no consumer reads a
// bet that is not there: a simple set whose count could not be read holds none.
void DejaSinApuestas(TConjuntoApuestas& conjunto)
{
    conjunto.Cabecera.TotalApuestas = 0;
    conjunto.Apuestas.clear();
    conjunto.LiberaReducidas();
    conjunto.RecalculaBoletos();
}

TTextosConjunto TextosGuardados(const TConjuntoApuestas& conjunto)
{
    TTextosConjunto t;
    t.Leyenda = conjunto.Cabecera.Leyenda; // the stored legend, not recomposed
    t.Contador = "Boleto 1 de " + std::to_string(conjunto.Cabecera.UltimoBoleto + 1);
    return t;
}

} // namespace

std::optional<std::string> FicheroApuestas::CompruebaCruces(const TConjuntoApuestas& conjunto)
{
    if (conjunto.Tipo() != TipoApuesta::Simple)
        return std::nullopt;
    const std::int64_t n = conjunto.TotalApuestas();
    for (std::int64_t i = 0; i < n; ++i) {
        const bool completa =
            static_cast<std::size_t>(i) < conjunto.Apuestas.size() &&
            conjunto.Apuestas[static_cast<std::size_t>(i)].Cruces == kNumerosPorApuesta;
        if (!completa)
            return "Error: La apuesta " + std::to_string(i + 1) +
                   " no tiene 6 cruces. Complétela e inténtelo de nuevo";
    }
    return std::nullopt;
}

std::string FicheroApuestas::NombrePropuesto(const TConjuntoApuestas& conjunto)
{
    return CortaUtf8(conjunto.Cabecera.Nombre, 32);
}

bool FicheroApuestas::EscribeApuestas(TConjuntoApuestas& conjunto, TSalidaApuestas& salida,
                                      std::string& error)
{
    const auto cabecera = EscribeCabecera(conjunto.Cabecera);
    if (!salida.Escribe(cabecera)) {
        error = kErrorGrabacion;
        return false;
    }
    if (conjunto.Tipo() == TipoApuesta::Simple) {
        const std::int32_t n = conjunto.Cabecera.TotalApuestas;
        std::uint8_t total[kTamTotal];
        for (std::size_t i = 0; i < kTamTotal; ++i)
            total[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(n) >> (8 * i));
        if (!salida.Escribe(total)) {
            error = kErrorTamano;
            return false;
        }
        // The records are gathered and written at once: a million bets are six megabytes.
        std::vector<std::uint8_t> registros;
        registros.reserve(std::min<std::size_t>(conjunto.Apuestas.size(),
                                                static_cast<std::size_t>(std::max(n, 0))) *
                          kTamRegistro);
        for (std::int32_t i = 0; i < n && static_cast<std::size_t>(i) < conjunto.Apuestas.size();
             ++i) {
            TApuestas& a = conjunto.Apuestas[static_cast<std::size_t>(i)];
            a.EmpaquetaNumeros();
            registros.insert(registros.end(), a.NumerosOrdenados.begin() + 1,
                             a.NumerosOrdenados.begin() + 1 + kTamRegistro);
        }
        if (!salida.Escribe(registros)) {
            error = kErrorGrabacion;
            return false;
        }
    } else if (conjunto.Tipo() == TipoApuesta::Multiple) {
        std::uint8_t lista[kTamLista]{};
        if (!conjunto.Apuestas.empty()) {
            TApuestas& a = conjunto.Apuestas[0];
            a.EmpaquetaNumeros();
            std::copy_n(a.NumerosOrdenados.begin() + 1, kTamLista, lista);
        }
        if (!salida.Escribe(lista)) {
            error = kErrorMultiple;
            return false;
        }
    }
    return true;
}

bool FicheroApuestas::Graba(TConjuntoApuestas& conjunto, const std::filesystem::path& ruta,
                            ModoGrabacion modo, const std::filesystem::path& carpetaPrograma,
                            std::string& error)
{
    if (auto falta = CompruebaCruces(conjunto)) {
        error = *falta;
        return false;
    }
    EscrituraSegura fichero(ruta);
    if (!fichero.Abre()) {
        error = modo == ModoGrabacion::GrabarComo ? kErrorCrear : kErrorGrabar;
        return false;
    }
    if (modo == ModoGrabacion::GrabarComo) {
        conjunto.NombreFichero = ruta.string();
        conjunto.GrabarHabilitado = true;
        conjunto.GrabarComoHabilitado = true;
        UltimoFichero::GrabaUltimo(carpetaPrograma, conjunto.NombreFichero);
    }
    SalidaFichero salida(fichero);
    if (!EscribeApuestas(conjunto, salida, error))
        return false;
    if (!fichero.Confirma()) {
        error = kErrorGrabacion;
        return false;
    }
    return true;
}

TResultadoApertura FicheroApuestas::Lee(TConjuntoApuestas& conjunto,
                                        std::span<const std::uint8_t> bytes,
                                        const std::string& ruta)
{
    TResultadoApertura r;
    // Until a header is accepted the set on screen keeps its file and both save commands.
    if (bytes.size() < kTamCabecera) {
        r.Error = kErrorCabecera;
        return r;
    }
    CabeceraApuestas cabecera = LeeCabecera(bytes.first<kTamCabecera>());
    if (!CabeceraValida(cabecera)) {
        r.Error = kErrorCabecera;
        return r;
    }
    r.PanelFichero = ruta;
    conjunto.NombreFichero = ruta;
    // "&Grabar" waits for a complete read: a set read in part must never be written over
    // the file it came from, so only "G&rabar como..." saves it.
    conjunto.GrabarHabilitado = false;
    conjunto.GrabarComoHabilitado = true;
    conjunto.Cabecera = std::move(cabecera);
    conjunto.EscrutadoHecho = false;
    conjunto.LiberaReducidas();
    conjunto.BoletoActual = 0;
    std::size_t pos = kTamCabecera;

    switch (conjunto.Tipo()) {
    case TipoApuesta::Simple: {
        conjunto.CrucesPorApuesta = kNumerosPorApuesta;
        const std::int32_t n = conjunto.Cabecera.TotalApuestas;
        if (bytes.size() < pos + kTamTotal || TomaEntero(bytes.data() + pos) != n || n < 0 ||
            n > kMaxApuestasSimples) {
            DejaSinApuestas(conjunto);
            r.Textos = TextosGuardados(conjunto);
            r.Error = kErrorTotal;
            return r;
        }
        pos += kTamTotal;
        // Bets are created only for the records the file holds, so a count larger than
        // the file allocates nothing beyond what is there.
        const std::int32_t enFichero = static_cast<std::int32_t>(std::min<std::size_t>(
            (bytes.size() - pos) / kTamRegistro, static_cast<std::size_t>(n)));
        conjunto.Cabecera.TotalApuestas = enFichero;
        std::string error;
        conjunto.ActualizaApuestas(error);
        conjunto.Cabecera.TotalApuestas = n;
        std::int32_t leidas = 0;
        for (; leidas < enFichero && RegistroValido(bytes.data() + pos);
             ++leidas, pos += kTamRegistro)
            MeterNumeros(conjunto.Apuestas[static_cast<std::size_t>(leidas)], bytes.data() + pos);
        if (leidas < n) {
            // The set keeps the bets read before the failure, and says so in its count.
            conjunto.Cabecera.TotalApuestas = leidas;
            conjunto.Apuestas.resize(static_cast<std::size_t>(leidas));
            conjunto.RecalculaBoletos();
            r.Textos = conjunto.CambiaLeyenda();
            r.Error = kErrorApuestas;
            return r;
        }
        conjunto.RecalculaBoletos();
        r.Textos = TextosGuardados(conjunto);
        break;
    }
    case TipoApuesta::Multiple: {
        conjunto.CrucesPorApuesta =
            ApuestaMultiple::Tamano(conjunto.Cabecera.CodigoMultiple)->Cruces;
        std::string error;
        conjunto.ActualizaApuestas(error); // one empty bet
        r.Textos = TextosGuardados(conjunto);
        if (bytes.size() < pos + kTamLista ||
            !ApuestaMultiple::CargaDeLista(conjunto.Apuestas[0], conjunto.CrucesPorApuesta,
                                           bytes.data() + pos)) {
            r.Error = kErrorApuestas;
            return r;
        }
        break;
    }
    case TipoApuesta::Reducida: {
        conjunto.CrucesPorApuesta = kNumerosPorApuesta;
        const std::string nombre = conjunto.Cabecera.Nombre;
        const TSorteo sorteo = conjunto.Cabecera.Sorteo;
        std::string error;
        const bool ok = conjunto.CambioGlobal(error, r.Textos);
        // The set is known by its own name and draw, not by those of the reduction file.
        conjunto.Cabecera.Nombre = nombre;
        conjunto.Cabecera.Sorteo = sorteo;
        if (!ok) {
            // A missing reduction file is a file that cannot be read, as any other: the
            // "not available" text speaks of a reduction the user chooses.
            const bool falta = error == MensajeSinReduccion(conjunto.Cabecera.TotalReducidos,
                                                            conjunto.Cabecera.TipoReduccion);
            DejaSinApuestas(conjunto);
            r.Textos = conjunto.CambiaLeyenda();
            r.Error = error.empty() || falta ? kErrorAbrir : error;
            return r;
        }
        conjunto.PreparaBoleto();
        break;
    }
    case TipoApuesta::Ninguno:
        // A set of no kind has no bets, whatever count its header claims: it shows none
        // and costs nothing.
        DejaSinApuestas(conjunto);
        r.Textos = conjunto.CambiaLeyenda();
        break;
    }
    r.MostrarSorteo = conjunto.Cabecera.Sorteo.HaySorteo();
    conjunto.GrabarHabilitado = true;
    r.Ok = true;
    return r;
}

TResultadoApertura FicheroApuestas::AbreDeUnaVez(TConjuntoApuestas& conjunto,
                                                 const std::filesystem::path& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        TResultadoApertura r;
        r.Error = kErrorAbrir;
        return r;
    }
    // No valid file is longer than a million simple bets; bytes beyond are never read.
    constexpr std::size_t kMaxLeido = kTamCabecera + kTamTotal + kTamRegistro * kMaxApuestasSimples;
    std::vector<std::uint8_t> bytes;
    std::uint8_t trozo[65536];
    while (bytes.size() < kMaxLeido && f) {
        f.read(reinterpret_cast<char*>(trozo), sizeof trozo);
        const auto leidos = static_cast<std::size_t>(f.gcount());
        bytes.insert(bytes.end(), trozo, trozo + std::min(leidos, kMaxLeido - bytes.size()));
        if (leidos == 0)
            break;
    }
    return Lee(conjunto, bytes, ruta.string());
}

} // namespace numbrela
