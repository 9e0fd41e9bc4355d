// The listing's pages and rows, and the lines of its printed document.
#include <gtest/gtest.h>

#include "../comun/MotorDePrueba.h"
#include "generation/ApuestaMultiple.h"
#include "scrutiny/DocumentoListado.h"
#include "scrutiny/Escrutinio.h"
#include "scrutiny/ListadoApuestas.h"

namespace numbrela {
namespace {

TConjuntoApuestas Simples(int n)
{
    TConjuntoApuestas c;
    std::string e;
    TTextosConjunto t;
    c.CreaSimples(n, e, t);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 6; ++k)
            c.Apuestas[static_cast<std::size_t>(i)].Marca(1 + (i + k * 8) % 49);
    return c;
}

TEST(ListadoApuestas, SeventeenBets)
{
    const TConjuntoApuestas c = Simples(17);
    ListadoApuestas l(c);
    EXPECT_EQ(l.PrimeraFila(), 1);
    ASSERT_EQ(l.Filas().size(), 16u);
    EXPECT_EQ(l.Filas()[0][0], "1");
    EXPECT_EQ(l.Filas()[15][0], "16");
    l.PaginaAnterior(); // nothing before the first page
    EXPECT_EQ(l.PrimeraFila(), 1);
    l.PaginaSiguiente();
    EXPECT_EQ(l.PrimeraFila(), 17);
    ASSERT_EQ(l.Filas().size(), 1u);
    EXPECT_EQ(l.Filas()[0][0], "17");
    l.PaginaSiguiente(); // 17 < 33: nothing
    EXPECT_EQ(l.PrimeraFila(), 17);
    l.PrimeraPagina();
    l.UltimaPagina();
    EXPECT_EQ(l.PrimeraFila(), 17);
    l.PaginaAnterior();
    EXPECT_EQ(l.PrimeraFila(), 1);
}

TEST(ListadoApuestas, ThirtyTwoBetsLastPageStartsAtSeventeen)
{
    const TConjuntoApuestas c = Simples(32);
    ListadoApuestas l(c);
    l.UltimaPagina();
    EXPECT_EQ(l.PrimeraFila(), 17);
    EXPECT_EQ(l.Filas().size(), 16u);
    l.PaginaSiguiente(); // 32 < 33
    EXPECT_EQ(l.PrimeraFila(), 17);
    const TConjuntoApuestas d = Simples(16);
    ListadoApuestas m(d);
    m.UltimaPagina();
    EXPECT_EQ(m.PrimeraFila(), 1);
}

TEST(ListadoApuestas, AnEmptySetShowsOnlyTheHeader)
{
    TConjuntoApuestas c;
    std::string e;
    TTextosConjunto t;
    c.CreaSimples(0, e, t);
    ListadoApuestas l(c);
    EXPECT_TRUE(l.Filas().empty());
    l.UltimaPagina();
    EXPECT_EQ(l.PrimeraFila(), 1);
    l.PaginaSiguiente();
    EXPECT_EQ(l.PrimeraFila(), 1);
}

TEST(ListadoApuestas, RowsAndPrizes)
{
    TConjuntoApuestas c = Simples(3);
    c.Apuestas[0].BorraMarcas();
    for (int n : {45, 1, 12, 9, 20, 3})
        c.Apuestas[0].Marca(n);
    c.Apuestas[1].BorraMarcas();
    for (int n : {1, 3, 40, 41, 42, 43})
        c.Apuestas[1].Marca(n);
    ListadoApuestas antes(c);
    EXPECT_EQ(antes.Filas()[0], (TFilaListado{"1", "1", "3", "9", "12", "20", "45", ""}));
    std::string e;
    ASSERT_TRUE(Escrutinio::Escruta(c, TSorteo{{1, 3, 7, 12, 30, 45}, 9}, e));
    ListadoApuestas l(c);
    EXPECT_EQ(l.Filas()[0][7], " ->4+Complementario");
    EXPECT_EQ(l.Filas()[1][7], ""); // two hits
    EXPECT_EQ(ListadoApuestas::kCabecera[7], "Premio Escrutado");
}

TEST(ListadoApuestas, AMultipleShowsItsNumbersAndTheTally)
{
    TConjuntoApuestas c;
    TTextosConjunto t;
    ApuestaMultiple::Crea(c, 3, t); // five numbers
    for (int n : {4, 8, 15, 16, 23})
        c.Apuestas[0].Marca(n);
    ListadoApuestas antes(c);
    ASSERT_EQ(antes.Filas().size(), 2u);
    EXPECT_EQ(antes.Filas()[0], (TFilaListado{"", "4", "8", "15", "16", "23", "0", ""}));
    EXPECT_EQ(antes.Filas()[1], TFilaListado{});

    std::string e;
    ASSERT_TRUE(Escrutinio::Escruta(c, TSorteo{{4, 8, 30, 31, 32, 33}, 9}, e)); // two hits
    ListadoApuestas l(c);
    ASSERT_EQ(l.Filas().size(), 7u);
    EXPECT_EQ(l.Filas()[2][7], "6:   0");
    EXPECT_EQ(l.Filas()[3][7], "5+C: 0");
    EXPECT_EQ(l.Filas()[4][7], "5  : 0");
    EXPECT_EQ(l.Filas()[5][7], "4  : 0");
    EXPECT_EQ(l.Filas()[6][7], "3  : 4");
}

std::vector<std::string> Textos(const std::vector<TLineaDocumento>& lineas)
{
    std::vector<std::string> t;
    for (const auto& l : lineas)
        t.push_back(l.Texto);
    return t;
}

TEST(DocumentoListado, SimpleBetsBeforeAndAfterAScrutiny)
{
    TConjuntoApuestas c = Simples(2);
    c.FijaNombre("Semana 12");
    c.Apuestas[0].BorraMarcas();
    for (int n : {1, 5, 7, 12, 30, 45})
        c.Apuestas[0].Marca(n);
    c.Apuestas[1].BorraMarcas();
    for (int n : {2, 4, 6, 8, 10, 12})
        c.Apuestas[1].Marca(n);
    c.CambiaLeyenda();
    auto lineas = DocumentoListado::Construye(c, DocumentoListado::Clase(c));
    EXPECT_EQ(Textos(lineas), (std::vector<std::string>{
                                  "Numbrela Pro 1.36",
                                  "   Nombre de la Apuesta: Semana 12",
                                  "     Tipo de Primitiva: Simple de 2 apuestas, 1 Boletos",
                                  "",
                                  "",
                                  "Apuesta 1= 1-5-7-12-30-45",
                                  "Apuesta 2= 2-4-6-8-10-12",
                              }));
    EXPECT_EQ(lineas[0].Estilo, EstiloLinea::Titulo);
    EXPECT_EQ(lineas[1].Estilo, EstiloLinea::Cursiva);
    EXPECT_EQ(lineas[5].Estilo, EstiloLinea::Apuesta);

    std::string e;
    ASSERT_TRUE(Escrutinio::Escruta(c, TSorteo{{1, 3, 7, 12, 30, 45}, 9}, e));
    lineas = DocumentoListado::Construye(c, DocumentoListado::Clase(c));
    EXPECT_EQ(Textos(lineas), (std::vector<std::string>{
                                  "Numbrela Pro 1.36",
                                  "   Nombre de la Apuesta: Semana 12",
                                  "     Tipo de Primitiva: Simple de 2 apuestas, 1 Boletos",
                                  "       Numeros escrutados: 1-3-7-12-30-45-C:9",
                                  "       Premios: 6=0 /5=1 /5+C=0 /4=0 /3=0",
                                  "",
                                  "",
                                  "Apuesta 1= 1-5-7-12-30-45 ->5 aciertos",
                                  "Apuesta 2= 2-4-6-8-10-12",
                              }));
}

// A bet edited after a scrutiny is scored again against the stored draw, so the slip's
// caption, the listing, the tally and the printed listing speak of the numbers it holds.
TEST(DocumentoListado, ABetEditedAfterAScrutinyIsScoredAgain)
{
    TConjuntoApuestas c = Simples(2);
    c.FijaNombre("Semana 12");
    c.Apuestas[0].BorraMarcas();
    for (int n : {1, 5, 7, 12, 30, 45})
        c.Apuestas[0].Marca(n);
    c.CambiaLeyenda();
    std::string e;
    ASSERT_TRUE(Escrutinio::Escruta(c, TSorteo{{1, 3, 7, 12, 30, 45}, 9}, e));
    ASSERT_EQ(Escrutinio::TextoAciertosApuesta(c, 0), "Aciertos: 5");
    // 45 and 30 out, 9 (the complementary) and 40 in: 1, 7 and 12 hit.
    const struct {
        int numero;
        const char* rotulo;
    } pasos[] = {
        {45, "Aciertos: 4"}, {30, "Aciertos: 3"}, {9, "Aciertos: 3 +C"}, {40, "Aciertos: 3 +C"}};
    for (const auto& p : pasos) {
        ASSERT_TRUE(ApuestaMultiple::AlternaMarca(c, 0, p.numero, e)) << e;
        EXPECT_EQ(Escrutinio::TextoAciertosApuesta(c, 0), p.rotulo) << p.numero;
    }
    EXPECT_EQ(ListadoApuestas(c).Filas()[0][7], " ->3+Complementario");
    const auto lineas = Textos(DocumentoListado::Construye(c, DocumentoListado::Clase(c)));
    EXPECT_EQ(lineas[4], "       Premios: 6=0 /5=0 /5+C=0 /4=0 /3=1");
    EXPECT_EQ(lineas[7], "Apuesta 1= 1-5-7-9-12-40 ->3+Complementario");

    // The one bet of a multiple likewise.
    TConjuntoApuestas m;
    TTextosConjunto t;
    ApuestaMultiple::Crea(m, 3, t); // five numbers
    for (int n : {4, 8, 15, 16, 23})
        m.Apuestas[0].Marca(n);
    ASSERT_TRUE(Escrutinio::Escruta(m, TSorteo{{4, 8, 30, 31, 32, 33}, 9}, e));
    EXPECT_EQ(Escrutinio::TextoAciertosApuesta(m, 0), "Aciertos: 2");
    ASSERT_TRUE(ApuestaMultiple::AlternaMarca(m, 0, 15, e));
    ASSERT_TRUE(ApuestaMultiple::AlternaMarca(m, 0, 30, e));
    EXPECT_EQ(Escrutinio::TextoAciertosApuesta(m, 0), "Aciertos: 3");
}

TEST(DocumentoListado, LongNameAndLegendAreCut)
{
    TConjuntoApuestas c = Simples(1);
    c.Cabecera.Nombre = std::string(100, 'n');
    c.Cabecera.Leyenda = std::string(200, 'l');
    const auto lineas = DocumentoListado::Construye(c, ClaseDocumento::Simples);
    EXPECT_EQ(lineas[1].Texto, "   Nombre de la Apuesta: " + std::string(100, 'n')); // exactly 125
    EXPECT_EQ(lineas[2].Texto, "     " + std::string(200, 'l'));                     // exactly 205
    c.Cabecera.Nombre = std::string(100, 'n') + "ñ"; // more than the line holds
    EXPECT_EQ(DocumentoListado::Construye(c, ClaseDocumento::Simples)[1].Texto.size(), 125u);
}

TEST(DocumentoListado, MultipleBeforeAndAfterAScrutiny)
{
    TConjuntoApuestas c;
    TTextosConjunto t;
    ApuestaMultiple::Crea(c, 1, t);
    for (int n : {2, 9, 14, 23, 31, 40, 48})
        c.Apuestas[0].Marca(n);
    auto lineas = DocumentoListado::Construye(c, DocumentoListado::Clase(c));
    EXPECT_EQ(Textos(lineas),
              (std::vector<std::string>{
                  "Numbrela Pro 1.36",
                  "   Nombre de la Apuesta: Sin Nombre",
                  "     Tipo de Primitiva: Multiple de 7 cruces, 7 Apuestas. Un sólo boleto",
                  "",
                  "",
                  "Apuesta Múltiple = <-2-9-14-23-31-40-48->",
              }));
    std::string e;
    ASSERT_TRUE(Escrutinio::Escruta(c, TSorteo{{2, 9, 14, 23, 31, 1}, 40}, e)); // 5 + C
    lineas = DocumentoListado::Construye(c, DocumentoListado::Clase(c));
    ASSERT_EQ(lineas.size(), 8u);
    EXPECT_EQ(lineas[3].Texto, "       Numeros escrutados: 2-9-14-23-31-1-C:40");
    EXPECT_EQ(lineas[4].Texto, "       Premios: 6=0 /5=1 /5+C=1 /4=5 /3=0");
    EXPECT_EQ(lineas[7].Texto, "Apuesta Múltiple = <-2-9-14-23-31-40-48->");
}

TEST(DocumentoListado, ReducedSystemBeforeAndAfterAScrutiny)
{
    prueba::MotorDePrueba motor;
    motor.Sistemas[{7, 1}] = {1, 7};
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = 3;
    c.Cabecera.TipoReduccion = 1;
    c.Cabecera.TotalReducidos = 7;
    const std::uint8_t elegidos[] = {3, 8, 15, 22, 29, 36, 43};
    std::copy(std::begin(elegidos), std::end(elegidos), c.Cabecera.ListaReducidos.begin());
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(c.CambioGlobal(e, t));
    auto lineas = DocumentoListado::Construye(c, DocumentoListado::Clase(c));
    EXPECT_EQ(
        Textos(lineas),
        (std::vector<std::string>{
            "Numbrela Pro 1.36",
            "   Nombre de la Apuesta: ",
            "     Tipo de apuesta: Reducida de 7 números, al TRES, sin números fijo. Apuestas: 2",
            "       Numeros escogidos para reducción: 3-8-15-22-29-36-43-",
            "",
            "",
            "Apuesta 1= 3-8-15-22-29-36",
            "Apuesta 2= 8-15-22-29-36-43",
        }));
    ASSERT_TRUE(Escrutinio::Escruta(c, TSorteo{{3, 8, 15, 22, 29, 40}, 43}, e));
    lineas = DocumentoListado::Construye(c, DocumentoListado::Clase(c));
    ASSERT_EQ(lineas.size(), 10u);
    EXPECT_EQ(lineas[4].Texto, "       Numeros escrutados: 3-8-15-22-29-40-C:43");
    EXPECT_EQ(lineas[5].Texto, "       Premios: 6=0 /5=1 /5+C=0 /4=1 /3=0");
    EXPECT_EQ(lineas[8].Texto, "Apuesta 1= 3-8-15-22-29-36 ->5 aciertos");
    EXPECT_EQ(lineas[9].Texto, "Apuesta 2= 8-15-22-29-36-43 ->4+Complementario");

    ListadoApuestas l(c);
    EXPECT_EQ(l.Filas()[1],
              (TFilaListado{"2", "8", "15", "22", "29", "36", "43", " ->4+Complementario"}));
}

TEST(DocumentoListado, ProgressEveryFiftyBets)
{
    const TConjuntoApuestas c = Simples(120);
    std::vector<std::int64_t> avisos;
    DocumentoListado::Construye(c, ClaseDocumento::Simples,
                                [&](std::int64_t n) { avisos.push_back(n); });
    EXPECT_EQ(avisos, (std::vector<std::int64_t>{50, 100}));
}

} // namespace
} // namespace numbrela
