#include "app/CommandLine.h"

#include <cstdlib>
#include <system_error>

#include "files/CarpetaUsuario.h"

namespace numbrela::app {

std::optional<std::string> AnalizaLinea(int argc, char** argv, Opciones& o)
{
    bool carpetaElegida = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            o.Ayuda = true;
        } else if (a == "--version") {
            o.Version = true;
        } else if (a == "--data-dir") {
            if (i + 1 >= argc || std::string(argv[i + 1]).empty())
                return "Error: --data-dir necesita una carpeta";
            o.CarpetaDatos = argv[++i];
            carpetaElegida = true;
            std::error_code ec;
            if (!std::filesystem::is_directory(o.CarpetaDatos, ec))
                return "Error: la carpeta de datos no existe: " + o.CarpetaDatos.string();
        } else {
            o.Resto.push_back(a);
        }
    }
    if (!carpetaElegida) {
        const TCarpetaDatos d = CarpetaDeDatos(CarpetaDelPrograma(argc > 0 ? argv[0] : ""),
                                               std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        o.CarpetaDatos = d.Carpeta;
        o.AvisoCarpeta = d.Aviso;
    }
    return std::nullopt;
}

std::filesystem::path CarpetaDelPrograma(const char* argv0)
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path();
}

std::string TextoAyuda()
{
    return "Numbrela Pro 1.36: planificador de apuestas de la Lotería Primitiva.\n"
           "\n"
           "Uso: numbrela [opciones] [FICHERO.apu]\n"
           "\n"
           "Opciones:\n"
           "  --help             muestra esta ayuda\n"
           "  --version          muestra la versión\n"
           "  --data-dir CARPETA usa CARPETA en lugar de la carpeta del programa para todos\n"
           "                     los ficheros que el programa lee o escribe\n";
}

} // namespace numbrela::app
