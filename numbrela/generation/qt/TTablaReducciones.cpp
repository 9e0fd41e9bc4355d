#include "generation/qt/TTablaReducciones.h"

#include <QHeaderView>
#include <QTableWidget>

#include "generation/TablaReducciones.h"
#include "generation/TextosDialogosReduccion.h"

namespace numbrela::ui {

TTablaReducciones::TTablaReducciones(QWidget* parent)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionTabla),
               QString::fromUtf8(kTituloTablaReducciones), QSize(560, 470))
{
    rejilla_ = new QTableWidget(static_cast<int>(kTablaReducciones.size()), 5, this);
    rejilla_->setGeometry(12, 44, 536, 360);
    QStringList cabeceras;
    for (const char* c : kColumnasTablaReducciones)
        cabeceras << QString::fromUtf8(c);
    rejilla_->setHorizontalHeaderLabels(cabeceras);
    rejilla_->verticalHeader()->hide();
    rejilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rejilla_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    int fila = 0;
    for (const TFilaReduccion& f : kTablaReducciones) {
        const auto celdas = CeldasFila(f);
        for (int c = 0; c < 5; ++c) {
            auto* item =
                new QTableWidgetItem(QString::fromStdString(celdas[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignCenter);
            rejilla_->setItem(fila, c, item);
        }
        ++fila;
    }
    BotonAceptar(QPoint(244, 414));
}

} // namespace numbrela::ui
