#pragma once
// The draw-entry window's check of its seven fields (six winning numbers, then the
// complementary number) and the draw it accepts.
#include <array>
#include <string>

#include "model/Apuestas.h"

namespace numbrela {

struct TResultadoEntrada {
    bool Ok = false;
    std::string Error;            // the message box when !Ok
    bool FocoPrimerCampo = false; // the generic message puts the focus on the first field
    TSorteo Sorteo;               // when Ok: the six winners ascending and the complementary
};

namespace EntradaSorteo {

// First pass, fields 1..7: a text that is not a whole number (empty included) stops
// with the generic message, a value above 49 with the message naming the field's text;
// second pass: a value of 0 stops with the zero message. Then the six winning numbers
// are sorted. Numbers need not be distinct: a repeated number is stored as typed.
TResultadoEntrada Valida(const std::array<std::string, 7>& campos);

// What the fields show: "00" with no stored draw, else the stored numbers.
std::array<std::string, 7> Campos(const TSorteo& sorteo);

// "1,3,7,12,30,45+9" split into the seven fields as typed (the command line's form).
// A missing field is empty; more than seven fields keep the extra text in the last
// one, which then is not a number.
std::array<std::string, 7> CamposDeTexto(const std::string& texto);

} // namespace EntradaSorteo

} // namespace numbrela
