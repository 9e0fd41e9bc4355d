// The main window's command table as a user meets it: every menu item, pop-up item, button
// and key does what it says and none is left disabled where the set allows it; the help
// opened with F1 and from the slip-printing window, its links, back and search; and every
// way of closing shows the information picture before the window goes.
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "../../comun/qt/Usuario.h"
#include "ayuda/qt/TVentanaAyuda.h"
#include "controles/TPanel.h"
#include "generation/qt/TDialogoNumerosReduccion.h"
#include "generation/qt/TDialogoTipoReduccion.h"
#include "principal/qt/AccionesVentana.h"
#include "principal/qt/OrdenesSuerte.h"
#include "principal/qt/TDialogoSalir.h"
#include "principal/qt/TDialogoTipo.h"
#include "principal/qt/TVentanaImagen.h"
#include "principal/qt/TVentanaPrincipal.h"
#include "printing/qt/TImpresora.h"
#include "printing/qt/TVentanaImpresion.h"

namespace numbrela::ui {
namespace {

using namespace prueba;

int VentanasDeAyuda()
{
    int n = 0;
    for (QWidget* w : QApplication::allWidgets())
        n += qobject_cast<TVentanaAyuda*>(w) != nullptr ? 1 : 0;
    return n;
}

// Clicks the link whose words are `texto` on the page the browser shows.
void PulsaEnlace(QTextBrowser* navegador, const QString& texto)
{
    const QTextCursor hallado = navegador->document()->find(texto);
    ASSERT_FALSE(hallado.isNull()) << texto.toStdString();
    QTextCursor medio(navegador->document());
    medio.setPosition(hallado.selectionStart() + 2);
    navegador->setTextCursor(medio);
    navegador->ensureCursorVisible();
    const QPoint punto = navegador->cursorRect(medio).center();
    QTest::mouseClick(navegador->viewport(), Qt::LeftButton, {}, punto);
}

class TablaOrdenes : public ::testing::Test {
protected:
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    TDialogosImpresora impresoraAntes = TDialogosImpresora::Actuales();
    std::unique_ptr<TVentanaPrincipal> ventana;
    QString fichero;
    std::string guardado; // its bytes as first saved
    int ficheros = 0;     // file dialogs asked for
    int impresora = 0;    // printer set-up dialogs asked for

    void SetUp() override
    {
        TDialogosImpresora::Actuales().Establecer = [this](QWidget*, QPrinter&) {
            ++impresora;
            return false;
        };
        ventana = std::make_unique<TVentanaPrincipal>(carpeta.Ruta());
        new TOrdenesSuerte(*ventana); // as the program puts the luck tools on the window
        ventana->resize(1024, 700);
        ventana->show();
        // 17 bets on three slips, saved through "G&rabar como..." so that the set has a
        // file and "A&brir de nuevo" names it.
        fichero = QString::fromStdString((carpeta.Ruta() / "tabla.apu").string());
        TConjuntoApuestas& c = ventana->Conjunto();
        std::string e;
        TTextosConjunto t;
        ASSERT_TRUE(c.CreaSimples(17, e, t)) << e;
        for (int i = 0; i < 17; ++i)
            for (int k = 0; k < 6; ++k)
                c.Apuestas[static_cast<std::size_t>(i)].Marca(1 + (i * 2 + k) % 49);
        c.FijaNombre("Tabla");
        servicios.Guardar = fichero;
        ventana->Acciones().GrabarComo->trigger();
        ASSERT_TRUE(QFileInfo::exists(fichero)) << servicios.Ultimo().toStdString();
        std::ifstream f(fichero.toStdString(), std::ios::binary);
        guardado.assign(std::istreambuf_iterator<char>(f), {});
        // From now on the file dialogs are counted and cancelled.
        TServicios& s = TServicios::Actuales();
        s.EligeAbrir = [this](QWidget*, const QString&, const QString&) {
            ++ficheros;
            return QString();
        };
        s.EligeGuardar = [this](QWidget*, const QString&, const QString&, const QString&) {
            ++ficheros;
            return QString();
        };
    }
    void TearDown() override { TDialogosImpresora::Actuales() = impresoraAntes; }

    void Tecla(Qt::Key tecla, Qt::KeyboardModifiers teclas = Qt::NoModifier)
    {
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        QTest::keyClick(ventana.get(), tecla, teclas);
    }
    TShapeButton* Boton(const char* nombre) const
    {
        return ventana->findChild<TShapeButton*>(nombre);
    }

