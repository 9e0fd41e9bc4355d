// Any bytes as USUARIOS.DB, BRMO.DAT and LUCKY.DAT: the readers never read past an end,
// never trust the count beyond the records present, and adding a user keeps every
// earlier record.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "luck/Biorritmo.h"
#include "luck/FicheroUsuarios.h"
#include "luck/NumerosSuerte.h"

namespace {

const std::filesystem::path& Carpeta()
{
    static const std::filesystem::path carpeta = [] {
        auto c = std::filesystem::temp_directory_path() /
                 ("numbrela_fuzz_usuarios_" + std::to_string(getpid()));
        std::filesystem::create_directories(c);
        return c;
    }();
    return carpeta;
}

void Escribe(const char* nombre, const std::uint8_t* datos, std::size_t tam)
{
    std::ofstream f(Carpeta() / nombre, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(tam));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tam)
{
    using namespace numbrela;
    Escribe(kFicheroUsuarios, datos, tam);
    TFicheroUsuarios fichero(Carpeta());
    const auto usuarios = fichero.Usuarios();
    const std::size_t enteros = tam == 0 ? 0 : (tam - 1) / kTamUsuario;
    if (usuarios.size() > enteros || usuarios.size() > 255)
        std::abort();
    for (std::size_t i = 0; i < usuarios.size(); ++i)
        if (fichero.Lee(static_cast<int>(i))->NombreCompleto != usuarios[i].NombreCompleto)
            std::abort();
    if (fichero.Lee(static_cast<int>(usuarios.size())))
        std::abort();

    TUsuario nuevo;
    nuevo.NombreCompleto = "Nuevo";
    nuevo.Dia = 1;
    nuevo.Mes = 2;
    nuevo.Anio = 1990;
    const bool anadido = !fichero.Anade(nuevo);
    const auto despues = fichero.Usuarios();
    if (anadido != (usuarios.size() < 255) || despues.size() != usuarios.size() + (anadido ? 1 : 0))
        std::abort();
    for (std::size_t i = 0; i < usuarios.size(); ++i)
        if (despues[i].NombreCompleto != usuarios[i].NombreCompleto ||
            despues[i].Anio != usuarios[i].Anio)
            std::abort();

    // The same bytes as the data files, read for every stored user.
    Escribe(kFicheroBiorritmo, datos, tam);
    Escribe(kFicheroSuerte, datos, tam);
    TSesionSuerte sesion;
    sesion.UsuarioEstablecido = true;
    for (const TUsuario& u : usuarios) {
        sesion.UsuarioActual = u;
        const TBiorritmo b = CalculaBiorritmo(sesion, 1 + u.Mes % 12, 1998 + u.Dia % 13, Carpeta());
        for (const auto& barra : b.Barras)
            if (barra.Visible && (barra.Desplazamiento < 0 ||
                                  barra.Desplazamiento >= static_cast<std::int64_t>(tam)))
                std::abort();
        CalculaNumerosSuerte(u, Carpeta());
    }
    return 0;
}
