// Printing through a real print server: the test starts its own CUPS daemon with a private
// configuration folder and socket, adds a cups-pdf queue, prints three slips through the
// printing window as a user does, and reads every box back from the queue's PDF files.
#include <dlfcn.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "../../comun/qt/PdfBoletos.h"
#include "../../comun/qt/Usuario.h"
#include "printing/qt/TImpresora.h"
#include "printing/qt/TVentanaImpresion.h"

namespace numbrela {
namespace {

using namespace ui::prueba;
using namespace prueba_pdf;

constexpr const char* kCola = "NumbrelaPDF";

bool Escribe(const QString& ruta, const QString& texto)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(texto.toUtf8()) == texto.toUtf8().size();
}

QString Lee(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// libcups keeps the server it first talked to for the thread; Qt's print support uses the
// same library, so the test points it at the private daemon (and back) directly.
void FijaServidorCups(const QByteArray& servidor)
{
    if (servidor.isEmpty())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", servidor);
    if (void* cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD)) {
        using Fija = void (*)(const char*);
        if (auto fija = reinterpret_cast<Fija>(dlsym(cups, "cupsSetServer")))
            fija(servidor.isEmpty() ? nullptr : servidor.constData());
        dlclose(cups);
    }
}

class ImpresionCups : public ::testing::Test {
protected:
    void SetUp() override
    {
        // cups-pdf writes every queue's files into the one PDF folder of the job's owner, so
        // the tests (and flow scenarios) that print through a queue take turns.
        turno = ::open("/tmp/numbrela-cups-pdf.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (turno >= 0)
            ::flock(turno, LOCK_EX);
        for (const char* programa : {"cupsd", "lpadmin", "gs"})
            if (QStandardPaths::findExecutable(programa, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"})
                    .isEmpty())
                GTEST_SKIP() << programa
                             << " is not installed (scripts/install-deps.sh installs it)";
        if (!QFile::exists("/usr/lib/cups/backend/cups-pdf") || !QFile::exists(kPpd))
            GTEST_SKIP()
                << "printer-driver-cups-pdf is not installed (scripts/install-deps.sh installs it)";
        ASSERT_TRUE(carpeta.isValid());
        const QString d = carpeta.path();
        socket = d + "/cups.sock";
        for (const char* sub : {"cache", "state", "spool", "tmp", "ppd"})
            QDir(d).mkpath(sub);
        // The filters run as the daemon's unprivileged user and write into its temporary folder.
        QFile::setPermissions(d, QFile::permissions(d) | QFile::ReadOther | QFile::ExeOther |
                                     QFile::ReadGroup | QFile::ExeGroup);
        ASSERT_EQ(::chmod(QFile::encodeName(d + "/tmp").constData(), 01777), 0);
        ASSERT_TRUE(Escribe(d + "/cupsd.conf",
                            QString("Listen %1\n"
                                    "LogLevel warn\nBrowsing No\nWebInterface No\n"
                                    "DefaultAuthType None\n"
                                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                    "<Location /admin>\n  Order allow,deny\n  Allow all\n"
                                    "</Location>\n"
                                    "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                    "  </Limit>\n</Policy>\n")
                                .arg(socket)));
        ASSERT_TRUE(Escribe(d + "/cups-files.conf",
                            QString("ServerRoot %1\nCacheDir %1/cache\nStateDir %1/state\n"
                                    "RequestRoot %1/spool\nTempDir %1/tmp\n"
                                    "ErrorLog %1/error_log\nAccessLog %1/access_log\n"
                                    "PageLog %1/page_log\n"
                                    "FileDevice No\nSandboxing Relaxed\n")
                                .arg(d)));
        daemon.setProcessChannelMode(QProcess::MergedChannels);
        daemon.start(QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"}),
                     {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
        QElapsedTimer espera;
        espera.start();
        while (!QFile::exists(socket) && daemon.state() != QProcess::NotRunning &&
               espera.elapsed() < 15000)
            QTest::qWait(50);
        if (!QFile::exists(socket))
            GTEST_SKIP()
                << "the CUPS daemon could not start on this machine: "
                << (QString::fromUtf8(daemon.readAll()) + Lee(d + "/error_log")).toStdString();
        QProcess lpadmin;
        lpadmin.start(QStandardPaths::findExecutable("lpadmin", {"/usr/sbin", "/sbin"}),
                      {"-h", socket, "-p", kCola, "-E", "-v", "cups-pdf:/", "-P", kPpd});
        lpadmin.waitForFinished(30000);
        ASSERT_EQ(lpadmin.exitCode(), 0)
            << lpadmin.readAllStandardError().toStdString() << Lee(d + "/error_log").toStdString();
        FijaServidorCups(socket.toUtf8());
        servidorPropio = true;
    }

    void TearDown() override
    {
        if (servidorPropio)
            FijaServidorCups(anterior);
        if (daemon.state() != QProcess::NotRunning) {
            daemon.terminate();
            if (!daemon.waitForFinished(10000))
                daemon.kill();
        }
        for (const QString& f : producidos)
            QFile::remove(f);
        if (turno >= 0)
            ::close(turno);
    }

    // Runs one of CUPS's client programs against the private server; its exit code.
    int Cliente(const char* programa, const QStringList& argumentos, QString* salida = nullptr)
    {
        const QString ruta =
            QStandardPaths::findExecutable(programa, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"});
        if (ruta.isEmpty())
            return -1;
        QProcess p;
        p.start(ruta, QStringList{"-h", socket} + argumentos);
        if (!p.waitForFinished(30000))
            return -1;
        if (salida != nullptr)
            *salida = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitCode();
    }
    // Jobs the queue still holds (pending, held or printing).
    int TrabajosEnCola()
    {
        QString lista;
        if (Cliente("lpstat", {"-o", kCola}, &lista) != 0)
            return -1;
        return static_cast<int>(lista.split('\n', Qt::SkipEmptyParts).size());
    }

    static constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
    ServiciosDePrueba servicios;
    QTemporaryDir carpeta{QDir::tempPath() + "/cups-XXXXXX"};
    QString socket;
    QProcess daemon;
    QByteArray anterior = qgetenv("CUPS_SERVER");
    bool servidorPropio = false;
    int turno = -1;
    QStringList producidos;
};

TEST_F(ImpresionCups, ThreeSlipsThroughTheQueueWithEveryBoxInPlace)
{
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(kCola))
        << QPrinterInfo::availablePrinterNames().join(", ").toStdString();
    UsaCarpetaDelPrograma();
    // cups-pdf writes into the PDF folder of the job's owner, naming each file by its title.
    const passwd* usuario = getpwuid(getuid());
    ASSERT_NE(usuario, nullptr);
    const QDir salida(QString::fromLocal8Bit(usuario->pw_dir) + "/PDF");
    const bool habia = salida.exists();
    auto delBoleto = [&salida](int k) {
        return salida.entryList({QString("Numbrela__Boleto_%1*.pdf").arg(k)}, QDir::Files);
    };
    for (int k = 1; k <= 3; ++k)
        for (const QString& viejo : delBoleto(k))
            QFile::remove(salida.filePath(viejo));

    TDialogosImpresora anteriores = TDialogosImpresora::Actuales();
    TDialogosImpresora::Actuales().Imprimir = [](QWidget*, QPrinter& p) {
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setPrinterName(kCola);
        p.setPageSize(QPageSize(QPageSize::Letter));
        return true;
    };
    const auto apuestas = Apuestas(24);
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(c.CreaSimples(24, error, textos));
    for (std::size_t i = 0; i < apuestas.size(); ++i)
        for (int n : apuestas[i])
            c.Apuestas[i].Marca(n);
    TImpresora impresora;
    TVentanaImpresion ventana(nullptr, c, impresora);
    ASSERT_TRUE(Muestra(ventana));
    QTest::mouseClick(ventana.findChild<QRadioButton*>("TodosLosBoletos"), Qt::LeftButton);
    Pulsa(ventana.findChild<ui::TShapeButton*>("Imprimir"));
    TDialogosImpresora::Actuales() = anteriores;
    EXPECT_TRUE(servicios.Avisos.isEmpty()) << servicios.Avisos.join("\n").toStdString();

    // The queue turns each job into a PDF in its own time.
    QStringList ficheros;
    QElapsedTimer espera;
    espera.start();
    for (int k = 1; k <= 3; ++k) {
        while (delBoleto(k).isEmpty() && espera.elapsed() < 60000)
            QTest::qWait(100);
        ASSERT_EQ(delBoleto(k).size(), 1) << salida.path().toStdString() << "\n"
                                          << Lee(carpeta.path() + "/error_log").toStdString();
        const QString f = salida.filePath(delBoleto(k).front());
        ficheros << f;
        producidos << f;
    }
    QTest::qWait(500); // the last file is complete once the job has ended
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Paginas(ficheros[k]), 1);
        CompruebaBoleto(Renderiza(ficheros[k], 1, 300, carpeta.path()),
                        {apuestas.begin() + 8 * k, apuestas.begin() + 8 * k + 8});
    }
    for (const QString& f : ficheros)
        QFile::remove(f);
    if (!habia)
        QDir().rmdir(salida.path());
}

TEST_F(ImpresionCups, AbortarTakesBackTheSlipsTheQueueHasNotPrinted)
{
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(kCola))
        << QPrinterInfo::availablePrinterNames().join(", ").toStdString();
    for (const char* programa : {"cupsdisable", "cupsenable", "lpstat"})
        if (QStandardPaths::findExecutable(programa, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"})
                .isEmpty())
            GTEST_SKIP() << programa << " is not installed (Debian cups-client)";
    UsaCarpetaDelPrograma();
    const passwd* usuario = getpwuid(getuid());
    ASSERT_NE(usuario, nullptr);
    const QDir salida(QString::fromLocal8Bit(usuario->pw_dir) + "/PDF");
    auto impresos = [&salida] { return salida.entryList({"Numbrela__Boleto_*.pdf"}, QDir::Files); };
    for (const QString& viejo : impresos())
        QFile::remove(salida.filePath(viejo));
    // The printer is stopped: the queue keeps every job it is handed, as a slow printer does.
    ASSERT_EQ(Cliente("cupsdisable", {kCola}), 0);

    TDialogosImpresora anteriores = TDialogosImpresora::Actuales();
    TDialogosImpresora::Actuales().Imprimir = [](QWidget*, QPrinter& p) {
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setPrinterName(kCola);
        p.setPageSize(QPageSize(QPageSize::Letter));
        return true;
    };
    const auto apuestas = Apuestas(48); // six slips
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(c.CreaSimples(48, error, textos));
    for (std::size_t i = 0; i < apuestas.size(); ++i)
        for (int n : apuestas[i])
            c.Apuestas[i].Marca(n);
    TImpresora impresora;
    TVentanaImpresion ventana(nullptr, c, impresora);
    ASSERT_TRUE(Muestra(ventana));
    QTest::mouseClick(ventana.findChild<QRadioButton*>("TodosLosBoletos"), Qt::LeftButton);
    // "Abortar" once the queue holds the first slip's job.
    int enCola = -1;
    QTimer sondeo;
    sondeo.setInterval(2);
    QObject::connect(&sondeo, &QTimer::timeout, [&] {
        if (enCola < 0 && ventana.Imprimiendo() && TrabajosEnCola() > 0) {
            enCola = TrabajosEnCola();
            Pulsa(ventana.findChild<ui::TShapeButton*>("Abortar"));
        }
    });
    sondeo.start();
    Pulsa(ventana.findChild<ui::TShapeButton*>("Imprimir"));
    sondeo.stop();
    TDialogosImpresora::Actuales() = anteriores;
    ASSERT_GT(enCola, 0) << "the run never let the window answer while the queue held a job";
    EXPECT_FALSE(ventana.Imprimiendo());
    EXPECT_TRUE(servicios.Avisos.isEmpty()) << servicios.Avisos.join("\n").toStdString();

    // The printer starts again: whatever the queue still held is printed now.
    EXPECT_EQ(TrabajosEnCola(), 0);
    ASSERT_EQ(Cliente("cupsenable", {kCola}), 0);
    QElapsedTimer espera;
    espera.start();
    while (TrabajosEnCola() > 0 && espera.elapsed() < 60000)
        QTest::qWait(100);
    QTest::qWait(500); // a file is complete once its job has ended
    const QStringList hechos = impresos();
    for (const QString& f : hechos)
        QFile::remove(salida.filePath(f));
    EXPECT_TRUE(hechos.isEmpty()) << hechos.join(", ").toStdString();
}

} // namespace
} // namespace numbrela