    // The set of the file as saved, on its second slip.
    void Prepara()
    {
        std::ofstream(fichero.toStdString(), std::ios::binary | std::ios::trunc) << guardado;
        ASSERT_TRUE(ventana->AbreFichero(fichero));
        ventana->Conjunto().VeAlBoleto(1);
        ventana->Refresca();
    }

    // What `haz` did, in a few words: the class of the first modal window it opened (which
    // is closed without choosing), or its effect on the help, the messages, the file
    // dialogs, the printer, the set, its file, the slip on screen or the information boxes.
    std::string Efecto(const std::function<void()>& haz, bool prepara = true)
    {
        return EfectoQ(haz, prepara).toStdString();
    }
    QString EfectoQ(const std::function<void()>& haz, bool prepara)
    {
        if (prepara)
            Prepara();
        ventana->Conjunto().FijaNombre("Cambiado");
        ++Epoca();
        QString visto;
        AlAbrirse<QDialog>(
            [&visto](QDialog* d) {
                visto = QString(d->metaObject()->className()).section("::", -1);
                if (qobject_cast<TVentanaImagen*>(d) != nullptr)
                    visto += QString(" %1x%2").arg(d->width()).arg(d->height());
                d->reject();
            },
            100);
        const qsizetype avisos = servicios.Avisos.size();
        ficheros = impresora = 0;
        const bool cajas = ventana->findChild<TPanel*>("Panel3")->isVisible();
        const int boleto = ventana->Conjunto().BoletoActual;
        haz();
        ++Epoca();
        if (!ventana->isVisible()) {
            ventana->show();
            return "cierra tras " + visto;
        }
        if (!visto.isEmpty())
            return visto;
        if (TVentanaAyuda* a = TVentanaAyuda::De(ventana.get()); a != nullptr && a->isVisible()) {
            a->close();
            return "ayuda";
        }
        if (servicios.Avisos.size() > avisos)
            return "aviso";
        if (ficheros > 0)
            return "elige fichero";
        if (impresora > 0)
            return "impresora";
        const TConjuntoApuestas& c = ventana->Conjunto();
        if (c.Cabecera.Nombre == "Sin Nombre")
            return "nueva";
        if (c.Cabecera.Nombre == "Tabla")
            return "abre";
        std::ifstream f(fichero.toStdString(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(f), {}};
        if (bytes.find("Cambiado") != std::string::npos)
            return "graba";
        if (c.BoletoActual != boleto)
            return QString("boleto %1").arg(c.BoletoActual + 1);
        if (cajas != ventana->findChild<TPanel*>("Panel3")->isVisible())
            return "cajas";
        return "nada";
    }
};

TEST_F(TablaOrdenes, EveryMenuItemPopUpItemButtonAndKeyActs)
{
    // Menu items by their words (a submenu's item by the submenu's), as the menu bar and
    // the pop-up show them; the same words act the same in both.
    const std::map<QString, QString> menus = {
        {"&Nueva", "nueva"},
        {"&Abrir...", "elige fichero"},
        {"&Grabar", "graba"},
        {"&Grabar...", "graba"},
        {"G&rabar como...", "elige fichero"},
        {"&Establecer impresora...", "impresora"},
        {"&Imprimir...", "TVentanaImpresion"},
        {"&Salir del programa         ALT+F4", "cierra tras TVentanaImagen 500x400"},
        {"&Salir del programa", "cierra tras TVentanaImagen 500x400"},
        {"A&brir de nuevo", "abre"},
        {"&Fecha de Sorteo...", "TVentanaFechaSorteo"},
        {"&Datos del usuario...", "TVentanaUsuario"},
        {"&Tipo...", "TDialogoTipo"},
        {"&Escrutar...", "TVentanaEntradaSorteo"},
        {"&Listar...", "TVentanaListado"},
        // Filling needs a user and a draw date first, and says so.
        {"&Rellenar", "aviso"},
        {"&Tabla de Reducciones", "TTablaReducciones"},
        {"&Cuadrar Boleto ...", "TVentanaImpresion"},
        {"&Imprimir boletos...", "TVentanaImpresion"},
        {"&Imprimir listados...", "TVentanaListado"},
        {"I&mprimir listados...", "TVentanaListado"},
        {"&Biorritmo...", "TVentanaBiorritmo"},
        {"&Tus 3 números", "TVentanaSuerte"},
        {"&Comprar Numbrela...", "TVentanaImagen 480x370"},
        {"&Información/Internet...", "TVentanaImagen 500x400"},
        {"&Ayuda en línea...", "ayuda"},
        {"A&yuda en línea", "ayuda"},
        {"A&cerca de Numbrela", "TVentanaImagen 480x370"},
    };
    QMenu* popup = ventana->findChild<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(popup, nullptr);
    std::vector<std::pair<QString, QAction*>> elementos;
    std::function<void(QMenu*, const QString&)> recorre = [&](QMenu* m, const QString& dentro) {
        for (QAction* a : m->actions()) {
            if (a->isSeparator())
                continue;
            if (a->menu() != nullptr)
                recorre(a->menu(), a->text());
            else
                elementos.emplace_back(dentro.isEmpty() ? a->text() : dentro, a);
        }
    };
    for (QAction* m : ventana->menuBar()->actions())
        recorre(m->menu(), QString());
    recorre(popup, QString());
    EXPECT_EQ(elementos.size(), 32u); // 24 in the menu bar, 8 in the pop-up menu
    for (const auto& [texto, accion] : elementos) {
        SCOPED_TRACE(texto.toStdString());
        ASSERT_EQ(menus.count(texto), 1u) << "an item the table does not know";
        Prepara();
        EXPECT_TRUE(accion->isEnabled());
        EXPECT_EQ(Efecto([a = accion] { a->trigger(); }), menus.at(texto).toStdString());
    }

    // Keys and buttons, on a simple set shown on its second slip of three: "Red&ucir" and
    // "&Números" are for reduced systems only.
    const std::pair<Qt::Key, QString> teclas[] = {
        {Qt::Key_F1, "ayuda"},
        {Qt::Key_T, "TDialogoTipo"},
        {Qt::Key_A, "TDialogoNumApuestas"},
        {Qt::Key_U, "nada"},
        {Qt::Key_N, "nada"},
        {Qt::Key_L, "TVentanaListado"},
        {Qt::Key_R, "aviso"},
        {Qt::Key_E, "TVentanaEntradaSorteo"},
        {Qt::Key_I, "TVentanaImpresion"},
        {Qt::Key_S, "TDialogoSalir"},
        {Qt::Key_B, "TDialogoIrBoleto"},
        {Qt::Key_Up, "boleto 1"},
        {Qt::Key_Left, "boleto 1"},
        {Qt::Key_Right, "boleto 3"},
        {Qt::Key_Down, "boleto 3"},
    };
    for (const auto& [tecla, efecto] : teclas) {
        SCOPED_TRACE(QKeySequence(tecla).toString().toStdString());
        EXPECT_EQ(Efecto([this, t = tecla] { Tecla(t); }), efecto.toStdString());
    }
    const std::pair<const char*, QString> botones[] = {
        {"Tipo", "TDialogoTipo"},
        {"Apuestas", "TDialogoNumApuestas"},
        {"Reducir", "inactivo"},
        {"Numeros", "inactivo"},
        {"Listar", "TVentanaListado"},
        {"Rellenar", "aviso"},
        {"Escrutar", "TVentanaEntradaSorteo"},
        {"Imprimir", "TVentanaImpresion"},
        {"Primero", "boleto 1"},
        {"Anterior", "boleto 1"},
        {"IrABoleto", "TDialogoIrBoleto"},
        {"Siguiente", "boleto 3"},
        {"Ultimo", "boleto 3"},
        {"Informacion", "cajas"},
        {"Salir", "TDialogoSalir"},
    };
    for (const auto& [nombre, efecto] : botones) {
        SCOPED_TRACE(nombre);
        TShapeButton* b = Boton(nombre);
        ASSERT_NE(b, nullptr);
        Prepara();
        EXPECT_EQ(b->isEnabled(), efecto != "inactivo");
        if (b->isEnabled()) {
            EXPECT_EQ(Efecto([b] { Pulsa(b); }), efecto.toStdString());
        }
    }

    // A reduced system of ten numbers al CUATRO: its two commands act, "&Apuestas" not.
    AlAbrirse<TDialogoTipo>([](TDialogoTipo* d) { Pulsa(BotonDe(d, "Reducida")); });
    AlAbrirse<TDialogoTipoReduccion>(
        [](TDialogoTipoReduccion* d) { Pulsa(BotonDe(d, "AlCuatro")); });
    AlAbrirse<TDialogoNumerosReduccion>([](TDialogoNumerosReduccion* d) {
        for (int n = 1; n <= 10; ++n)
            Pulsa(d->Boton(n * 4));
        Pulsa(BotonDe(d, "Aceptar"));
    });
    Tecla(Qt::Key_T);
    ASSERT_EQ(ventana->Conjunto().Tipo(), TipoApuesta::Reducida);
    EXPECT_FALSE(Boton("Apuestas")->isEnabled());
    EXPECT_EQ(Efecto([this] { Tecla(Qt::Key_A); }, false), "nada");
    EXPECT_EQ(Efecto([this] { Tecla(Qt::Key_U); }, false), "TDialogoTipoReduccion");
    EXPECT_EQ(Efecto([this] { Tecla(Qt::Key_N); }, false), "TDialogoNumerosReduccion");
    EXPECT_EQ(Efecto([this] { Pulsa(Boton("Reducir")); }, false), "TDialogoTipoReduccion");
    EXPECT_EQ(Efecto([this] { Pulsa(Boton("Numeros")); }, false), "TDialogoNumerosReduccion");
}

// A letter of the key table acts the same with Shift (as with Caps Lock on); the menus'
// own shortcuts keep their command.
TEST_F(TablaOrdenes, LetterKeysActTheSameWithShift)
{
    const std::pair<Qt::Key, QString> teclas[] = {
        {Qt::Key_T, "TDialogoTipo"},          {Qt::Key_A, "TDialogoNumApuestas"},
        {Qt::Key_L, "TVentanaListado"},       {Qt::Key_R, "aviso"},
        {Qt::Key_E, "TVentanaEntradaSorteo"}, {Qt::Key_I, "TVentanaImpresion"},
        {Qt::Key_S, "TDialogoSalir"},         {Qt::Key_B, "TDialogoIrBoleto"},
    };
    for (const auto& [tecla, efecto] : teclas) {
        SCOPED_TRACE(QKeySequence(tecla).toString().toStdString());
        EXPECT_EQ(Efecto([this, t = tecla] { Tecla(t, Qt::ShiftModifier); }), efecto.toStdString());
    }
    EXPECT_EQ(Efecto([this] { Tecla(Qt::Key_N, Qt::ControlModifier); }), "nueva");
    EXPECT_EQ(Efecto([this] { Tecla(Qt::Key_S, Qt::ControlModifier); }), "graba");
}

// Every Alt+letter does exactly one thing: the button whose caption underlines the letter.
// The menus open with F10, or with Alt pressed and released alone. The
// commands are held back, so what each key reaches is counted: a click or a menu opening.
TEST_F(TablaOrdenes, EveryAltLetterReachesOneButtonAndF10OpensTheMenus)
{
    ventana->Acciones().Reducir->setEnabled(true); // every button takes its letter
    ventana->Acciones().Numeros->setEnabled(true);
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    QStringList vistos;
    QObject contexto;
    for (TShapeButton* b : ventana->findChildren<TShapeButton*>())
        QObject::connect(b, &TShapeButton::clicked, &contexto,
                         [&vistos, b] { vistos << b->objectName(); });
    for (QAction* m : ventana->menuBar()->actions())
        QObject::connect(m->menu(), &QMenu::aboutToShow, &contexto,
                         [&vistos, m] { vistos << "menu " + m->text(); });
    std::vector<std::unique_ptr<QSignalBlocker>> quietas;
    for (QAction* a : ventana->actions())
        if (a->shortcut() != QKeySequence(Qt::Key_F10)) // F10 opens the menus, no command
            quietas.push_back(std::make_unique<QSignalBlocker>(a));
    auto cierraMenus = [this] {
        while (QWidget* p = QApplication::activePopupWidget())
            p->close();
        ventana->activateWindow();
        ventana->setFocus();
    };

    const std::map<int, QString> esperado = {
        {Qt::Key_T, "Tipo"},     {Qt::Key_A, "Apuestas"}, {Qt::Key_U, "Reducir"},
        {Qt::Key_N, "Numeros"},  {Qt::Key_L, "Listar"},   {Qt::Key_R, "Rellenar"},
        {Qt::Key_E, "Escrutar"}, {Qt::Key_I, "Imprimir"}, {Qt::Key_S, "Salir"},
    };
    std::vector<int> teclas;
    for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
        teclas.push_back(k);
    for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
        teclas.push_back(k);
    for (int k : teclas) {
        vistos.clear();
        QTest::keyClick(ventana->windowHandle(), static_cast<Qt::Key>(k), Qt::AltModifier);
        EXPECT_EQ(vistos.join(", ").toStdString(),
                  esperado.count(k) ? esperado.at(k).toStdString() : std::string())
            << "Alt+" << QKeySequence(k).toString().toStdString();
        cierraMenus();
    }

    vistos.clear();
    QTest::keyClick(ventana->windowHandle(), Qt::Key_F10);
    EXPECT_EQ(vistos.join(", ").toStdString(), "menu Archivo");
    EXPECT_NE(QApplication::activePopupWidget(), nullptr);
    cierraMenus();
    vistos.clear();
    QTest::keyPress(ventana->windowHandle(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(ventana->windowHandle(), Qt::Key_Alt);
    EXPECT_EQ(vistos.join(", ").toStdString(), "menu Archivo");
    cierraMenus();
}

TEST_F(TablaOrdenes, HelpOpensOnceFollowsALinkGoesBackAndSearches)
{
    Tecla(Qt::Key_F1);
    TVentanaAyuda* ayuda = TVentanaAyuda::De(ventana.get());
    ASSERT_NE(ayuda, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ayuda));
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), "indice.html");
    QTextBrowser* pagina = ayuda->Navegador();
    auto* atras = ayuda->findChild<QPushButton*>("Atras");
    auto* adelante = ayuda->findChild<QPushButton*>("Adelante");
    auto* contenido = ayuda->findChild<QListWidget*>("ListaContenido");
    EXPECT_FALSE(atras->isEnabled());
    EXPECT_EQ(contenido->count(), static_cast<int>(ayuda->Indice().Paginas().size()));

