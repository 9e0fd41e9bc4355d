#pragma once
// The bet-set header: every parameter of the current set. Its 532-byte form is the first
// block of every bet file and the last block of every generated reduction file.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/Apuestas.h"

namespace numbrela {

constexpr std::size_t kTamCabecera = 532;
constexpr std::size_t kMaxNombre = 100;  // characters of Nombre kept in the file
constexpr std::size_t kMaxLeyenda = 200; // characters of Leyenda kept in the file

enum class TipoApuesta : std::uint8_t { Ninguno = 0, Simple = 1, Multiple = 2, Reducida = 3 };

struct CabeceraApuestas {
    std::string Nombre;             // UTF-8 in memory, at most 100 characters stored
    std::uint8_t Tipo = 0;          // TipoApuesta
    std::uint8_t TipoReduccion = 0; // 1 al TRES, 2 al CUATRO, 3 al CINCO
    std::int32_t TotalReducidos = 0;
    std::int32_t TotalFijos = 0;
    std::array<std::uint8_t, kNumeros> Reducidos{};      // [i-1] = i when i is chosen
    std::array<std::uint8_t, kNumeros> Fijos{};          // [i-1] = i when i is fixed
    std::array<std::uint8_t, kNumeros> ListaReducidos{}; // ascending, position 1 at [0]
    std::array<std::uint8_t, kNumeros> ListaFijos{};     // ascending, position 1 at [0]
    std::int32_t TotalApuestas = 0;
    std::int32_t UltimoBoleto = 0;
    std::uint8_t CodigoMultiple = 0;
    TSorteo Sorteo;
    std::string Leyenda;    // UTF-8 in memory, at most 200 characters stored
    std::uint8_t Juego = 0; // 0 PRIMITIVA, 1 BONOLOTO, 2 EL GORDO

    TipoApuesta Clase() const { return static_cast<TipoApuesta>(Tipo); }
};

// The 532 bytes of the header: little-endian integers, short strings as a length byte and
// Windows-1252 characters, reserved bytes zero.
std::array<std::uint8_t, kTamCabecera> EscribeCabecera(const CabeceraApuestas& cabecera);

// Reads a header from exactly 532 bytes. A short string's length byte larger than its
// field is clamped to the field, so a damaged header never reads past its own bytes.
CabeceraApuestas LeeCabecera(std::span<const std::uint8_t, kTamCabecera> bytes);

} // namespace numbrela
