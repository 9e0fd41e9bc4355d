#pragma once
// A user of the luck tools: full name and date of birth, and its 208-byte record as the
// user file stores it.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace numbrela {

constexpr std::size_t kTamUsuario = 208;
constexpr std::size_t kMaxNombreUsuario = 200; // characters of the name the record keeps
constexpr int kMaxAnioUsuario = 9999;          // the year field takes four digits

struct TUsuario {
    std::string NombreCompleto; // UTF-8 in memory, Windows-1252 in the record
    std::uint8_t Dia = 0;       // 1..31
    std::uint8_t Mes = 0;       // 1..12
    std::int32_t Anio = 0;
};

// The record: length byte, 200 name bytes (zero past the name), day, month, a reserved
// zero byte and the year little-endian. The name is cut to 200 characters.
std::array<std::uint8_t, kTamUsuario> EscribeUsuario(const TUsuario& usuario);

// Reads a record. A length byte above 200 is taken as 200, so a damaged record never
// reads past its own bytes.
TUsuario LeeUsuario(std::span<const std::uint8_t, kTamUsuario> bytes);

// Sum of the character codes of the name as the record stores it (Windows-1252).
std::int64_t SumaCodigos(const std::string& nombre);

// What the user window holds: a day and a month chosen from lists (0 = none chosen) and
// the text of the four-digit year field.
struct TFormularioUsuario {
    std::string Nombre;
    int Dia = 0;
    int Mes = 0;
    std::string Anio;
};

// The fields showing `usuario` (the whole name).
TFormularioUsuario FormularioDe(const TUsuario& usuario);

// The user the fields describe, or nothing when a field is missing or the year field
// does not hold a number.
std::optional<TUsuario> UsuarioDelFormulario(const TFormularioUsuario& formulario);

// Messages of the user window.
inline constexpr const char* kMsgUsuarioIncorrecto =
    "No ha escogido un usuario correctamente, inténtelo de nuevo o pulse CANCELAR";
inline constexpr const char* kMsgDatosIncompletos =
    "Error: No ha introducido todos los datos correctamente, revíselos e inténtelo de nuevo";

} // namespace numbrela