    // A link of the contents, clicked; the contents list follows the page.
    PulsaEnlace(pagina, QString::fromUtf8("Sistemas reducidos: qué garantizan"));
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), "reducidas.html");
    EXPECT_TRUE(pagina->toPlainText().contains("al CUATRO"));
    EXPECT_EQ(contenido->currentItem()->text().toStdString(), "Sistemas reducidos: qué garantizan");
    ASSERT_TRUE(atras->isEnabled());
    QTest::mouseClick(atras, Qt::LeftButton);
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), "indice.html");
    ASSERT_TRUE(adelante->isEnabled());
    QTest::mouseClick(adelante, Qt::LeftButton);
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), "reducidas.html");
    // Choosing in the contents list shows that page.
    contenido->setCurrentRow(contenido->count() - 1);
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), ayuda->Indice().Paginas().back()->Nombre);

    // Opening the help again brings the same window back at the contents.
    ayuda->close();
    Tecla(Qt::Key_F1);
    ventana->Acciones().AyudaEnLinea->trigger();
    EXPECT_EQ(TVentanaAyuda::De(ventana.get()), ayuda);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), "indice.html");
    EXPECT_EQ(VentanasDeAyuda(), 1);

    // A search in capitals without its accent finds the page about reduced systems, and
    // its answer links there.
    auto busca = [&](const QString& texto) {
        ayuda->CampoBusqueda()->clear();
        QTest::keyClicks(ayuda->CampoBusqueda(), texto);
        QTest::keyClick(ayuda->CampoBusqueda(), Qt::Key_Return);
        return pagina->toPlainText();
    };
    const QString hallado = busca(QString::fromUtf8("GARANTÍA  al cuatro"));
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), "");
    EXPECT_TRUE(hallado.contains(QString::fromUtf8("Sistemas reducidos: qué garantizan")))
        << hallado.toStdString();
    PulsaEnlace(pagina, QString::fromUtf8("Sistemas reducidos: qué garantizan"));
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), "reducidas.html");
    QTest::mouseClick(atras, Qt::LeftButton); // back to the search's answer
    EXPECT_TRUE(pagina->toPlainText().contains(QString::fromUtf8("«GARANTÍA al cuatro»")))
        << pagina->toPlainText().toStdString();

    // Nothing typed, and a word on no page: a plain answer, nothing else moves.
    EXPECT_TRUE(busca("   ").contains("No se ha encontrado nada que buscar"));
    EXPECT_TRUE(busca("<b>zzzq</b>")
                    .contains(QString::fromUtf8(
                        "No se ha encontrado «<b>zzzq</b>» en ninguna página de la ayuda")));
    EXPECT_EQ(VentanasDeAyuda(), 1);
    EXPECT_TRUE(ventana->isVisible());
}

