#include "app/AccionesReducidas.h"

#include <algorithm>
#include <charconv>

#include "files/FicheroApuestas.h"
#include "generation/CreaCombFijos.h"
#include "generation/EleccionReducida.h"
#include "generation/ReduccionCompacta.h"
#include "generation/Reducidas.h"
#include "generation/TablaReducciones.h"

namespace numbrela::app {
namespace {

// "--numbers 3,17,25": any whole numbers, so the check can say which one is wrong.
bool LeeEnteros(const std::string& texto, std::vector<int>& numeros)
{
    numeros.clear();
    std::size_t i = 0;
    while (i <= texto.size()) {
        const std::size_t fin = std::min(texto.find(',', i), texto.size());
        int v = 0;
        const char* a = texto.data() + i;
        const char* b = texto.data() + fin;
        const auto [p, ec] = std::from_chars(a, b, v);
        if (a == b || ec != std::errc{} || p != b)
            return false;
        numeros.push_back(v);
        i = fin + 1;
    }
    return true;
}

// "3,17,25" -> {3, 17, 25}; false on anything that is not a list of numbers 1..49.
bool LeeLista(const std::string& texto, std::vector<int>& numeros)
{
    if (!LeeEnteros(texto, numeros))
        return false;
    for (int v : numeros)
        if (v < 1 || v > kNumeros)
            return false;
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

std::string Lineas(const TConjuntoApuestas& conjunto)
{
    std::string lineas;
    conjunto.VisitaApuestasSimples([&](const TApuestaSimple& a) {
        for (int t = 0; t < a.Cuantos; ++t) {
            if (t)
                lineas += '-';
            lineas += std::to_string(a.Numeros[static_cast<std::size_t>(t)]);
        }
        lineas += '\n';
    });
    return lineas;
}

int ImprimeTablaCompacta(const std::filesystem::path& carpeta, std::ostream& salida)
{
    std::string t;
    for (const auto& fila : TablaCompacta(carpeta, PrecioUnitario(0))) {
        for (std::size_t i = 0; i < fila.size(); ++i)
            t += (i ? "\t" : "") + fila[i];
        t += "\n";
    }
    salida << t;
    salida.flush();
    return salida ? 0 : 1;
}

int ReduceCompacta(const std::vector<int>& numeros, int garantia,
                   const std::optional<std::string>& guardar, const std::filesystem::path& carpeta,
                   std::ostream& salida, std::ostream& errores)
{
    TReducidas motor(carpeta);
    TConjuntoApuestas conjunto(&motor);
    std::string error;
    if (!CreaReduccionCompacta(conjunto, carpeta, numeros, garantia, error)) {
        errores << error << "\n";
        return 1;
    }
    errores << conjunto.Cabecera.Leyenda << "\n";
    if (guardar &&
        !FicheroApuestas::Graba(conjunto, *guardar, ModoGrabacion::Grabar, carpeta, error)) {
        errores << error << "\n";
        return 1;
    }
    salida << Lineas(conjunto);
    salida.flush();
    return salida ? 0 : 1;
}

int Verifica(const std::vector<std::string>& args, const std::filesystem::path& carpeta,
             std::ostream& salida, std::ostream& errores)
{
    std::optional<std::string> fichero;
    std::vector<int> numeros;
    bool hayNumeros = false;
    int garantia = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hayValor = i + 1 < args.size();
        if (a == "--verify") {
            if (!hayValor) {
                errores << "Error: --verify necesita un fichero de apuestas\n";
                return 2;
            }
            fichero = args[++i];
        } else if (a == "--numbers") {
            if (!hayValor || !LeeEnteros(args[++i], numeros)) {
                errores << "Error: --numbers necesita una lista de números separados por comas\n";
                return 2;
            }
            hayNumeros = true;
        } else if (a == "--al") {
            const std::string v = hayValor ? args[++i] : "";
            if (v.size() != 1 || v[0] < '0' || v[0] > '9') {
                errores << "Error: --al necesita la garantía: 3, 4 o 5\n";
                return 2;
            }
            garantia = v[0] - '0';
        } else {
            errores << "Error: opción desconocida: " << a << "\n";
            return 2;
        }
    }
    if (!fichero || !hayNumeros || garantia == 0) {
        errores << "Error: uso: numbrela --verify FICHERO.apu --numbers N1,...,Nn --al K\n";
        return 2;
    }
    if (auto e = ErrorNumerosGarantia(numeros, garantia)) {
        errores << *e << "\n";
        return 2;
    }
    TReducidas motor(carpeta);
    TConjuntoApuestas conjunto(&motor);
    const TResultadoApertura abierto = FicheroApuestas::AbreDeUnaVez(conjunto, *fichero);
    if (!abierto.Ok) {
        errores << abierto.Error << "\n";
        return 1;
    }
    const std::string n = std::to_string(numeros.size());
    const std::string k = std::to_string(garantia);
    if (const auto sorteo = SorteoNoCubierto(conjunto, numeros, garantia)) {
        std::string s;
        for (std::size_t i = 0; i < 6; ++i)
            s += (i ? "-" : "") + std::to_string((*sorteo)[i]);
        salida << "Sin garantía al " << k << ": el sorteo " << s << " no tiene " << k
               << " aciertos en ninguna apuesta\n";
        return 1;
    }
    salida << "Garantía al " << k << ": si los seis números ganadores están entre los " << n
           << " elegidos, alguna apuesta acierta " << k << "\n";
    return 0;
}

int Reduce(const std::vector<std::string>& args, const std::filesystem::path& carpeta,
           std::ostream& salida, std::ostream& errores)
{
    std::vector<int> numeros, fijos;
    int garantia = 0;
    bool hayNumeros = false, compacta = false;
    std::optional<std::string> guardar;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hayValor = i + 1 < args.size();
        if (a == "--compact") {
            compacta = true;
        } else if (a == "--save") {
            if (!hayValor) {
                errores << "Error: --save necesita un fichero de apuestas\n";
                return 2;
            }
            guardar = args[++i];
        } else if (a == "--reduce") {
            if (!hayValor || !LeeLista(args[++i], numeros)) {
                errores << "Error: --reduce necesita una lista de números del 1 al 49 separados "
                           "por comas\n";
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
                errores << "Error: --fixed necesita de uno a tres números del 1 al 49 separados "
                           "por comas\n";
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
    if (guardar && !compacta) {
        errores << "Error: --save sólo acompaña a --reduce con --compact\n";
        return 2;
    }
    if (compacta) {
        if (!fijos.empty()) {
            errores << "Error: la reducción compacta no lleva números fijos\n";
            return 2;
        }
        return ReduceCompacta(numeros, garantia, guardar, carpeta, salida, errores);
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
        dialogo.Pulsa(f); // a second click makes it fixed
    std::string error;
    if (!dialogo.Acepta(error)) {
        errores << error << "\n";
        return 1;
    }
    TTextosConjunto textos;
    if (TerminaEleccionReducida(conjunto, motor, copia, error, textos) !=
        TResultadoEleccion::Hecha) {
        errores << error << "\n";
        return 1;
    }
    errores << textos.Leyenda << "\n";
    salida << Lineas(conjunto);
    salida.flush();
    return salida ? 0 : 1;
}

} // namespace

std::optional<int> EjecutaAccionesReducidas(const std::vector<std::string>& argumentos,
                                            const std::filesystem::path& carpeta,
                                            std::ostream& salida, std::ostream& errores)
{
    auto hay = [&](const char* opcion) {
        return std::find(argumentos.begin(), argumentos.end(), opcion) != argumentos.end();
    };
    if (hay("--table")) {
        if (argumentos.size() == 2 && hay("--compact"))
            return ImprimeTablaCompacta(carpeta, salida);
        if (argumentos.size() != 1) {
            errores << "Error: --table sólo admite --compact\n";
            return 2;
        }
        return Tabla(salida);
    }
    if (hay("--verify"))
        return Verifica(argumentos, carpeta, salida, errores);
    if (std::find(argumentos.begin(), argumentos.end(), "--reduce") != argumentos.end())
        return Reduce(argumentos, carpeta, salida, errores);
    return std::nullopt;
}

std::string TextoAyudaReducidas()
{
    return "  --reduce N1,...,Nn --al K [--fixed F1[,F2[,F3]]]\n"
           "                     carga (o genera y guarda) la reducción al K (3, 4 o 5) de\n"
           "                     esos números, con de uno a tres fijos, y escribe sus\n"
           "                     apuestas\n"
           "  --reduce N1,...,Nn --al K --compact [--save FICHERO.apu]\n"
           "                     escribe la reducción compacta al K de esos números (la\n"
           "                     misma garantía con menos apuestas) y, con --save, la guarda\n"
           "                     como apuestas simples\n"
           "  --table [--compact] escribe la tabla de reducciones; con --compact, junto a\n"
           "                     las compactas y el ahorro en euros\n"
           "  --verify FICHERO.apu --numbers N1,...,Nn --al K\n"
           "                     dice si las apuestas del fichero dan la garantía al K para\n"
           "                     esos números y, si no, un sorteo sin K aciertos (estado 1)\n";
}

} // namespace numbrela::app
