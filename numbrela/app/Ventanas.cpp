#include "app/Ventanas.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <iostream>

#include "app/CommandLine.h"
#include "controles/IconoPrograma.h"
#include "controles/Pantalla.h"
#include "controles/TServicios.h"
#include "model/TextosPrograma.h"
#include "principal/qt/OrdenesSuerte.h"
#include "principal/qt/TPrimeraActivacion.h"
#include "principal/qt/TVentanaPrincipal.h"

namespace numbrela::app {

int ArrancaVentanas(int argc, char** argv, const Opciones& opciones)
{
    if (!ui::HayPantalla()) {
        std::cerr << ui::MensajeSinPantalla() << "\n";
        return 1;
    }
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(textos::kTituloPrograma));
    // Every window carries the planner's icon, and the desktop finds its menu entry.
    QApplication::setWindowIcon(ui::IconoPrograma());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.numbrela.Numbrela"));
    int estado = 0;
    {
        ui::TVentanaPrincipal ventana(opciones.CarpetaDatos);
        // Without a window manager "maximised" means nothing: take the screen's size first.
        if (QScreen* pantalla = QGuiApplication::primaryScreen())
            ventana.setGeometry(pantalla->availableGeometry());
        auto* suerte = new ui::TOrdenesSuerte(ventana);
        auto* primera = new ui::TPrimeraActivacion(&ventana);
        QObject::connect(primera, &ui::TPrimeraActivacion::Lista, suerte,
                         [suerte] { suerte->PrimeraActivacion(); });
        ventana.showMaximized();
        // Without a window manager nobody else gives the window the focus it starts with.
        ventana.activateWindow();
        QTimer::singleShot(0, &ventana, [&ventana, &opciones] {
            if (!opciones.AvisoCarpeta.empty())
                ui::TServicios::Actuales().Avisa(&ventana,
                                                 QString::fromStdString(opciones.AvisoCarpeta));
            ventana.AvisaDibujosQueFaltan();
            // A bet file named on the command line opens once the window is set up.
            if (!opciones.Resto.empty())
                ventana.AbreFichero(QString::fromStdString(opciones.Resto.front()), true);
        });
        estado = aplicacion.exec();
    }
    // The program has ended (its windows gone): only Qt's own teardown is left.
    ui::TerminaYaEnWayland(estado);
    return estado;
}

} // namespace numbrela::app