TEST_F(TablaOrdenes, EscapeClosesTheHelpFromEachOfItsControls)
{
    Tecla(Qt::Key_F1);
    TVentanaAyuda* ayuda = TVentanaAyuda::De(ventana.get());
    ASSERT_NE(ayuda, nullptr);
    const QList<QWidget*> controles = {ayuda->Navegador(), ayuda->CampoBusqueda(),
                                       ayuda->findChild<QListWidget*>("ListaContenido"),
                                       ayuda->findChild<QPushButton*>("Buscar")};
    for (QWidget* control : controles) {
        ASSERT_NE(control, nullptr);
        ventana->Acciones().AyudaEnLinea->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ayuda));
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_FALSE(ayuda->isVisible()) << control->objectName().toStdString();
        EXPECT_TRUE(ventana->isVisible());
    }
    // A search typed and then Escape: the window closes, the next opening is at the contents.
    ventana->Acciones().AyudaEnLinea->trigger();
    QTest::keyClicks(ayuda->CampoBusqueda(), "reducidas");
    QTest::keyClick(ayuda->CampoBusqueda(), Qt::Key_Escape);
    EXPECT_FALSE(ayuda->isVisible());
    ventana->Acciones().AyudaEnLinea->trigger();
    EXPECT_EQ(ayuda->PaginaActual().toStdString(), "indice.html");
}

