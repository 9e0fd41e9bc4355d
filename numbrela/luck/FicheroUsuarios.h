#pragma once
// "USUARIOS.DB" in the program folder: a count byte N, then N user records of 208 bytes in
// the order they were stored.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "luck/Usuario.h"

namespace numbrela {

inline constexpr const char* kFicheroUsuarios = "USUARIOS.DB";
constexpr int kMaxUsuarios = 255; // the count is one byte

inline constexpr const char* kMsgErrorCreandoUsuarios =
    "El archivo de usuarios no existía y se produjo un error durante su creación -USUARIOS.DB-";
inline constexpr const char* kMsgErrorGrabandoUsuario = "Error copiando datos de usuario a disco";
inline constexpr const char* kMsgDemasiadosUsuarios =
    "Error: El archivo de usuarios ya guarda 255 usuarios, el máximo posible. "
    "No se ha añadido el nuevo usuario";
inline constexpr const char* kMsgErrorLeyendoUsuario =
    "Error: No se ha podido leer el usuario escogido del archivo -USUARIOS.DB-";

// The file's rules on its bytes in memory; the file below reads its bytes and calls them.
// The stored users, first to last: a count larger than the whole records present is
// lowered to them, and a record cut short is not a user.
std::vector<TUsuario> UsuariosDeBytes(std::span<const std::uint8_t> bytes);
// Record `indice` (0-based), when the bytes hold it whole and the count includes it.
std::optional<TUsuario> UsuarioDeBytes(std::span<const std::uint8_t> bytes, int indice);
// The bytes with `usuario` stored after the last counted user and the count raised by one;
// bytes that followed the counted records stay after it. Nothing when 255 are stored.
std::optional<std::vector<std::uint8_t>> BytesConUsuario(std::span<const std::uint8_t> bytes,
                                                         const TUsuario& usuario);

class TFicheroUsuarios {
public:
    explicit TFicheroUsuarios(std::filesystem::path carpeta);

    // Opening the user window: a missing file is created holding no user. Returns the
    // message to show when that fails.
    std::optional<std::string> AbreOCrea() const;

    // UsuariosDeBytes and UsuarioDeBytes on the file; a missing file holds no user.
    std::vector<TUsuario> Usuarios() const;
    std::optional<TUsuario> Lee(int indice) const;

    // Stores a user after the last counted one and writes the count back; every byte
    // that followed the counted records is kept after it. The file is rewritten
    // through a temporary file and a rename, so a failure leaves the old file whole.
    // Returns the message to show on failure (the file then is unchanged).
    std::optional<std::string> Anade(const TUsuario& usuario) const;

    std::filesystem::path Ruta() const { return carpeta_ / kFicheroUsuarios; }

private:
    // The bytes of the file, at most the count byte and 255 records; false when missing.
    bool LeeTodo(std::vector<std::uint8_t>& bytes) const;
    std::filesystem::path carpeta_;
};

} // namespace numbrela
