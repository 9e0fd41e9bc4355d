#pragma once
// The one bet set the planner works on: header, owned bets, the reduced system's buffers,
// slips, price and legend.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/Apuestas.h"
#include "model/CabeceraApuestas.h"
#include "model/MotorReducidas.h"

namespace numbrela {

constexpr int kApuestasPorBoleto = 8;
// The number-of-bets dialog takes up to eight digits. A million simple bets is far beyond
// any real play (100 million pesetas a draw) and still only 65 MB of bets.
constexpr std::int64_t kMaxApuestasSimples = 1'000'000;
inline constexpr const char* kSinFichero = "NINGUNO";
inline constexpr const char* kSinNombre = "Sin Nombre";

// One simple bet of the set as every consumer sees it: index 1..N and its numbers
// ascending (fewer than six only for a simple bet not yet filled in).
struct TApuestaSimple {
    std::int64_t Indice = 0;
    std::array<std::uint8_t, kNumerosPorApuesta> Numeros{};
    int Cuantos = 0;
};

// Texts the main window shows after the set changed.
struct TTextosConjunto {
    std::string Leyenda;  // shown whole, stored cut to 200 characters
    std::string Contador; // "Boleto 1 de " + slips
};

// Worth of a multiple bet of `cruces` crosses in simple bets: C(k, 6) for 7..11, 44 for 5
// (its five numbers with each of the other 44), 0 for any other size.
std::int64_t ValorMultiple(int cruces);

// Unit price of a game: 100, 50 or 250; and its name as the game panel shows it.
int PrecioUnitario(int juego);
const char* NombreJuego(int juego);

class TConjuntoApuestas {
public:
    explicit TConjuntoApuestas(TMotorReducidas* motor = nullptr);

    CabeceraApuestas Cabecera;
    std::vector<TApuestas> Apuestas; // simple: N; multiple: 1; reduced: min(N, 8)
    bool EscrutadoHecho = false;
    std::vector<std::uint32_t> BufferRangos;    // reduced systems: one rank per bet
    std::vector<std::uint8_t> AciertosReducida; // bits 0..6 hits, bit 7 the complementary
    int CrucesPorApuesta = kNumerosPorApuesta;
    int BoletoActual = 0;         // 0-based slip on screen
    int ApuestasUltimoBoleto = 0; // 1..8; 8 also for a full last slip
    std::string NombreFichero = kSinFichero;
    bool GrabarHabilitado = false;     // "&Grabar"
    bool GrabarComoHabilitado = false; // "G&rabar como..."

    TMotorReducidas* Motor() const { return motor_; }
    void FijaMotor(TMotorReducidas* motor) { motor_ = motor; }

    TipoApuesta Tipo() const { return Cabecera.Clase(); }
    std::int64_t TotalApuestas() const { return Cabecera.TotalApuestas; }

    // Rebuilds the bet objects for the current kind and recomputes the slips. A reduced
    // system is loaded through the engine; on failure `error` holds the message.
    bool ActualizaApuestas(std::string& error);
    // Recomputes UltimoBoleto and the bets on the last slip from N and the kind.
    void RecalculaBoletos();
    // Composes the legend, stores it (cut to 200 characters) and returns what to show.
    TTextosConjunto CambiaLeyenda();
    // After the kind or the count changed: slip 0, the bets rebuilt, the legend composed.
    bool CambioGlobal(std::string& error, TTextosConjunto& textos);
    // "Nueva": one empty simple bet, no name, no file.
    TTextosConjunto Nueva();

    // A new simple set of `n` empty bets ("Crear" after choosing the simple kind): a whole
    // new header (no name, the first game), no file. Above the planner's limit the set is
    // kept and `error` says why.
    bool CreaSimples(std::int64_t n, std::string& error, TTextosConjunto& textos);
    // "Crear" from "&Apuestas": N empty bets, the rest of the set as it is.
    bool RecreaSimples(std::int64_t n, std::string& error, TTextosConjunto& textos);
    // "Añadir": `n` more empty bets after the existing ones, which keep their marks.
    bool AnadeSimples(std::int64_t n, std::string& error, TTextosConjunto& textos);

    // Sets the name, cut to 100 characters.
    void FijaNombre(const std::string& nombre);
    // Moves the game on: PRIMITIVA, BONOLOTO, EL GORDO, PRIMITIVA...
    void CicloJuego();

    // Slip navigation: the first, previous, next or last slip, or slip `boleto` (0-based).
    // Each returns whether the slip on screen changed; a slip outside the set is refused.
    bool VeAlBoleto(int boleto);
    bool VeAlPrimerBoleto() { return VeAlBoleto(0); }
    bool VeAlBoletoAnterior() { return VeAlBoleto(BoletoActual - 1); }
    bool VeAlBoletoSiguiente() { return VeAlBoleto(BoletoActual + 1); }
    bool VeAlUltimoBoleto() { return VeAlBoleto(Cabecera.UltimoBoleto); }

    // Bets shown on slip s (0-based): 8, or fewer on the last slip; 0 for an empty set
    // and for a set of no kind.
    int ApuestasEnBoleto(int boleto) const;
    int NumeroDeBoletos() const { return Cabecera.UltimoBoleto + 1; }
    std::string TextoContador() const; // "Boleto " + current + " de " + slips
    std::int64_t Precio() const;
    std::string TextoPrecio() const;  // price + " pts"
    std::string TextoLeyenda() const; // the legend as composed now, whole

    // Fills the bet objects 0..count-1 with the reduced bets first..first+count-1.
    void DelBufferALaApuesta(std::int64_t primera, int cuantas);
    // For a reduced set, refills the bet objects from the ranks of the current slip.
    void PreparaBoleto();
    // Frees the reduced system's buffers.
    void LiberaReducidas();

    // Visits every simple bet of the set in order. For a reduced set it needs the engine
    // and returns false without visiting when there is none.
    bool VisitaApuestasSimples(const std::function<void(const TApuestaSimple&)>& visita) const;

private:
    TMotorReducidas* motor_;
};

} // namespace numbrela
