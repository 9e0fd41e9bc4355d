// Printing 1,000 bets (125 slips, one print job each) through the printing window's own
// path: the time until the last job is handed over, and the longest stretch the window's
// event loop went without running (a 5 ms timer notes every gap). The jobs go to PDF files,
// or, with NUMBRELA_COLA naming a print queue (e.g. a cups-pdf queue), to that queue.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "printing/qt/TImpresora.h"
#include "printing/qt/TVentanaImpresion.h"

namespace {

using namespace numbrela;

TConjuntoApuestas MilApuestas()
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    c.CreaSimples(1000, error, textos);
    for (std::size_t i = 0; i < c.Apuestas.size(); ++i)
        for (int k = 0; k < 6; ++k)
            c.Apuestas[i].Marca(1 +
                                static_cast<int>((i * 7 + static_cast<std::size_t>(k) * 8) % 49));
    return c;
}

void BM_Imprime125Boletos(benchmark::State& state)
{
    const TConjuntoApuestas c = MilApuestas();
    const QByteArray cola = qgetenv("NUMBRELA_COLA");
    QTemporaryDir carpeta;
    TDialogosImpresora::Actuales().Imprimir = [&](QWidget*, QPrinter& p) {
        if (cola.isEmpty()) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(carpeta.filePath("boletos.pdf"));
        } else {
            p.setOutputFormat(QPrinter::NativeFormat);
            p.setPrinterName(QString::fromUtf8(cola));
        }
        return true;
    };
    QStringList avisos;
    ui::TServicios::Actuales().Avisa = [&](QWidget*, const QString& t) { avisos << t; };
    double peorHueco = 0;
    for (auto _ : state) {
        TImpresora impresora;
        TVentanaImpresion ventana(nullptr, c, impresora);
        ventana.show();
        ventana.findChild<QRadioButton*>("TodosLosBoletos")->setChecked(true);
        QElapsedTimer reloj;
        qint64 anterior = 0;
        qint64 hueco = 0;
        QTimer latido;
        latido.setInterval(5);
        QObject::connect(&latido, &QTimer::timeout, [&] {
            hueco = std::max(hueco, reloj.elapsed() - anterior);
            anterior = reloj.elapsed();
        });
        latido.start();
        reloj.start();
        ventana.Imprime();
        hueco = std::max(hueco, reloj.elapsed() - anterior);
        peorHueco = std::max(peorHueco, static_cast<double>(hueco));
    }
    state.counters["peor_hueco_ms"] = peorHueco;
    if (!avisos.isEmpty())
        state.SkipWithError(avisos.join("; ").toStdString().c_str());
}
BENCHMARK(BM_Imprime125Boletos)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
