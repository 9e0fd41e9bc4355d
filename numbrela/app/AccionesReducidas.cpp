#include "app/AccionesReducidas.h"

#include <algorithm>
#include <charconv>

#include "generation/CreaCombFijos.h"
#include "generation/EleccionReducida.h"
#include "generation/Reducidas.h"
#include "generation/TablaReducciones.h"

namespace numbrela::app {
namespace {

// "3,17,25" -> {3, 17, 25}; false on anything that is not a list of numbers 1..49.
bool LeeLista(const std::string& texto, std::vector<int>& numeros)
{
    numeros.clear();
    std::size_t i = 0;
    while (i <= texto.size()) {
        const std::size_t fin = std::min(texto.find(',', i), texto.size());
        int v = 0;
        const char* a = texto.data() + i;
        const char* b = texto.data() + fin;
        const auto [p, ec] = std::from_chars(a, b, v);
        if (a == b || ec != std::errc{} || p != b || v < 1 || v > kNumeros)
            return false;
        numeros.push_back(v);
        i = fin + 1;
    }
    return true;
}

bool TieneRepetidos(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return std::adjacent_find(v.begin(), v.end()) != v.end();
}

int Tabla(std::ostream& salida)
{
    std::string t;
    for (std::size_t i = 0; i < kColumnasTablaReducciones.size(); ++i)
        t += (i ? "\t" : "") + std::string(kColumnasTablaReducciones[i]);
    t += "\n";
    for (const TFilaReduccion& f : kTablaReducciones) {
        const auto celdas = CeldasFila(f);
        for (std::size_t i = 0; i < celdas.size(); ++i)
            t += (i ? "\t" : "") + celdas[i];
        t += "\n";
    }
    salida << t;
    return 0;
}

int Reduce(const std::vector<std::string>& args, const std::filesystem::path& carpeta, std::ostream& salida,
           std::ostream& errores)
{
    std::vector<int> numeros, fijos;
    int garantia = 0;
    bool hayNumeros = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hayValor = i + 1 < args.size();
        if (a == "--reduce") {
            if (!hayValor || !LeeLista(args[++i], numeros)) {
                errores << "Error: --reduce necesita una lista de números del 1 al 49 separados por comas\n";
                return 2;
            }
            hayNumeros = true;
        } else if (a == "--al") {
            if (!hayValor || (args[i + 1] != "3" && args[i + 1] != "4" && args[i + 1] != "5")) {
                errores << "Error: --al necesita el tipo de reducción: 3, 4 o 5\n";
                return 2;
            }
            garantia = args[++i][0] - '0';
        } else if (a == "--fixed") {
            if (!hayValor || !LeeLista(args[++i], fijos)) {
                errores << "Error: --fixed necesita de uno a tres números del 1 al 49 separados por comas\n";
                return 2;
            }
        } else {
            errores << "Error: opción desconocida: " << a << "\n";
            return 2;
        }
    }
    if (!hayNumeros || garantia == 0) {
        errores << "Error: uso: numbrela --reduce N1,N2,...,Nn --al K [--fixed F1[,F2[,F3]]]\n";
        return 2;
    }
    if (TieneRepetidos(numeros) || TieneRepetidos(fijos)) {
        errores << "Error: un número aparece dos veces en la lista\n";
        return 2;
    }
    for (int f : fijos)
        if (std::find(numeros.begin(), numeros.end(), f) == numeros.end()) {
            errores << "Error: el número fijo " << f << " no está entre los números a reducir\n";
            return 2;
        }

    TReducidas motor(carpeta);
    TConjuntoApuestas conjunto(&motor);
    // With fixed numbers and no stored file, generate it, reporting progress.
    motor.SinFicheroConFijos = [&](TConjuntoApuestas& c, std::string& error) {
        errores << "Generando la reducción con números fijos...\n";
        std::string mensaje;
        const bool hecha = GeneraYAbreConFijos(
            motor, c,
            [&](std::int64_t apuestas) {
                if (apuestas % 10000 == 0)
                    errores << "  " << apuestas << " apuestas...\n";
                return true;
            },
            mensaje, error);
        if (hecha)
            errores << mensaje << "\n";
        return hecha;
    };
    const TCopiaReduccion copia = EmpiezaEleccionReducida(conjunto.Cabecera);
    conjunto.Cabecera.TipoReduccion = static_cast<std::uint8_t>(garantia - 2);
    TNumerosReducida dialogo(conjunto.Cabecera);
    for (int x : numeros)
        dialogo.Pulsa(x);
    for (int f : fijos)
        dialogo.Pulsa(f);  // a second click makes it fixed
    std::string error;
    if (!dialogo.Acepta(error)) {
        errores << error << "\n";
        return 1;
    }
    TTextosConjunto textos;
    if (TerminaEleccionReducida(conjunto, motor, copia, error, textos) != TResultadoEleccion::Hecha) {
        errores << error << "\n";
        return 1;
    }
    errores << textos.Leyenda << "\n";
    std::string lineas;
    conjunto.VisitaApuestasSimples([&](const TApuestaSimple& a) {
        for (int t = 0; t < a.Cuantos; ++t) {
            if (t)
                lineas += '-';
            lineas += std::to_string(a.Numeros[static_cast<std::size_t>(t)]);
        }
        lineas += '\n';
    });
    salida << lineas;
    salida.flush();
    return salida ? 0 : 1;
}

} // namespace

std::optional<int> EjecutaAccionesReducidas(const std::vector<std::string>& argumentos,
                                            const std::filesystem::path& carpeta, std::ostream& salida,
                                            std::ostream& errores)
{
    if (std::find(argumentos.begin(), argumentos.end(), "--table") != argumentos.end()) {
        if (argumentos.size() != 1) {
            errores << "Error: --table no lleva más opciones\n";
            return 2;
        }
        return Tabla(salida);
    }
    if (std::find(argumentos.begin(), argumentos.end(), "--reduce") != argumentos.end())
        return Reduce(argumentos, carpeta, salida, errores);
    return std::nullopt;
}

std::string TextoAyudaReducidas()
{
    return "  --reduce N1,...,Nn --al K [--fixed F1[,F2[,F3]]]\n"
           "                     carga (o genera y guarda) la reducción al K (3, 4 o 5) de esos\n"
           "                     números, con de uno a tres fijos, y escribe sus apuestas\n"
           "  --table            escribe la tabla de reducciones\n";
}

} // namespace numbrela::app
