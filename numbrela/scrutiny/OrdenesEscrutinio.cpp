#include "scrutiny/OrdenesEscrutinio.h"

#include "scrutiny/Escrutinio.h"
#include "scrutiny/TVentanaEntradaSorteo.h"
#include "scrutiny/TVentanaListado.h"
#include "scrutiny/TVentanaResultados.h"
#include "ui/TServicios.h"

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

} // namespace numbrela::ui
