#include "scrutiny/qt/TVentanaResultados.h"

#include <QLabel>

#include "scrutiny/TextosEscrutinio.h"

namespace numbrela::ui {

TVentanaResultados::TVentanaResultados(QWidget* parent, const TEscrutinio& escrutinio)
    : TDialogo(parent, QString::fromUtf8(textos::kTituloResultados),
               QString::fromUtf8(textos::kRotuloResultados), QSize(300, 260))
{
    setObjectName("Resultados");
    const auto lineas = Escrutinio::LineasResultados(escrutinio);
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        QLabel* l = Rotulo(QString::fromStdString(lineas[i]),
                           QRect(60, 48 + 28 * static_cast<int>(i), 200, 24), true);
        QFont f = l->font();
        f.setPointSize(11);
        l->setFont(f);
        l->setObjectName(QString("Linea%1").arg(i + 1));
        lineas_[i] = l;
    }
    BotonAceptar(QPoint(114, 200));
}

QString TVentanaResultados::Linea(int i) const
{
    return lineas_[static_cast<std::size_t>(i)]->text();
}

} // namespace numbrela::ui
