#include "files/DialogosArchivo.h"

#include <algorithm>
#include <filesystem>

#include "generation/TextosReducidas.h"

namespace numbrela {

const TDialogoArchivo& DialogoAbrirApuestas()
{
    static const TDialogoArchivo d{"Cargar apuesta desde disco...",
                                   "Archivos de apuestas,*.apu|*.apu", "apu"};
    return d;
}

const TDialogoArchivo& DialogoGrabarApuestas()
{
    static const TDialogoArchivo d{"Guardar apuesta en disco...",
                                   "archivos de apuestas,*.apu|*.apu", "apu"};
    return d;
}

const TDialogoArchivo& DialogoAbrirRlf()
{
    static const TDialogoArchivo d{kTituloAbrirRlf, kFiltroAbrirRlf, "rlf"};
    return d;
}

std::pair<std::string, std::vector<std::string>> PartesFiltro(const std::string& filtro)
{
    const std::size_t barra = filtro.find('|');
    std::string descripcion = filtro.substr(0, barra);
    // The description may repeat the pattern after its comma ("Fijo, *.rlf").
    if (const std::size_t coma = descripcion.find(','); coma != std::string::npos)
        descripcion.erase(coma);
    std::vector<std::string> patrones;
    if (barra != std::string::npos) {
        std::string resto = filtro.substr(barra + 1);
        for (std::size_t i = 0; i <= resto.size();) {
            const std::size_t f = std::min(resto.find(';', i), resto.size());
            if (f > i)
                patrones.push_back(resto.substr(i, f - i));
            i = f + 1;
        }
    }
    return {descripcion, patrones};
}

std::string ConExtension(const std::string& ruta, const std::string& extension)
{
    if (extension.empty() || std::filesystem::path(ruta).has_extension())
        return ruta;
    return ruta + "." + extension;
}

} // namespace numbrela
