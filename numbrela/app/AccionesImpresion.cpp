#include "app/AccionesImpresion.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>
#include <iostream>
#include <memory>

#include "files/FicheroApuestas.h"
#include "generation/Reducidas.h"
#include "printing/GeometriaImpresion.h"
#include "printing/ImpresionBoletos.h"
#include "printing/qt/LienzoQt.h"

namespace numbrela::app {
namespace {

struct Peticion {
    std::string Fichero;
    std::string Pdf;
    std::string Boletos = "all";
    int Ppp = 300; // device units per inch: there the default geometry is the slip's own
};

std::optional<std::string> Analiza(const std::vector<std::string>& resto, Peticion& p)
{
    for (std::size_t i = 0; i < resto.size(); ++i) {
        const std::string& a = resto[i];
        const bool hayValor = i + 1 < resto.size();
        if (a == "--print-slips" || a == "--pdf" || a == "--slips" || a == "--dpi") {
            if (!hayValor)
                return "Error: " + a + " necesita un valor";
            const std::string& v = resto[++i];
            if (a == "--print-slips") {
                p.Fichero = v;
            } else if (a == "--pdf") {
                p.Pdf = v;
            } else if (a == "--slips") {
                p.Boletos = v;
            } else {
                const auto ppp = LeeEntero(v);
                if (!ppp || *ppp < 72 || *ppp > 2400)
                    return "Error: --dpi necesita un número de puntos por pulgada entre 72 y 2400";
                p.Ppp = static_cast<int>(*ppp);
            }
        } else {
            return "Error: opción desconocida con --print-slips: " + a;
        }
    }
    if (p.Fichero.empty())
        return std::string("Error: --print-slips necesita un fichero de apuestas");
    if (p.Pdf.empty())
        return std::string("Error: --print-slips necesita --pdf SALIDA.pdf");
    return std::nullopt;
}

// "all", "screen", "calibrate" or "A-B" (slips counted from 1) as a print range.
std::optional<TPeticionImpresion> Rango(const std::string& texto)
{
    TPeticionImpresion r;
    if (texto == "all") {
        r.Rango = TRangoImpresion::TodosLosBoletos;
    } else if (texto == "screen") {
        r.Rango = TRangoImpresion::BoletoEnPantalla;
    } else if (texto == "calibrate") {
        r.Rango = TRangoImpresion::CuadrarBoleto;
    } else {
        const auto guion = texto.find('-', 1); // "-1-3" keeps its sign for the range check
        if (guion == std::string::npos)
            return std::nullopt;
        r.Rango = TRangoImpresion::RangoDeA;
        r.De = texto.substr(0, guion);
        r.A = texto.substr(guion + 1);
    }
    return r;
}

// Qt's printing needs a GUI application; without a display it draws offscreen.
std::unique_ptr<QGuiApplication> AplicacionSinVentanas()
{
    if (QGuiApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "numbrela";
    static char* argv[] = {nombre, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

std::string AyudaImprimirBoletos()
{
    return "  --print-slips FICHERO.apu --pdf SALIDA.pdf\n"
           "        [--slips all|screen|A-B|calibrate] [--dpi D]\n"
           "                     imprime los boletos del fichero en un PDF, un boleto por\n"
           "                     página, con la geometría de fábrica; D puntos por pulgada\n"
           "                     (300 si no se indica: ahí la geometría cae a la escala del\n"
           "                     boleto real)\n";
}

std::optional<int> AccionImprimirBoletos(const Opciones& opciones)
{
    const auto& resto = opciones.Resto;
    if (std::find(resto.begin(), resto.end(), "--print-slips") == resto.end())
        return std::nullopt;
    Peticion p;
    if (auto error = Analiza(resto, p)) {
        std::cerr << *error << "\n";
        return 2;
    }
    const auto rango = Rango(p.Boletos);
    if (!rango) {
        std::cerr << "Error: --slips admite all, screen, calibrate o A-B (boletos de A a B)\n";
        return 2;
    }

    TReducidas motor(opciones.CarpetaDatos);
    TConjuntoApuestas conjunto(&motor);
    const TResultadoApertura apertura = FicheroApuestas::AbreDeUnaVez(conjunto, p.Fichero);
    if (!apertura.Ok) {
        std::cerr << apertura.Error << "\n";
        return 1;
    }
    conjunto.BoletoActual = 0; // the slip on screen after opening is the first

    // Check the range before the printer opens, so a wrong range writes no PDF at all.
    std::vector<int> boletos;
    std::string error;
    if (!BoletosDelRango(conjunto, *rango, boletos, error)) {
        std::cerr << error << "\n";
        return 1;
    }

    auto aplicacion = AplicacionSinVentanas();
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(QString::fromStdString(p.Pdf));
    impresora.setResolution(p.Ppp);
    impresora.setFullPage(true); // device origin at the paper's corner
    // US Letter is a whole number of dots at any even resolution, so the PDF's units fall
    // on whole dots when it is printed or rendered.
    impresora.setPageSize(QPageSize(QPageSize::Letter));
    impresora.setPageOrientation(QPageLayout::Portrait);

    TGeometriaImpresion geometria;
    if (rango->Rango == TRangoImpresion::CuadrarBoleto) {
        const QRect pagina = impresora.pageLayout().paintRectPixels(impresora.resolution());
        for (const std::string& m : MensajesCalibracion(pagina.height(), pagina.width(), true))
            std::cout << m << "\n";
    }
    TLienzoQt lienzo(impresora, TLienzoQt::Modo::PaginaPorBoleto);
    const TResultadoImpresion r = ImprimirBoletos(conjunto, geometria, *rango, lienzo);
    const bool terminado = lienzo.Termina();
    if (!r.Error.empty()) {
        std::cerr << r.Error << "\n";
        return 1;
    }
    if (r.Abortado || !terminado) {
        std::cerr << "Error: no se pudo escribir " << p.Pdf << "\n";
        return 1;
    }
    if (r.Trabajos == 0) {
        std::cout << "No hay boletos que imprimir\n";
        return 0;
    }
    if (r.ApuestasIncompletas > 0)
        std::cerr << "Aviso: " << r.ApuestasIncompletas
                  << " apuestas tienen menos números que cruces; se imprimen sólo sus números\n";
    std::cout << "Impresos " << r.Trabajos << " boletos en " << p.Pdf << "\n";
    return 0;
}

} // namespace numbrela::app
