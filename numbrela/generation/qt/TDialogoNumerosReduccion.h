#pragma once
// "Escoja los números que desea reducir": 49 number buttons that cycle grey, chosen (blue,
// bold), fixed (red, bold, underlined) and grey again; the two counters; "Borrar todos";
// a picture button that opens a stored ".RLF" system. Accept validates and closes with 1.
// Below the counters, the table's bets and the compact design's for the numbers chosen and
// the guarantee, with the check box "Diseño compacto" that picks the compact design (off,
// with the reason, while fixed numbers are chosen or there is no design).
#include <filesystem>
#include <functional>

#include "controles/TDialogo.h"
#include "controles/TRejillaNumeros.h"
#include "generation/EleccionReducida.h"

class QCheckBox;
class QLabel;

namespace numbrela::ui {

class TShapeButton;

class TDialogoNumerosReduccion : public TDialogo {
    Q_OBJECT
public:
    // Works on the flags of `cabecera`. `abreRlf` runs the ".RLF" picture button and
    // returns whether a system was opened (the dialog then closes with 1). `compacta`
    // follows the check box; the compact counts come from the designs in `carpeta`.
    TDialogoNumerosReduccion(QWidget* parent, CabeceraApuestas& cabecera,
                             std::function<bool()> abreRlf, bool& compacta,
                             std::filesystem::path carpeta);

    bool AbrioRlf() const { return abrioRlf_; }
    TShapeButton* Boton(int numero) const { return rejilla_->Boton(numero); }
    QLabel* ContadorReducidos() const { return reducidos_; }
    QLabel* ContadorFijos() const { return fijos_; }
    QLabel* Oferta() const { return oferta_; }
    QCheckBox* Compacta() const { return compacta_; }

    // Shows the flags as they are now (before reopening the kept dialog).
    void Refresca();

protected:
    void Intro() override { Acepta(); }
    void showEvent(QShowEvent* e) override;

private:
    void Acepta();
    TNumerosReducida numeros_;
    const CabeceraApuestas& cabecera_;
    bool& eligeCompacta_;
    std::filesystem::path carpeta_;
    std::function<bool()> abreRlf_;
    bool abrioRlf_ = false;
    TRejillaNumeros* rejilla_ = nullptr;
    QLabel* subtitulo_;
    QLabel* reducidos_;
    QLabel* fijos_;
    TShapeButton* borrar_;
    QLabel* oferta_;
    QCheckBox* compacta_;
};

} // namespace numbrela::ui
