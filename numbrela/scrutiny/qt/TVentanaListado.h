#pragma once
// "Listado de apuestas y escrutinio": the set as a table, sixteen bets to a page, with
// each bet's prize after a scrutiny; four paging buttons, a close button, and "Imprimir",
// which builds the printed listing and opens its preview.
#include <array>
#include <cstdint>

#include "controles/TDialogo.h"
#include "scrutiny/ListadoApuestas.h"

class QFrame;
class QLabel;
class QTableWidget;

namespace numbrela::ui {

class TShapeButton;

class TVentanaListado : public TDialogo {
    Q_OBJECT
public:
    TVentanaListado(QWidget* parent, const TConjuntoApuestas& conjunto);
    ~TVentanaListado() override;

    const ListadoApuestas& Listado() const { return listado_; }
    QTableWidget* Tabla() const { return tabla_; }
    QFrame* PanelProgreso() const { return progreso_; }
    QLabel* ApuestaEnCurso() const { return numero_; }

    // "Imprimir": the document is built with its progress shown over the table, then the
    // preview opens; the table and the buttons stay disabled until it is closed.
    void Imprimir();

private:
    void CreaTabla();
    void CreaBotonesPagina();
    void CreaPanelProgreso();
    // Shows the page the listing is on.
    void Muestra();
    void Habilita(bool si);

    const TConjuntoApuestas& conjunto_;
    ListadoApuestas listado_;
    QTableWidget* tabla_ = nullptr;
    TShapeButton* imprimir_ = nullptr;
    std::array<TShapeButton*, 4> paginas_{}; // first, previous, next, last
    TShapeButton* cerrar_ = nullptr;
    QFrame* progreso_ = nullptr;
    QLabel* numero_ = nullptr;
};

} // namespace numbrela::ui