TEST_F(TablaOrdenes, HelpFromThePrintingWindowOutlivesItAndF1UnderItDoesNothing)
{
    bool visto = false;
    AlAbrirse<TVentanaImpresion>([&](TVentanaImpresion* v) {
        visto = true;
        // The main window's keys do not act under a modal window.
        QTest::keyClick(v, Qt::Key_F1);
        QTest::qWait(50);
        EXPECT_EQ(TVentanaAyuda::De(ventana.get()), nullptr);
        Pulsa(BotonDe(v, "Ayuda"));
        TVentanaAyuda* ayuda = TVentanaAyuda::De(ventana.get());
        ASSERT_NE(ayuda, nullptr);
        EXPECT_TRUE(ayuda->isVisible());
        EXPECT_EQ(ayuda->PaginaActual().toStdString(), "indice.html");
        EXPECT_TRUE(v->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), v);
        // The help takes clicks while the printing window is open.
        PulsaEnlace(ayuda->Navegador(), QString::fromUtf8("Impresión de boletos"));
        EXPECT_EQ(ayuda->PaginaActual().toStdString(), "impresion.html");
        // Pressed again: the same window.
        Pulsa(BotonDe(v, "Ayuda"));
        EXPECT_EQ(VentanasDeAyuda(), 1);
        Pulsa(BotonDe(v, "Aceptar"));
    });
    Tecla(Qt::Key_I);
    EXPECT_TRUE(visto);
    // The printing window is gone; its help stays open with the main window.
    TVentanaAyuda* ayuda = TVentanaAyuda::De(ventana.get());
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_EQ(ayuda->parentWidget(), ventana.get());
    EXPECT_EQ(VentanasDeAyuda(), 1);
}

// The menus and a confirmed "&Salir" are walked above and in the dialogs' tests; the window's
// own close button too shows the picture, and the help goes with the window.
TEST(CierreVentana, TheCloseButtonShowsTheInformationPictureAndTakesTheHelpAlong)
{
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    TVentanaPrincipal v(carpeta.Ruta());
    ASSERT_TRUE(Muestra(v));
    TVentanaAyuda* ayuda = TVentanaAyuda::Abre(&v);
    QSize imagen;
    AlAbrirse<TVentanaImagen>([&](TVentanaImagen* d) {
        imagen = v.isVisible() ? d->size() : QSize();
        QTest::keyClick(d, Qt::Key_Return);
    });
    v.close();
    EXPECT_EQ(imagen, QSize(500, 400));
    EXPECT_FALSE(v.isVisible());
    EXPECT_FALSE(ayuda->isVisible());
}

} // namespace
} // namespace numbrela::ui
