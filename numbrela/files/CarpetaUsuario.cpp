#include "files/CarpetaUsuario.h"

#include <unistd.h>

#include <system_error>

namespace numbrela {
namespace {

namespace fs = std::filesystem;

bool Absoluta(const char* ruta)
{
    return ruta && ruta[0] == '/';
}

// Links every delivered file that the user's folder lacks; a link left by an earlier
// installation elsewhere is pointed at this one. Returns the first failure's text.
std::string EnlazaCompartidos(const fs::path& compartida, const fs::path& usuario)
{
    std::error_code ec;
    for (const auto& entrada : fs::directory_iterator(compartida, ec)) {
        if (!entrada.is_regular_file(ec))
            continue;
        const fs::path destino = usuario / entrada.path().filename();
        const auto estado = fs::symlink_status(destino, ec);
        if (fs::exists(estado)) {
            if (!fs::is_symlink(estado) || fs::read_symlink(destino, ec) == entrada.path())
                continue; // the user's own file, or already linked here
            fs::remove(destino, ec);
        }
        fs::create_symlink(entrada.path(), destino, ec);
        if (ec)
            return ec.message();
    }
    return ec ? ec.message() : std::string();
}

} // namespace

TCarpetaDatos CarpetaDeDatos(const fs::path& carpetaPrograma, const char* xdgDataHome,
                             const char* home)
{
    std::error_code ec;
    const fs::path compartida = carpetaPrograma.parent_path() / "share" / "numbrela";
    if (carpetaPrograma.filename() != "bin" || !fs::is_directory(compartida, ec))
        return {carpetaPrograma, {}};

    fs::path usuario;
    if (Absoluta(xdgDataHome))
        usuario = fs::path(xdgDataHome) / "numbrela";
    else if (Absoluta(home))
        usuario = fs::path(home) / ".local" / "share" / "numbrela";
    std::string motivo;
    if (usuario.empty()) {
        motivo = "no se conoce la carpeta personal (HOME)";
    } else if (fs::create_directories(usuario, ec); ec) {
        motivo = ec.message();
    } else if (::access(usuario.c_str(), W_OK | X_OK) != 0) {
        motivo = std::error_code(errno, std::generic_category()).message();
    } else {
        motivo = EnlazaCompartidos(compartida, usuario);
    }
    if (motivo.empty())
        return {usuario, {}};
    return {compartida, "No se puede usar la carpeta de datos " +
                            (usuario.empty() ? std::string("personal") : usuario.string()) + " (" +
                            motivo + "); se leen los archivos de " + compartida.string() +
                            " y no se guardará nada."};
}

} // namespace numbrela
