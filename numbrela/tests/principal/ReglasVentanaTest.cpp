// What the main window decides without a window: typed counts and slips, the bet a click
// on the slip selects, where crosses go, where controls go.
#include <gtest/gtest.h>

#include "model/ConjuntoApuestas.h"
#include "principal/ReglasVentana.h"

namespace numbrela {
namespace {

TEST(LeeNumeroApuestas, TakesDigitsAndRefusesEmptyOrLetters)
{
    EXPECT_EQ(LeeNumeroApuestas("9").Valor, 9);
    EXPECT_EQ(LeeNumeroApuestas("99999999").Valor, 99999999);
    EXPECT_EQ(LeeNumeroApuestas("  12 ").Valor, 12); // the mask pads with spaces
    for (const char* malo : {"", "   ", "abc", "1a", "-3", "123456789"}) {
        const TLectura l = LeeNumeroApuestas(malo);
        EXPECT_FALSE(l.Valor) << malo;
        EXPECT_EQ(l.Error, "Valor incorrecto. Inténtelo de nuevo") << malo;
    }
}

TEST(LeeIrABoleto, MovesOnlyToAnExistingSlip)
{
    // Two slips: UltimoBoleto = 1.
    EXPECT_EQ(LeeIrABoleto("1", 1).Boleto, 0);
    EXPECT_EQ(LeeIrABoleto("2", 1).Boleto, 1);
    EXPECT_EQ(LeeIrABoleto("3", 1).Error, "Error: No existe ese boleto");
    EXPECT_EQ(LeeIrABoleto("0", 1).Error, "Error: No existe ese boleto");
    EXPECT_FALSE(LeeIrABoleto("0", 1).Boleto);
    EXPECT_EQ(LeeIrABoleto("", 1).Error, "Error al introducir BOLETO");
    EXPECT_EQ(LeeIrABoleto("x", 1).Error, "Error al introducir BOLETO");
    EXPECT_EQ(LeeIrABoleto("123456", 99999).Error, "Error al introducir BOLETO");
}

TConjuntoApuestas Simples(int n)
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto t;
    EXPECT_TRUE(c.CreaSimples(n, error, t));
    return c;
}

TEST(ApuestaEnPunto, ColumnOfNinetyThreePixelsSelectsTheBet)
{
    TConjuntoApuestas c = Simples(11);
    EXPECT_EQ(ApuestaEnPunto(c, 0).Apuesta, 1);
    EXPECT_EQ(ApuestaEnPunto(c, 92).Apuesta, 1);
    EXPECT_EQ(ApuestaEnPunto(c, 93).Apuesta, 2);
    EXPECT_EQ(ApuestaEnPunto(c, 7 * 93 + 5).Apuesta, 8);
    EXPECT_EQ(ApuestaEnPunto(c, 8 * 93).Error, "-Error: No está creada esa apuesta");
    c.BoletoActual = 1; // bets 9..11 on the second slip
    EXPECT_EQ(ApuestaEnPunto(c, 2 * 93).Apuesta, 11);
    EXPECT_EQ(ApuestaEnPunto(c, 3 * 93).Error, "-Error: No está creada esa apuesta");
}

TEST(ApuestaEnColumna, EmptySetAndReducedSetsAreRefused)
{
    TConjuntoApuestas vacio = Simples(0);
    EXPECT_EQ(ApuestaEnColumna(vacio, 0).Error, "-Error: No está creada esa apuesta");

    TConjuntoApuestas reducida = Simples(3);
    reducida.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    EXPECT_EQ(
        ApuestaEnColumna(reducida, 1).Error,
        "Las apuestas reducidas no pueden cambiarse ya que desharía las combinaciones correctas");
}

// Worked out by hand from the slip's geometry: bet j starts at x = 93j + 2, y = 207; number a
// lies in column a / 10 at 19 pixels a column and 21 pixels a row, 9, 19, ... 49 at the bottom.
TEST(EsquinaCruz, NumbersRunDownTheFiveColumns)
{
    struct Caso {
        int columna, numero, x, y;
    } casos[] = {{0, 1, 2, 39},    {0, 9, 2, 207},    {0, 10, 21, 18},
                 {0, 19, 21, 207}, {0, 40, 78, 18},   {0, 49, 78, 207},
                 {7, 1, 653, 39},  {7, 49, 729, 207}, {3, 25, 319, 123}};
    for (const Caso& c : casos) {
        const TPunto p = EsquinaCruz(c.columna, c.numero);
        EXPECT_EQ(p.X, c.x) << c.columna << "/" << c.numero;
        EXPECT_EQ(p.Y, c.y) << c.columna << "/" << c.numero;
    }
    // Every cross of the last bet stays inside the 745 x 210 picture.
    for (int n = 1; n <= 49; ++n) {
        const TPunto p = EsquinaCruz(7, n);
        EXPECT_LE(p.X + kAnchoCruz, 744);
        EXPECT_GE(p.Y - kAltoCruz, 0);
    }
}

TEST(Disposicion, ControlsFollowTheSlipAndTheGoToButton)
{
    const TDisposicion d = Disposicion(100, 400);
    EXPECT_EQ(d.Tipo, 98);
    EXPECT_EQ(d.Apuestas, 222);
    EXPECT_EQ(d.Reducir, 314);
    EXPECT_EQ(d.Numeros, 404);
    EXPECT_EQ(d.Listar, 495);
    EXPECT_EQ(d.Rellenar, 604);
    EXPECT_EQ(d.Escrutar, 691);
    EXPECT_EQ(d.Imprimir, 777);
    EXPECT_EQ(d.Primero, 268);
    EXPECT_EQ(d.Anterior, 325);
    EXPECT_EQ(d.Siguiente, 502);
    EXPECT_EQ(d.Ultimo, 576);
    EXPECT_EQ(d.Informacion, 665);
    EXPECT_EQ(d.Contador, 54);
    EXPECT_EQ(d.Fichero, 54);
    EXPECT_EQ(d.Precio, 752);
    EXPECT_EQ(d.Salir, 757);
}

TEST(ColorJuego, GreenBlueBlack)
{
    EXPECT_EQ(ColorJuego(0), 0x008000u);
    EXPECT_EQ(ColorJuego(1), 0x0000FFu);
    EXPECT_EQ(ColorJuego(2), 0x000000u);
}

TEST(ColumnasBoleto, BetNumbersAndObjectsOfTheSlipOnScreen)
{
    TConjuntoApuestas c = Simples(11);
    ASSERT_TRUE(c.VeAlBoletoSiguiente());
    const auto col = ColumnasBoleto(c);
    ASSERT_EQ(col.size(), 3u); // bets 9..11 on the second slip
    EXPECT_EQ(col[0].Apuesta, 9);
    EXPECT_EQ(col[2].Apuesta, 11);
    EXPECT_EQ(col[2].Indice, 10u);
    EXPECT_EQ(col[0].Aciertos, ""); // no scrutiny yet
    c.Apuestas[10].Aciertos = 5;
    c.Apuestas[10].ConComplementario = 1;
    c.EscrutadoHecho = true;
    EXPECT_EQ(ColumnasBoleto(c)[2].Aciertos, "Aciertos: 5 +C");

    // A header that claims bets its kind or its list does not hold shows none of them.
    TConjuntoApuestas sinTipo = Simples(5);
    sinTipo.Cabecera.Tipo = 0;
    EXPECT_TRUE(ColumnasBoleto(sinTipo).empty());
    EXPECT_EQ(ApuestaEnColumna(sinTipo, 0).Error, "-Error: No está creada esa apuesta");
    TConjuntoApuestas corta = Simples(5);
    corta.Apuestas.resize(2);
    EXPECT_EQ(ColumnasBoleto(corta).size(), 2u);
    EXPECT_FALSE(ApuestaEnColumna(corta, 2).Error.empty());
}

TEST(EstadoOrdenes, EachKindAllowsItsCommands)
{
    struct Caso {
        std::uint8_t tipo;
        int fijos;
        bool apuestas, reducir, numeros;
    };
    for (const Caso& k : {Caso{1, 0, true, false, false}, Caso{2, 0, false, false, false},
                          Caso{3, 0, false, true, true}, Caso{3, 2, false, false, true},
                          Caso{0, 0, false, false, false}}) {
        TConjuntoApuestas c;
        c.Cabecera.Tipo = k.tipo;
        c.Cabecera.TotalFijos = k.fijos;
        const TEstadoOrdenes e = EstadoOrdenes(c);
        EXPECT_EQ(e.Apuestas, k.apuestas) << int(k.tipo) << "/" << k.fijos;
        EXPECT_EQ(e.Reducir, k.reducir) << int(k.tipo) << "/" << k.fijos;
        EXPECT_EQ(e.Numeros, k.numeros) << int(k.tipo) << "/" << k.fijos;
    }
}

TEST(NavegacionBoletos, MovesStayInsideTheSet)
{
    TConjuntoApuestas c = Simples(17);  // three slips
    EXPECT_FALSE(c.VeAlPrimerBoleto()); // already there
    EXPECT_FALSE(c.VeAlBoletoAnterior());
    EXPECT_TRUE(c.VeAlUltimoBoleto());
    EXPECT_EQ(c.BoletoActual, 2);
    EXPECT_FALSE(c.VeAlBoletoSiguiente());
    EXPECT_FALSE(c.VeAlBoleto(3));
    EXPECT_TRUE(c.VeAlBoleto(1));
    TConjuntoApuestas vacio = Simples(0); // no slip at all
    EXPECT_FALSE(vacio.VeAlUltimoBoleto());
    EXPECT_EQ(vacio.BoletoActual, 0);
}

} // namespace
} // namespace numbrela
