// Every control of the main window's panels and of the kind dialogs is named, over the
// accessibility interface, by what a user sees or what it is for, never by its internal name.
#include <gtest/gtest.h>

#include "../../comun/qt/Usuario.h"
#include "controles/TMiBoton.h"
#include "controles/TPanel.h"
#include "generation/qt/TDialogoTipoReduccion.h"
#include "model/ConjuntoApuestas.h"
#include "principal/qt/TDialogoMultiple.h"
#include "principal/qt/TPanelBoleto.h"
#include "principal/qt/TTiraSorteo.h"

namespace numbrela::ui {
namespace {

using namespace prueba;

QString Nombre(QWidget* padre, const char* objeto)
{
    auto* w = padre->findChild<QWidget*>(objeto);
    return w != nullptr ? NombreAccesible(w) : QString("(no %1)").arg(objeto);
}

TEST(NombresAccesibles, KindButtonsAreNamedByWhatTheyChoose)
{
    UsaCarpetaDelPrograma();
    TDialogoMultiple multiple(nullptr);
    const char* cruces[] = {"7", "8", "5", "9", "10", "11"}; // codes 1..6
    for (int codigo = 1; codigo <= 6; ++codigo)
        EXPECT_EQ(Nombre(&multiple, QString("Codigo%1").arg(codigo).toLatin1()),
                  QString("%1 cruces").arg(cruces[codigo - 1]));
    std::uint8_t tipo = 0;
    bool compacta = false;
    TDialogoTipoReduccion reduccion(nullptr, tipo, compacta, CabeceraApuestas{}, TEST_PROGRAM_DIR);
    EXPECT_EQ(Nombre(&reduccion, "AlTres"), QString::fromUtf8("Reducción al TRES"));
    EXPECT_EQ(Nombre(&reduccion, "AlCuatro"), QString::fromUtf8("Reducción al CUATRO"));
    EXPECT_EQ(Nombre(&reduccion, "AlCinco"), QString::fromUtf8("Reducción al CINCO"));
}

TEST(NombresAccesibles, BetButtonsCarryTheBetNumberAndEmptyColumnsSaySo)
{
    UsaCarpetaDelPrograma();
    TPanelBoleto panel;
    TConjuntoApuestas conjunto;
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(conjunto.CreaSimples(3, error, textos));
    panel.MuestraApuestas(conjunto);
    EXPECT_EQ(Nombre(&panel, "MiBoton1"), "1");
    EXPECT_EQ(Nombre(&panel, "MiBoton3"), "3");
    EXPECT_EQ(Nombre(&panel, "MiBoton4"), "Columna 4 sin apuesta");
    EXPECT_EQ(Nombre(&panel, "MiBoton8"), "Columna 8 sin apuesta");
    // Eight bets fill every column; back to one, the others are empty again.
    ASSERT_TRUE(conjunto.CreaSimples(8, error, textos));
    panel.MuestraApuestas(conjunto);
    EXPECT_EQ(Nombre(&panel, "MiBoton8"), "8");
    ASSERT_TRUE(conjunto.CreaSimples(1, error, textos));
    panel.MuestraApuestas(conjunto);
    EXPECT_EQ(Nombre(&panel, "MiBoton1"), "1");
    EXPECT_EQ(Nombre(&panel, "MiBoton2"), "Columna 2 sin apuesta");
}

TEST(NombresAccesibles, DrawStripNamesEachNumberBeforeAndWithADraw)
{
    TTiraSorteo tira;
    EXPECT_EQ(Nombre(&tira, "Panel24"), QString::fromUtf8("Número 1"));
    EXPECT_EQ(Nombre(&tira, "Panel30"), "Complementario");
    TSorteo sorteo;
    sorteo.Numeros = {3, 9, 17, 25, 41, 48};
    sorteo.Complementario = 12;
    tira.Muestra(sorteo);
    EXPECT_EQ(Nombre(&tira, "Panel24"), QString::fromUtf8("Número 1: 3"));
    EXPECT_EQ(Nombre(&tira, "Panel29"), QString::fromUtf8("Número 6: 48"));
    EXPECT_EQ(Nombre(&tira, "Panel30"), "Complementario: 12");
}

} // namespace
} // namespace numbrela::ui
