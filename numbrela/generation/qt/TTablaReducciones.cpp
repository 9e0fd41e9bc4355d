#include "generation/qt/TTablaReducciones.h"

#include <QHeaderView>
#include <QTableWidget>

#include "generation/EleccionCompacta.h"
#include "generation/TablaReducciones.h"
#include "generation/TextosDialogosReduccion.h"

namespace numbrela::ui {

TTablaReducciones::TTablaReducciones(QWidget* parent, const std::filesystem::path& carpeta)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionTabla),
               QString::fromUtf8(kTituloTablaReducciones), QSize(760, 470))
{
    const int columnas = static_cast<int>(kColumnasTablaCompacta.size());
    rejilla_ = new QTableWidget(static_cast<int>(kTablaReducciones.size()), columnas, this);
    rejilla_->setGeometry(12, 44, 736, 360);
    QStringList cabeceras;
    // Eight columns side by side: each caption on two lines ("Compacta" over "al 3").
    for (const char* c : kColumnasTablaCompacta)
        cabeceras << QString::fromUtf8(c).replace(" al ", "\nal ");
    rejilla_->setHorizontalHeaderLabels(cabeceras);
    rejilla_->verticalHeader()->hide();
    rejilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rejilla_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    int fila = 0;
    for (const TFilaReduccion& f : kTablaReducciones) {
        const auto celdas = CeldasFilaCompacta(carpeta, f.Numeros);
        for (int c = 0; c < columnas; ++c) {
            auto* item =
                new QTableWidgetItem(QString::fromStdString(celdas[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignCenter);
            rejilla_->setItem(fila, c, item);
        }
        ++fila;
    }
    BotonAceptar(QPoint(344, 414));
}

} // namespace numbrela::ui
