#pragma once
// The texts of the information dialog "Información sobre Numbrela® Profesional" and of
// the progress window shown while a reduced system with fixed numbers is generated.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace numbrela {

inline constexpr const char* kTituloInformacion = "Información sobre Numbrela® Profesional";
inline constexpr const char* kTituloAbrirRlf = "Escoja una reducida creada previamente...";
inline constexpr const char* kFiltroAbrirRlf = "Apuestas reducidas con Fijo, *.rlf|*.rlf";

// The memo's lines for text set 1 (the first notice, with "Abrir...") or 2 (the
// confirmation before generating, for n numbers al k into `fichero`).
std::vector<std::string> TextosInformacion(int conjunto, int n, int garantia,
                                           const std::string& fichero);

struct TTextosProgreso {
    std::string Titulo;             // caption "Atención !!!"
    std::string Cabecera;           // "Se esta generando una reducción..."
    std::vector<std::string> Aviso; // four lines
    std::string Numeros;            // "Números reducidos: " + n
    std::string Fijos;              // "Número(s) Fijo(s):" + fixed numbers joined by "-"
    std::string RotuloArchivo;      // "Archivo que se está generando:"
    std::string Archivo;            // the file name
};

TTextosProgreso TextosProgreso(int n, std::span<const std::uint8_t> fijos,
                               const std::string& fichero);

} // namespace numbrela
