#pragma once
// Choosing and changing a reduced system from the main window: the reduction-kind dialog,
// the numbers dialog (kept, so "&Números" reopens it with the current choice), a stored
// ".RLF" picked by hand, and the dialogue and progress window of a generation with fixed
// numbers. The rules are the core's (EleccionReducida); this shows the dialogs and says
// what became of the set.
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "generation/EleccionReducida.h"
#include "model/ConjuntoApuestas.h"

class QWidget;

namespace numbrela {
class TReducidas;
}

namespace numbrela::ui {

class TDialogoNumerosReduccion;

// What a reduced command did to the set; the messages were shown already.
struct TTrasReducida {
    TResultadoEleccion Resultado = TResultadoEleccion::Hecha;
    TTextosConjunto Textos; // for Hecha and Reiniciada
};

class TFlujoReducidas : public QObject {
    Q_OBJECT
public:
    TFlujoReducidas(QWidget* ventana, TConjuntoApuestas& conjunto, TReducidas& motor);
    ~TFlujoReducidas() override;

    // "Reducida" in the kind dialog, "Red&ucir" and "&Números". Nothing when cancelled.
    std::optional<TTrasReducida> EligeReducida();
    std::optional<TTrasReducida> Reducir();
    std::optional<TTrasReducida> CambiaNumeros();

    // A set opened from a file brings its own choice of numbers.
    void OlvidaNumeros();

    // Whether the compact design is chosen (the check box of both reduction dialogs).
    bool CompactaElegida() const { return compacta_; }

    bool Generando() const { return generando_; }
    // The longest stretch without running pending events during the last generation, in
    // milliseconds, up to the set holding the new system.
    double EsperaMaxima() const { return esperaMaxima_; }

private:
    std::optional<TTrasReducida> TrasNumeros(const TCopiaReduccion& copia, bool nueva);
    // With the compact design chosen, the set becomes it. When it cannot be used the
    // player is told why and offered the table's design: nothing when he takes it (the
    // caller loads it), otherwise what became of the set.
    std::optional<TTrasReducida> PruebaCompacta(const std::function<void()>& deshaz);
    bool AbreRlfElegido();
    bool SinFicheroConFijos(TConjuntoApuestas& conjunto, std::string& error);
    void Avisa(const std::string& mensaje);

    QWidget* ventana_;
    TConjuntoApuestas& conjunto_;
    TReducidas& motor_;
    std::unique_ptr<TDialogoNumerosReduccion> numeros_;
    bool generando_ = false;
    bool compacta_ = false;
    double esperaMaxima_ = 0;
};

} // namespace numbrela::ui
