#include "luck/FicheroUsuarios.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "luck/FicheroDatos.h"
#include "model/EscrituraSegura.h"

namespace numbrela {
namespace {

constexpr std::size_t kTamMaximo = 1 + kTamUsuario * kMaxUsuarios;
// A users file larger than this is damaged far beyond its 255 records: adding a user to it
// is refused and the file kept.
constexpr std::uintmax_t kMaxFicheroUsuarios = 64u << 20;

int UsuariosFiables(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return 0;
    const std::size_t enteros = (bytes.size() - 1) / kTamUsuario;
    return static_cast<int>(std::min<std::size_t>(bytes[0], enteros));
}

TUsuario RegistroEn(std::span<const std::uint8_t> bytes, int indice)
{
    return LeeUsuario(std::span<const std::uint8_t, kTamUsuario>(
        bytes.data() + 1 + kTamUsuario * static_cast<std::size_t>(indice), kTamUsuario));
}

} // namespace

std::vector<TUsuario> UsuariosDeBytes(std::span<const std::uint8_t> bytes)
{
    std::vector<TUsuario> usuarios;
    const int n = UsuariosFiables(bytes);
    for (int i = 0; i < n; ++i)
        usuarios.push_back(RegistroEn(bytes, i));
    return usuarios;
}

std::optional<TUsuario> UsuarioDeBytes(std::span<const std::uint8_t> bytes, int indice)
{
    if (indice < 0 || indice >= UsuariosFiables(bytes))
        return std::nullopt;
    return RegistroEn(bytes, indice);
}

std::optional<std::vector<std::uint8_t>> BytesConUsuario(std::span<const std::uint8_t> bytes,
                                                         const TUsuario& usuario)
{
    const int n = UsuariosFiables(bytes);
    if (n >= kMaxUsuarios)
        return std::nullopt;
    // The counted records end here; what follows them (a record cut short, or records
    // the count leaves out) is no user, but it stays after the new one: nothing is lost.
    const std::size_t finContados =
        bytes.empty() ? 0 : 1 + kTamUsuario * static_cast<std::size_t>(n);
    std::vector<std::uint8_t> nuevo;
    nuevo.reserve(bytes.size() + kTamUsuario + 1);
    nuevo.push_back(static_cast<std::uint8_t>(n + 1));
    nuevo.insert(nuevo.end(), bytes.begin() + (bytes.empty() ? 0 : 1), bytes.begin() + finContados);
    const auto registro = EscribeUsuario(usuario);
    nuevo.insert(nuevo.end(), registro.begin(), registro.end());
    nuevo.insert(nuevo.end(), bytes.begin() + finContados, bytes.end());
    return nuevo;
}

TFicheroUsuarios::TFicheroUsuarios(std::filesystem::path carpeta) : carpeta_(std::move(carpeta)) {}

bool TFicheroUsuarios::LeeTodo(std::vector<std::uint8_t>& bytes) const
{
    bytes.clear();
    std::ifstream f(Ruta(), std::ios::binary);
    if (!f)
        return false;
    // Nothing past the 255th record can be a user: read no more than that.
    bytes.resize(kTamMaximo);
    f.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(f.gcount()));
    return true;
}

std::optional<std::string> TFicheroUsuarios::AbreOCrea() const
{
    std::error_code ec;
    if (std::filesystem::exists(Ruta(), ec))
        return std::nullopt;
    if (const std::uint8_t vacio[] = {0}; !EscrituraSegura::EscribeTodo(Ruta(), vacio))
        return std::string(kMsgErrorCreandoUsuarios);
    return std::nullopt;
}

std::vector<TUsuario> TFicheroUsuarios::Usuarios() const
{
    std::vector<std::uint8_t> bytes;
    if (!LeeTodo(bytes))
        return {};
    return UsuariosDeBytes(bytes);
}

std::optional<TUsuario> TFicheroUsuarios::Lee(int indice) const
{
    std::vector<std::uint8_t> bytes;
    if (!LeeTodo(bytes))
        return std::nullopt;
    return UsuarioDeBytes(bytes, indice);
}

std::optional<std::string> TFicheroUsuarios::Anade(const TUsuario& usuario) const
{
    // The whole file, not only what a count can reach: the bytes past the 255th record
    // are rewritten after the new user too. A file that exists but cannot be read whole is
    // left alone rather than replaced by one holding only the new user.
    std::vector<std::uint8_t> bytes;
    std::error_code ec;
    if (std::filesystem::exists(Ruta(), ec)) {
        auto todo = LeeFicheroEntero(Ruta(), kMaxFicheroUsuarios);
        if (!todo)
            return std::string(kMsgErrorGrabandoUsuario);
        bytes = std::move(*todo);
    }
    const auto nuevo = BytesConUsuario(bytes, usuario);
    if (!nuevo)
        return std::string(kMsgDemasiadosUsuarios);
    if (!EscrituraSegura::EscribeTodo(Ruta(), *nuevo))
        return std::string(kMsgErrorGrabandoUsuario);
    return std::nullopt;
}

} // namespace numbrela
