#include "principal/qt/OrdenesEscrutinio.h"

#include <QAction>

#include "controles/TServicios.h"
#include "principal/qt/AccionesVentana.h"
#include "principal/qt/TVentanaPrincipal.h"
#include "scrutiny/Escrutinio.h"
#include "scrutiny/qt/TVentanaEntradaSorteo.h"
#include "scrutiny/qt/TVentanaListado.h"
#include "scrutiny/qt/TVentanaResultados.h"

namespace numbrela::ui {

bool EscrutarApuestas(QWidget* padre, TConjuntoApuestas& conjunto,
                      const std::function<void()>& refresca)
{
    TSorteo sorteo;
    {
        TVentanaEntradaSorteo entrada(padre, conjunto);
        if (entrada.exec() != TDialogo::kAceptado)
            return false;
        sorteo = entrada.Sorteo();
    }
    std::string error;
    const bool ok = Escrutinio::Escruta(conjunto, sorteo, error);
    if (refresca)
        refresca();
    if (!ok) {
        TServicios::Actuales().Avisa(padre, QString::fromStdString(error));
        return false;
    }
    TVentanaResultados(padre, Escrutinio::Calcula(conjunto)).exec();
    return true;
}

void ListarApuestas(QWidget* padre, const TConjuntoApuestas& conjunto)
{
    TVentanaListado(padre, conjunto).exec();
}

void ConectaEscrutinio(TVentanaPrincipal& ventana)
{
    TAccionesVentana& a = ventana.Acciones();
    TVentanaPrincipal* v = &ventana;
    QObject::connect(a.Escrutar, &QAction::triggered, v,
                     [v] { EscrutarApuestas(v, v->Conjunto(), [v] { v->Refresca(); }); });
    QObject::connect(a.Listar, &QAction::triggered, v, [v] { ListarApuestas(v, v->Conjunto()); });
    a.Escrutar->setEnabled(true);
    a.Listar->setEnabled(true);
}

} // namespace numbrela::ui
