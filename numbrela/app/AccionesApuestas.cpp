#include "app/AccionesApuestas.h"

#include <string>
#include <vector>

#include "files/FicheroApuestas.h"
#include "generation/Reducidas.h"
#include "scrutiny/DocumentoListado.h"
#include "scrutiny/EntradaSorteo.h"
#include "scrutiny/Escrutinio.h"
#include "scrutiny/Simulacion.h"

namespace numbrela::app {
namespace {

struct Peticion {
    std::string Accion; // "--list", "--check" or "--simulate"
    std::string Fichero;
    std::optional<std::string> Sorteo;
    std::optional<std::string> Sorteos;
    std::optional<std::string> Semilla;
    bool Grabar = false;
};

std::optional<std::string> Analiza(const std::vector<std::string>& resto, Peticion& p)
{
    for (std::size_t i = 0; i < resto.size(); ++i) {
        const std::string& a = resto[i];
        auto valor = [&](std::optional<std::string>& destino) -> std::optional<std::string> {
            if (i + 1 >= resto.size())
                return "Error: " + a + " necesita un valor";
            destino = resto[++i];
            return std::nullopt;
        };
        if (a == "--list" || a == "--check" || a == "--simulate") {
            if (!p.Accion.empty())
                return std::string("Error: sólo se puede pedir una acción a la vez");
            if (i + 1 >= resto.size())
                return "Error: " + a + " necesita un fichero de apuestas";
            p.Accion = a;
            p.Fichero = resto[++i];
        } else if (a == "--draw") {
            if (auto e = valor(p.Sorteo))
                return e;
        } else if (a == "--draws") {
            if (auto e = valor(p.Sorteos))
                return e;
        } else if (a == "--seed") {
            if (auto e = valor(p.Semilla))
                return e;
        } else if (a == "--save") {
            p.Grabar = true;
        } else {
            return "Error: opción desconocida: " + a;
        }
    }
    if (p.Accion == "--check" && !p.Sorteo)
        return std::string("Error: --check necesita --draw, por ejemplo --draw 1,3,7,12,30,45+9");
    if (p.Accion == "--simulate" && !p.Sorteos)
        return std::string("Error: --simulate necesita --draws N");
    if (p.Accion != "--check" && (p.Sorteo || p.Grabar))
        return std::string("Error: --draw y --save sólo acompañan a --check");
    if (p.Accion != "--simulate" && (p.Sorteos || p.Semilla))
        return std::string("Error: --draws y --seed sólo acompañan a --simulate");
    return std::nullopt;
}

void ImprimeDocumento(const TConjuntoApuestas& conjunto, std::ostream& salida)
{
    for (const TLineaDocumento& l :
         DocumentoListado::Construye(conjunto, DocumentoListado::Clase(conjunto)))
        salida << l.Texto << '\n';
}

std::optional<std::uint32_t> LeeSemilla(const std::string& texto)
{
    if (texto.empty() || texto.size() > 10)
        return std::nullopt;
    std::uint64_t v = 0;
    for (char ch : texto) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        v = v * 10 + static_cast<std::uint64_t>(ch - '0');
    }
    if (v > 0xffffffffu)
        return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

} // namespace

std::optional<int> EjecutaAccionApuestas(const Opciones& opciones, std::ostream& salida,
                                         std::ostream& errores,
                                         const std::function<std::uint32_t()>& reloj)
{
    bool hayAccion = false;
    for (const std::string& a : opciones.Resto)
        hayAccion = hayAccion || a == "--list" || a == "--check" || a == "--simulate";
    if (!hayAccion)
        return std::nullopt;

    Peticion p;
    if (auto e = Analiza(opciones.Resto, p)) {
        errores << *e << '\n';
        return 2;
    }

    TReducidas motor(opciones.CarpetaDatos);
    TConjuntoApuestas conjunto(&motor);
    const TResultadoApertura abierto = FicheroApuestas::AbreDeUnaVez(conjunto, p.Fichero);
    if (!abierto.Ok) {
        errores << abierto.Error << '\n';
        return 1;
    }

    if (p.Accion == "--list") {
        ImprimeDocumento(conjunto, salida);
        return 0;
    }

    if (p.Accion == "--check") {
        const TResultadoEntrada entrada =
            EntradaSorteo::Valida(EntradaSorteo::CamposDeTexto(*p.Sorteo));
        if (!entrada.Ok) {
            errores << entrada.Error << '\n';
            return 1;
        }
        std::string error;
        if (!Escrutinio::Escruta(conjunto, entrada.Sorteo, error)) {
            errores << error << '\n';
            return 1;
        }
        for (const std::string& linea : Escrutinio::LineasResultados(Escrutinio::Calcula(conjunto)))
            salida << linea << '\n';
        ImprimeDocumento(conjunto, salida);
        if (p.Grabar && !FicheroApuestas::Graba(conjunto, p.Fichero, ModoGrabacion::Grabar,
                                                opciones.CarpetaDatos, error)) {
            errores << error << '\n';
            return 1;
        }
        return 0;
    }

    // --simulate
    std::string error;
    const auto sorteos = Simulacion::LeeCuenta(*p.Sorteos, error);
    if (!sorteos) {
        errores << error << '\n';
        return 1;
    }
    std::optional<std::uint32_t> semilla;
    if (p.Semilla) {
        semilla = LeeSemilla(*p.Semilla);
        if (!semilla) {
            errores << "Error: la semilla debe ser un número de 0 a 4294967295\n";
            return 2;
        }
    }
    // With a seed the clock's reseeding is stood in for by a second sequence from the
    // same seed, so the whole run repeats exactly.
    TGeneradorAleatorio relojFijo(semilla.value_or(0) ^ 0x5eed5eedu);
    const Simulacion::SemillaReloj semillaReloj =
        semilla
            ? Simulacion::SemillaReloj([&relojFijo] { return relojFijo.Siguiente(0xffffffffu); })
            : Simulacion::SemillaReloj(reloj);
    TGeneradorAleatorio generador(semilla ? *semilla : semillaReloj());
    TContadoresSimulacion contadores;
    if (!Simulacion::Simula(conjunto, *sorteos, generador, semillaReloj, {}, contadores)) {
        errores << "Error: Se ha producido un error leyendo el archivo o el archivo no existe\n";
        return 1;
    }
    for (const std::string& linea : Simulacion::Lineas(contadores))
        salida << linea << '\n';
    return 0;
}

std::string TextoAyudaApuestas()
{
    return "  --list FICHERO.apu escribe el documento del listado de las apuestas del\n"
           "                     fichero\n"
           "  --check FICHERO.apu --draw 1,3,7,12,30,45+9 [--save]\n"
           "                     escruta el fichero con ese sorteo y escribe los resultados\n"
           "                     y el listado con premios; --save guarda el sorteo en el\n"
           "                     fichero\n"
           "  --simulate FICHERO.apu --draws N [--seed S]\n"
           "                     escruta N sorteos al azar y escribe los seis contadores;\n"
           "                     con --seed S la serie se repite igual\n";
}

} // namespace numbrela::app
