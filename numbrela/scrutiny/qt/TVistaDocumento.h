#pragma once
// The print preview's text area: the lines of the printed listing on yellow, read-only,
// each in its style (the first in the area's own large font, the name, legend, draw and
// prizes in 9-point italic, the bets in 8-point "Courier New"). Only the lines in sight
// are laid out and painted, so a reduced system of 285,397 bets shows and scrolls at once.
// Text can be selected with the mouse or Ctrl+A and copied with Ctrl+C. The same lines
// print page by page on a printer.
#include <QAbstractScrollArea>
#include <QFont>
#include <cstdint>
#include <functional>
#include <vector>

#include "scrutiny/DocumentoListado.h"

class QPrinter;
class QTextLayout;

namespace numbrela::ui {

class TVistaDocumento : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TVistaDocumento(QWidget* parent = nullptr);

    void FijaDocumento(std::vector<TLineaDocumento> lineas);
    const std::vector<TLineaDocumento>& Lineas() const { return lineas_; }

    // Every line, joined by line feeds; the selected part the same way.
    QString Texto() const;
    QString TextoSeleccionado() const;
    void SeleccionaTodo();
    void Copia() const;

    // Height of the whole document in pixels, and the first line in sight.
    std::int64_t AltoTotal() const;
    std::int64_t PrimeraLineaVisible() const;

    // Prints every line, page after page; `progreso(pagina, paginas)` after each page.
    // False when the printer or the file cannot be written.
    bool Imprime(QPrinter& impresora, const std::function<void(int, int)>& progreso) const;

    QFont FuenteDe(EstiloLinea estilo) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void changeEvent(QEvent*) override;

private:
    struct TPosicion {
        std::int64_t Linea = 0;
        int Columna = 0;
        auto operator<=>(const TPosicion&) const = default;
    };

    // Recomputes the heights of the lines before the bets (they may wrap) and the
    // scroll range.
    void Dispone();
    // Lays out line `i` at the width of the view.
    void Compone(std::int64_t i, QTextLayout& l) const;
    std::int64_t YDeLinea(std::int64_t i) const;
    std::int64_t LineaEnY(std::int64_t y) const;
    TPosicion PosicionEn(QPoint p) const;
    QString TextoEntre(TPosicion a, TPosicion b) const;
    int AnchoUtil() const;

    std::vector<TLineaDocumento> lineas_;
    std::size_t primeraApuesta_ = 0;      // from here on every line is a bet line
    std::vector<std::int64_t> yCabecera_; // tops of the lines before the bets, then their end
    int altoApuesta_ = 0;
    QFont titulo_, cursiva_, apuesta_;
    TPosicion ancla_, cursor_;
};

} // namespace numbrela::ui
