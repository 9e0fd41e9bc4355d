#include "principal/qt/TTiraSorteo.h"

#include "controles/Colores.h"
#include "controles/TPanel.h"

namespace numbrela::ui {

TTiraSorteo::TTiraSorteo(QWidget* parent) : QFrame(parent)
{
    setObjectName("Panel23");
    setAccessibleName("Sorteo");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colores::kVerde);
    setPalette(pal);
    resize(7 * 36 + 8, 34);
    QFont negrita = font();
    negrita.setBold(true);
    for (int i = 0; i < 7; ++i) {
        const bool complementario = i == 6;
        auto* n =
            new TPanel(this, complementario ? colores::kMarino : colores::kVerdeAzulado, Qt::white);
        n->setObjectName(QString("Panel%1").arg(24 + i));
        n->setGeometry(4 + 36 * i, 4, 32, 26);
        n->setFont(negrita);
        n->setAccessibleName(complementario ? QString("Complementario")
                                            : QString("Número %1").arg(i + 1));
        numeros_[static_cast<std::size_t>(i)] = n;
    }
    hide();
}

void TTiraSorteo::Muestra(const TSorteo& sorteo)
{
    if (!sorteo.HaySorteo()) {
        hide();
        return;
    }
    for (std::size_t i = 0; i < sorteo.Numeros.size(); ++i) {
        numeros_[i]->setText(QString::number(sorteo.Numeros[i]));
        numeros_[i]->setAccessibleName(QString("Número %1: %2").arg(i + 1).arg(sorteo.Numeros[i]));
    }
    numeros_[6]->setText(QString::number(sorteo.Complementario));
    numeros_[6]->setAccessibleName(QString("Complementario: %1").arg(sorteo.Complementario));
    show();
}

} // namespace numbrela::ui
