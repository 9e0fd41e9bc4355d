#pragma once
// The 49 number buttons of a number dialog (a bet's numbers, the numbers to reduce): one
// picture button a number, `columnas` to a row from `origen`, 41 by 34 pixels apart, each
// named "NumeroN" and captioned with its number. A click is the signal Pulsado.
#include <QColor>
#include <QObject>
#include <QPoint>
#include <vector>

class QWidget;

namespace numbrela::ui {

class TShapeButton;

class TRejillaNumeros : public QObject {
    Q_OBJECT
public:
    TRejillaNumeros(QWidget* dialogo, QPoint origen, int columnas);

    TShapeButton* Boton(int numero) const { return botones_[static_cast<std::size_t>(numero - 1)]; }

    // A number's caption in the dialog's font, bold and underlined as asked, in `color`.
    void Pinta(int numero, bool negrita, bool subrayado, QColor color) const;

signals:
    void Pulsado(int numero);

private:
    QWidget* dialogo_;
    std::vector<TShapeButton*> botones_;
};

} // namespace numbrela::ui
