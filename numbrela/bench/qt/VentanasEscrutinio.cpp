// A measured run of the scrutiny windows on the largest delivered system, 49 numbers al
// CINCO (285,397 bets), driven as a user drives them:
//   - accept in the draw entry until the results window shows;
//   - 1,000 automatic draws with the counters shown after each, and the longest stretch
//     without running pending events;
//   - "Imprimir" in the listing until the preview shows, and the memory it takes;
//   - scrolling the preview from top to bottom, one page at a time;
//   - printing the preview to a PDF file.
// Prints medians of a few runs where a run is short. Run on Qt's offscreen platform or
// under a real X server:
//   numbrela_bench_VentanasEscrutinio [PROGRAM_FOLDER]
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controles/TDibujos.h"
#include "controles/TPanel.h"
#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "generation/Reducidas.h"
#include "principal/qt/OrdenesEscrutinio.h"
#include "scrutiny/qt/TVentanaEntradaSorteo.h"
#include "scrutiny/qt/TVentanaListado.h"
#include "scrutiny/qt/TVentanaPrevisualizacion.h"
#include "scrutiny/qt/TVentanaResultados.h"
#include "scrutiny/qt/TVistaDocumento.h"

using namespace numbrela;
using namespace numbrela::ui;

namespace {

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

long RssKb()
{
    std::ifstream f("/proc/self/status");
    std::string clave;
    long valor = 0;
    while (f >> clave) {
        if (clave == "VmRSS:") {
            f >> valor;
            return valor;
        }
        f.ignore(1 << 12, '\n');
    }
    return 0;
}

void Pulsa(QWidget* padre, const char* nombre)
{
    auto* b = padre->findChild<TShapeButton*>(nombre);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
}

// Runs `accion` on the next modal window of type D once it shows.
template <class D> void AlAbrirse(std::function<void(D*)> accion)
{
    QTimer::singleShot(0, [accion] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget()); d && d->isVisible())
            accion(d);
        else
            AlAbrirse<D>(accion);
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::filesystem::path carpeta =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
                       "numbrela-bin";
    TDibujos::FijaCarpeta(carpeta);
    TServicios::Actuales().Avisa = [](QWidget*, const QString& t) {
        std::fprintf(stderr, "message: %s\n", t.toUtf8().constData());
    };
    TReducidas motor(carpeta);
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = 3;
    c.Cabecera.TipoReduccion = 3;
    c.Cabecera.TotalReducidos = 49;
    for (int i = 1; i <= 49; ++i) {
        c.Cabecera.Reducidos[static_cast<std::size_t>(i - 1)] = static_cast<std::uint8_t>(i);
        c.Cabecera.ListaReducidos[static_cast<std::size_t>(i - 1)] = static_cast<std::uint8_t>(i);
    }
    std::string error;
    TTextosConjunto t;
    if (!c.CambioGlobal(error, t)) {
        std::fprintf(stderr, "%s (%s)\n", error.c_str(), carpeta.c_str());
        return 1;
    }
    std::printf("System: 49 numbers al CINCO, %zu bets\n", c.BufferRangos.size());

    // Accept in the draw entry until the results window shows.
    std::vector<double> escrutinio;
    for (int r = 0; r < 5; ++r) {
        QElapsedTimer reloj;
        AlAbrirse<TVentanaEntradaSorteo>([&](TVentanaEntradaSorteo* v) {
            const char* campos[7] = {"7", "3", "45", "12", "30", "1", "9"};
            for (int i = 0; i < 7; ++i)
                v->Campo(i)->setText(campos[i]);
            reloj.start();
            Pulsa(v, "Aceptar");
        });
        AlAbrirse<TVentanaResultados>([&](TVentanaResultados* v) {
            escrutinio.push_back(reloj.nsecsElapsed() / 1e6);
            v->accept();
        });
        EscrutarApuestas(nullptr, c, {});
    }
    std::printf("scrutiny, accept to results window: median %.1f ms of %zu\n", Mediana(escrutinio),
                escrutinio.size());

    // 1,000 automatic draws.
    {
        TVentanaEntradaSorteo v(nullptr, c);
        v.show();
        (void)QTest::qWaitForWindowExposed(&v);
        Pulsa(&v, "Automatico");
        v.Cuenta()->setText("1000");
        // A timer that should fire at every turn of the loop: its longest silence is how
        // long input and painting waited.
        QElapsedTimer desde;
        double silencio = 0;
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            silencio = std::max(silencio, desde.nsecsElapsed() / 1e6);
            desde.restart();
        });
        vigia.start(0);
        desde.start();
        QElapsedTimer reloj;
        reloj.start();
        Pulsa(&v, "Comenzar");
        const double total = reloj.nsecsElapsed() / 1e6;
        vigia.stop();
        std::printf("1000 automatic draws: %.0f ms, draw counter %s; longest stretch without "
                    "events %.1f ms (timer's longest silence %.1f ms)\n",
                    total, v.ContadorSorteos()->text().toUtf8().constData(), v.EsperaMaxima(),
                    silencio);
    }

    // "Imprimir" in the listing until the preview shows.
    {
        TVentanaListado listado(nullptr, c);
        listado.show();
        (void)QTest::qWaitForWindowExposed(&listado);
        const long antes = RssKb();
        QElapsedTimer reloj;
        reloj.start();
        AlAbrirse<TVentanaPrevisualizacion>([&](TVentanaPrevisualizacion* p) {
            const double mostrado = reloj.nsecsElapsed() / 1e6;
            const long despues = RssKb();
            std::printf("listing Imprimir to preview shown: %.0f ms, %zu lines, memory +%.1f MB\n",
                        mostrado, p->Vista()->Lineas().size(), (despues - antes) / 1024.0);
            // Scrolling from top to bottom a page at a time.
            QScrollBar* b = p->Vista()->verticalScrollBar();
            std::vector<double> pintar;
            const int paso = std::max(1, b->maximum() / 400);
            for (int y = 0; y <= b->maximum(); y += paso) {
                b->setValue(y);
                QElapsedTimer r;
                r.start();
                (void)p->Vista()->viewport()->grab();
                pintar.push_back(r.nsecsElapsed() / 1e6);
            }
            std::printf("scrolling top to bottom: %zu positions, paint median %.2f ms, max %.2f "
                        "ms\n",
                        pintar.size(), Mediana(pintar),
                        *std::max_element(pintar.begin(), pintar.end()));
            // Printing to a PDF file.
            QTemporaryDir dir;
            QPrinter impresora(QPrinter::HighResolution);
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(dir.filePath("listado.pdf"));
            QElapsedTimer imp;
            imp.start();
            const bool ok = p->ImprimeEn(impresora);
            std::printf("printing to PDF: %s in %.1f s, %.1f MB, longest stretch without "
                        "events %.1f ms\n",
                        ok ? "done" : "FAILED", imp.nsecsElapsed() / 1e9,
                        QFileInfo(dir.filePath("listado.pdf")).size() / 1048576.0,
                        p->EsperaMaxima());
            p->accept();
        });
        Pulsa(&listado, "Imprimir");
    }
    return 0;
}
