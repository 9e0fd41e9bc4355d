#pragma once
// Printing the bet set onto the operator's slips: which slips a range covers, what each
// slip's job holds, the calibration print, and the run that sends them to a printer.
#include <functional>
#include <string>
#include <vector>

#include "model/ConjuntoApuestas.h"
#include "printing/HojaBoleto.h"

namespace numbrela {

enum class TRangoImpresion { CuadrarBoleto, BoletoEnPantalla, TodosLosBoletos, RangoDeA };

// The items of " Rango de Impresión  " in their order.
inline constexpr const char* kTextosRango[] = {"Cuadrar boleto", "Boleto en pantalla",
                                               "Todos los boletos", "Rango de-a"};
inline constexpr const char* kTituloVentanaImpresion = "Impresión de Boletos";
inline constexpr const char* kCabeceraVentanaImpresion = "Impresión de Boletos de la ONLAE";
inline constexpr const char* kGrupoRango = " Rango de Impresión  ";
inline constexpr const char* kEtiquetaDistanciaAPosX = "Distancia A        PosX    ";
inline constexpr const char* kEtiquetaDistanciaBPosY = "Distancia B        PosY    ";
inline constexpr const char* kBotonActivarValores = "Activar valores";
inline constexpr const char* kBotonImprimir = "Imprimir";
inline constexpr const char* kBotonAbortar = "Abortar";
inline constexpr const char* kBotonAyuda = "Ayuda";

struct TPeticionImpresion {
    TRangoImpresion Rango = TRangoImpresion::CuadrarBoleto;
    std::string De = "1"; // "Rango de-a" fields, slips counted from 1
    std::string A;
};

struct TResultadoImpresion {
    std::string Error;           // message to show; nothing was printed
    int Trabajos = 0;            // jobs completed
    bool Abortado = false;       // a job was cancelled: no further slip was printed
    int ApuestasIncompletas = 0; // bets printed with fewer numbers than their crosses
};

// "Rango de-a" fields at opening: "1" and the number of slips.
TPeticionImpresion PeticionInicial(const TConjuntoApuestas& conjunto);

// The standard message for a field that does not hold a whole number.
std::string MensajeNumeroNoValido(const std::string& texto);

// The slips (0-based) a range prints, checking "Rango de-a". Calibration gives none.
// Returns false with the message when the fields are wrong.
bool BoletosDelRango(const TConjuntoApuestas& conjunto, const TPeticionImpresion& peticion,
                     std::vector<int>& boletos, std::string& error);

// The numbers printed for bet `indice` (0-based over the set): six for simple and reduced
// bets, the multiple's size for a multiple; unfilled places (0) are left out.
std::vector<int> NumerosParaImprimir(const TConjuntoApuestas& conjunto, std::int64_t indice);

// The job of slip k (0-based): header lines (the name's first ten characters, and
// "k+1 de slips"), then each bet's marks, block by block. PosY moves on by one block per
// bet while the slip is composed, as the printer's origin does, and is given back at the
// end. `titulo` is the job's title ("Numbrela: Boleto k+1") or empty.
THojaBoleto ComponeBoleto(const TConjuntoApuestas& conjunto, TGeometriaImpresion& geometria, int k,
                          const std::string& titulo, int* incompletas = nullptr);

// The calibration job: the outline and the first-line pattern (ImprimePrimeraLinea).
THojaBoleto ComponeCalibracion(const TGeometriaImpresion& geometria);

// ImprimePrimeraLinea: 9 boxes along the first row, then 4 on each of the next 8 rows.
std::vector<TPunto> ImprimePrimeraLinea(const TGeometriaImpresion& geometria, TPunto origen);

// The three messages shown before the calibration print.
std::vector<std::string> MensajesCalibracion(int altoImprimible, int anchoImprimible,
                                             bool vertical);

// The caption of the orientation button.
const char* TextoBotonOrientacion(bool vertical);

// "Imprimir": sends one job per slip of the range to `lienzo`; the calibration is printed
// whatever the set holds, slips only for a set with a kind. `continuar` runs between
// jobs (a caller may take "Abortar" there); returning false ends the command like a
// cancelled job. PosX and PosY hold their values again afterwards, however it ended.
TResultadoImpresion ImprimirBoletos(const TConjuntoApuestas& conjunto,
                                    TGeometriaImpresion& geometria,
                                    const TPeticionImpresion& peticion, TLienzoBoleto& lienzo,
                                    const std::function<bool()>& continuar = {});

} // namespace numbrela
