#pragma once
// What the main window and its dialogs decide: reading typed values, which bet a click on
// the slip picture means, where a cross goes on the slip, where the controls go when the
// window is resized. Plain functions, so tests call them without a window.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ConjuntoApuestas.h"
#include "model/Punto.h"

namespace numbrela {

// A count typed in the number-of-bets dialog (digits only). Empty or not a number gives
// "Valor incorrecto. Inténtelo de nuevo". The planner's limit is the set's to check.
struct TLectura {
    std::optional<std::int64_t> Valor;
    std::string Error;
};
TLectura LeeNumeroApuestas(const std::string& texto);

// Go to slip: the new 0-based slip, or the message. Slip 0 and slips past the last one
// give "Error: No existe ese boleto"; an entry that is not a number "Error al introducir
// BOLETO".
struct TIrABoleto {
    std::optional<int> Boleto;
    std::string Error;
};
TIrABoleto LeeIrABoleto(const std::string& texto, int ultimoBoleto);

// The bet a click at x on the slip picture selects (1-based bet number of the set), or the
// message: a column whose bet button is hidden gives "-Error: No está creada esa apuesta",
// a bet past N "Error: No está creada esa apuesta", a bet of a reduced system is refused.
struct TEleccionApuesta {
    std::int64_t Apuesta = 0; // 1-based in the set
    int Columna = 0;          // 0..7 on the slip
    std::string Error;
};
TEleccionApuesta ApuestaEnColumna(const TConjuntoApuestas& conjunto, int columna);
TEleccionApuesta ApuestaEnPunto(const TConjuntoApuestas& conjunto, int x);

// Lower-left corner of the cross of `numero` in bet column j (0..7) of the slip picture.
// A cross is two lines from (x, y) to (x + 13, y - 16) and from (x + 13, y) to (x, y - 16).
TPunto EsquinaCruz(int columna, int numero);
constexpr int kAnchoCruz = 13;
constexpr int kAltoCruz = 16;
constexpr int kAnchoColumnaBoleto = 93;

// Horizontal places of the window's controls after a resize. `centroBoleto` is the slip
// panel's left edge P, `irABoleto` the go-to-slip button's left edge L.
struct TDisposicion {
    int Tipo, Apuestas, Reducir, Numeros, Listar, Rellenar, Escrutar, Imprimir;
    int Primero, Anterior, Siguiente, Ultimo, Informacion, Contador, Fichero, Precio, Salir;
};
TDisposicion Disposicion(int bordeBoleto, int irABoleto);

// What column j of the slip on screen shows: the bet number on its button, the bet object
// whose crosses it draws and the caption of its hits panel (empty before a scrutiny). A
// multiple shows its one bet; an empty set or a set of no kind shows none. For a reduced
// set the bet objects must hold the current slip (PreparaBoleto).
struct TColumnaBoleto {
    std::int64_t Apuesta = 0;
    std::size_t Indice = 0;
    std::string Aciertos;
};
std::vector<TColumnaBoleto> ColumnasBoleto(const TConjuntoApuestas& conjunto);

// Which of the window's own commands the set allows: "&Apuestas" for simple sets,
// "Red&ucir" for reduced sets without fixed numbers, "&Números" for reduced sets, and
// "&Grabar" once the set has a file.
struct TEstadoOrdenes {
    bool Apuestas = false;
    bool Reducir = false;
    bool Numeros = false;
    bool Grabar = false;
};
TEstadoOrdenes EstadoOrdenes(const TConjuntoApuestas& conjunto);

// The colour of the slip's title bar for a game: green, blue or black (RGB).
std::uint32_t ColorJuego(int juego);

} // namespace numbrela
