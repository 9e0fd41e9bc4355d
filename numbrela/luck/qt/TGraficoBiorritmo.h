#pragma once
// The biorhythm chart: five luck bands of 40 pixels, "Excelente" at the top, a base line
// under them, 31 bar places with their day numbers. It paints what it is given and holds
// no rule; the bars come from the core, and the window hands them over one at a time.
#include <QWidget>

#include "luck/Biorritmo.h"

namespace numbrela::ui {

class TGraficoBiorritmo : public QWidget {
    Q_OBJECT
public:
    // Left of the first bar place: the column of band names.
    static constexpr int kIzquierda = 86;
    static constexpr int kAncho = kIzquierda + 31 * 19 + 6;
    static constexpr int kAlto = 232;

    explicit TGraficoBiorritmo(QWidget* parent = nullptr);

    // The month to show: its day numbers, and its bars up to the first `barras` days.
    void Muestra(const TBiorritmo& biorritmo, int barras);
    const TBiorritmo& Biorritmo() const { return datos_; }
    int BarrasMostradas() const { return barras_; }
    // Whether the bar of day `dia` (1..31) is drawn, and its height.
    bool BarraVisible(int dia) const;
    int AlturaBarra(int dia) const;
    // The bar of day `dia` as drawn, in the chart's coordinates.
    QRect RectanguloBarra(int dia) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void DibujaBandas(QPainter& p) const;
    void DibujaDias(QPainter& p) const;
    void DibujaBarras(QPainter& p) const;
    void DescribeParaLectores();

    TBiorritmo datos_;
    int barras_ = 0;
};

} // namespace numbrela::ui
