#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/ConjuntoApuestas.h"

using namespace numbrela;

namespace {

TConjuntoApuestas Simples(std::int64_t n)
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto t;
    EXPECT_TRUE(c.CreaSimples(n, error, t)) << error;
    return c;
}

TConjuntoApuestas Multiple(std::initializer_list<int> numeros)
{
    TConjuntoApuestas c;
    c.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Multiple);
    c.CrucesPorApuesta = static_cast<int>(numeros.size());
    c.Cabecera.TotalApuestas = static_cast<std::int32_t>(ValorMultiple(c.CrucesPorApuesta));
    std::string error;
    TTextosConjunto t;
    EXPECT_TRUE(c.CambioGlobal(error, t));
    for (int n : numeros)
        c.Apuestas[0].Marca(n);
    return c;
}

// Unranks by counting, independently of any table: the rank-th 6-subset of 1..n in
// lexicographic order.
class MotorContador : public TMotorReducidas {
public:
    bool PrimitivaReducida(TConjuntoApuestas& c, std::string&) override
    {
        c.BufferRangos = {1, 7};
        c.AciertosReducida.assign(2, 0);
        c.Cabecera.TotalApuestas = 2;
        c.Apuestas.assign(2, TApuestas{});
        c.DelBufferALaApuesta(0, 2);
        return true;
    }
    void Calcular(int n) override { n_ = n; }
    void TomarCombinacion(std::uint32_t rango, std::uint8_t pos[6]) const override
    {
        std::uint32_t visto = 0;
        std::array<int, 6> idx{1, 2, 3, 4, 5, 6};
        for (;;) {
            if (++visto == rango)
                break;
            int i = 5;
            while (idx[i] == n_ - 5 + i)
                --i;
            ++idx[i];
            for (int j = i + 1; j < 6; ++j)
                idx[j] = idx[j - 1] + 1;
        }
        for (int i = 0; i < 6; ++i)
            pos[i] = static_cast<std::uint8_t>(idx[i]);
    }

private:
    int n_ = 0;
};

} // namespace

struct CasoBoletos {
    int n;
    int ultimoBoleto;
    std::vector<int> porBoleto;
    const char* contador;
};

void PrintTo(const CasoBoletos& caso, std::ostream* os)
{
    *os << caso.n << " bets";
}

class Boletos : public ::testing::TestWithParam<CasoBoletos> {};

TEST_P(Boletos, GroupEightBetsToASlip)
{
    const CasoBoletos& caso = GetParam();
    TConjuntoApuestas c = Simples(caso.n);
    EXPECT_EQ(c.Cabecera.UltimoBoleto, caso.ultimoBoleto);
    EXPECT_EQ(static_cast<int>(c.Apuestas.size()), caso.n);
    for (std::size_t s = 0; s < caso.porBoleto.size(); ++s)
        EXPECT_EQ(c.ApuestasEnBoleto(static_cast<int>(s)), caso.porBoleto[s]) << "slip " << s;
    EXPECT_EQ(c.ApuestasEnBoleto(static_cast<int>(caso.porBoleto.size())), 0);
    EXPECT_EQ(c.CambiaLeyenda().Contador, caso.contador);
}

INSTANTIATE_TEST_SUITE_P(Simples, Boletos,
                         ::testing::Values(CasoBoletos{0, -1, {}, "Boleto 1 de 0"},
                                           CasoBoletos{1, 0, {1}, "Boleto 1 de 1"},
                                           CasoBoletos{8, 0, {8}, "Boleto 1 de 1"},
                                           CasoBoletos{9, 1, {8, 1}, "Boleto 1 de 2"},
                                           CasoBoletos{16, 1, {8, 8}, "Boleto 1 de 2"},
                                           CasoBoletos{17, 2, {8, 8, 1}, "Boleto 1 de 3"},
                                           CasoBoletos{23, 2, {8, 8, 7}, "Boleto 1 de 3"}),
                         [](const auto& info) { return std::to_string(info.param.n) + "Bets"; });

TEST(ConjuntoApuestas, AMultipleIsOneSlipWithOneBet)
{
    TConjuntoApuestas c = Multiple({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(c.Cabecera.UltimoBoleto, 0);
    EXPECT_EQ(c.Apuestas.size(), 1u);
    EXPECT_EQ(c.ApuestasEnBoleto(0), 1);
    EXPECT_EQ(c.TotalApuestas(), 462);
}

TEST(ConjuntoApuestas, PriceFollowsTheGame)
{
    TConjuntoApuestas c = Multiple({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(c.TextoPrecio(), "46200 pts");
    c.CicloJuego();
    EXPECT_STREQ(NombreJuego(c.Cabecera.Juego), "BONOLOTO");
    EXPECT_EQ(c.TextoPrecio(), "23100 pts");
    c.CicloJuego();
    EXPECT_STREQ(NombreJuego(c.Cabecera.Juego), "EL GORDO");
    EXPECT_EQ(c.TextoPrecio(), "115500 pts");
    c.CicloJuego();
    EXPECT_STREQ(NombreJuego(c.Cabecera.Juego), "LOTERIA PRIMITIVA");
}

TEST(ConjuntoApuestas, StartsAsOneEmptySimpleBet)
{
    TConjuntoApuestas c;
    EXPECT_EQ(c.Tipo(), TipoApuesta::Simple);
    EXPECT_EQ(c.TotalApuestas(), 1);
    EXPECT_EQ(c.Apuestas.size(), 1u);
    EXPECT_EQ(c.Apuestas[0].Cruces, 0);
    EXPECT_EQ(c.Cabecera.Nombre, "Sin Nombre");
    EXPECT_EQ(c.NombreFichero, "NINGUNO");
    EXPECT_EQ(c.Cabecera.Leyenda, "Tipo de Primitiva: Simple de 1 apuestas, 1 Boletos");
    EXPECT_EQ(c.TextoPrecio(), "100 pts");
}

TEST(ConjuntoApuestas, NuevaDropsEverythingOfTheOldSet)
{
    TConjuntoApuestas c = Simples(20);
    c.FijaNombre("Semana");
    c.NombreFichero = "/tmp/x.apu";
    c.GrabarHabilitado = c.GrabarComoHabilitado = true;
    c.EscrutadoHecho = true;
    c.Cabecera.Sorteo.Numeros[0] = 4;
    c.BoletoActual = 2;
    const TTextosConjunto t = c.Nueva();
    EXPECT_EQ(t.Leyenda, "Tipo de Primitiva: Simple de 1 apuestas, 1 Boletos");
    EXPECT_EQ(t.Contador, "Boleto 1 de 1");
    EXPECT_EQ(c.Cabecera.Nombre, "Sin Nombre");
    EXPECT_EQ(c.NombreFichero, "NINGUNO");
    EXPECT_FALSE(c.GrabarHabilitado || c.GrabarComoHabilitado || c.EscrutadoHecho);
    EXPECT_FALSE(c.Cabecera.Sorteo.HaySorteo());
    EXPECT_EQ(c.BoletoActual, 0);
    EXPECT_EQ(c.Apuestas.size(), 1u);
}

TEST(Leyenda, DescribesEveryKind)
{
    TConjuntoApuestas c = Simples(9);
    EXPECT_EQ(c.CambiaLeyenda().Leyenda, "Tipo de Primitiva: Simple de 9 apuestas, 2 Boletos");

    TConjuntoApuestas m = Multiple({1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(m.CambiaLeyenda().Leyenda,
              "Tipo de Primitiva: Multiple de 9 cruces, 84 Apuestas. Un sólo boleto");

    TConjuntoApuestas r;
    r.Cabecera.Tipo = 3;
    r.Cabecera.TotalReducidos = 10;
    r.Cabecera.TipoReduccion = 2;
    r.Cabecera.TotalApuestas = 5;
    EXPECT_EQ(r.CambiaLeyenda().Leyenda,
              "Tipo de apuesta: Reducida de 10 números, al CUATRO, sin números fijo. Apuestas: 5");
    r.Cabecera.TotalFijos = 2;
    r.Cabecera.ListaFijos[0] = 25;
    r.Cabecera.ListaFijos[1] = 41;
    r.Cabecera.TipoReduccion = 1;
    EXPECT_EQ(
        r.CambiaLeyenda().Leyenda,
        "Tipo de apuesta: Reducida de 10 números, al TRES, Números fijos: -25-41. Apuestas: 5");
    r.Cabecera.TipoReduccion = 3;
    EXPECT_NE(r.CambiaLeyenda().Leyenda.find(" al CINCO, "), std::string::npos);

    TConjuntoApuestas n;
    n.Cabecera.Leyenda = "anterior";
    n.Cabecera.Tipo = 0;
    EXPECT_EQ(n.CambiaLeyenda().Leyenda, "Tipo de Primitiva: Ninguno establecido");
    EXPECT_EQ(n.Cabecera.Leyenda, "anterior");
}

TEST(Nombre, IsCutTo100Characters)
{
    TConjuntoApuestas c;
    c.FijaNombre(std::string(99, 'n') + "ñandú");
    EXPECT_EQ(c.Cabecera.Nombre, std::string(99, 'n') + "ñ");
    c.FijaNombre("Peña");
    EXPECT_EQ(c.Cabecera.Nombre, "Peña");
}

TEST(Limite, ASetAboveAMillionBetsIsRefusedAndThePreviousSetKept)
{
    TConjuntoApuestas c = Simples(12);
    c.Apuestas[3].Marca(17);
    std::string error;
    TTextosConjunto t;
    EXPECT_FALSE(c.CreaSimples(99'999'999, error, t));
    EXPECT_NE(error.find("1.000.000"), std::string::npos);
    EXPECT_EQ(c.TotalApuestas(), 12);
    EXPECT_EQ(c.Apuestas.size(), 12u);
    EXPECT_TRUE(c.Apuestas[3].Marcado(17));

    error.clear();
    EXPECT_FALSE(c.AnadeSimples(kMaxApuestasSimples, error, t));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(c.Apuestas.size(), 12u);

    EXPECT_TRUE(c.AnadeSimples(kMaxApuestasSimples - 12, error, t));
    EXPECT_EQ(c.Apuestas.size(), static_cast<std::size_t>(kMaxApuestasSimples));
    EXPECT_LE(sizeof(TApuestas), 80u); // a million bets stay below 80 MB
}

TEST(Limite, AddingKeepsTheMarksOfExistingBets)
{
    TConjuntoApuestas c = Simples(8);
    c.Apuestas[7].Marca(49);
    c.BoletoActual = 0;
    std::string error;
    TTextosConjunto t;
    ASSERT_TRUE(c.AnadeSimples(3, error, t));
    EXPECT_EQ(c.TotalApuestas(), 11);
    EXPECT_TRUE(c.Apuestas[7].Marcado(49));
    EXPECT_EQ(c.Cabecera.UltimoBoleto, 1);
    EXPECT_EQ(c.ApuestasEnBoleto(1), 3);
    EXPECT_EQ(t.Leyenda, "Tipo de Primitiva: Simple de 11 apuestas, 2 Boletos");
}

TEST(Apuesta, MarksHoldTheNumberAndCountCrosses)
{
    TApuestas a;
    EXPECT_TRUE(a.Marca(49));
    EXPECT_FALSE(a.Marca(49));
    EXPECT_TRUE(a.Marca(1));
    EXPECT_FALSE(a.Marca(0));
    EXPECT_FALSE(a.Marca(50));
    EXPECT_EQ(a.Marcas[49], 49);
    EXPECT_EQ(a.Cruces, 2);
    a.Marca(10);
    a.EmpaquetaNumeros();
    EXPECT_EQ(a.NumerosOrdenados[1], 1);
    EXPECT_EQ(a.NumerosOrdenados[2], 10);
    EXPECT_EQ(a.NumerosOrdenados[3], 49);
    EXPECT_EQ(a.NumerosOrdenados[4], 0);
    EXPECT_TRUE(a.Desmarca(10));
    EXPECT_EQ(a.Cruces, 2);

    const std::uint8_t seis[] = {5, 6, 7, 8, 9, 10};
    MeterNumeros(a, seis);
    EXPECT_EQ(a.Cruces, 6);
    EXPECT_FALSE(a.Marcado(49));
    EXPECT_TRUE(a.Marcado(5));
}

TEST(Apuesta, ScoringCountsHitsAndTheComplementary)
{
    TApuestas a;
    for (int n : {1, 3, 7, 20, 21, 9})
        a.Marca(n);
    TSorteo s;
    s.Numeros = {1, 3, 7, 12, 30, 45};
    s.Complementario = 9;
    PuntuarApuesta(a, s);
    EXPECT_EQ(a.Aciertos, 3);
    EXPECT_EQ(a.ConComplementario, 1);
    s.Complementario = 2;
    PuntuarApuesta(a, s);
    EXPECT_EQ(a.ConComplementario, 0);
}

TEST(Visita, SimpleBetsOneByOne)
{
    TConjuntoApuestas c = Simples(3);
    for (int n : {49, 2, 30, 4, 5, 6})
        c.Apuestas[1].Marca(n);
    std::vector<TApuestaSimple> vistas;
    c.VisitaApuestasSimples([&](const TApuestaSimple& a) { vistas.push_back(a); });
    ASSERT_EQ(vistas.size(), 3u);
    EXPECT_EQ(vistas[0].Cuantos, 0);
    EXPECT_EQ(vistas[1].Indice, 2);
    EXPECT_EQ(vistas[1].Numeros, (std::array<std::uint8_t, 6>{2, 4, 5, 6, 30, 49}));
}

TEST(Visita, AMultipleStandsForEverySixSubset)
{
    TConjuntoApuestas c = Multiple({3, 14, 15, 26, 37, 38, 49, 11});
    std::set<std::array<std::uint8_t, 6>> vistas;
    std::array<std::uint8_t, 6> anterior{};
    c.VisitaApuestasSimples([&](const TApuestaSimple& a) {
        EXPECT_TRUE(std::is_sorted(a.Numeros.begin(), a.Numeros.end()));
        EXPECT_LT(anterior, a.Numeros); // lexicographic order
        anterior = a.Numeros;
        vistas.insert(a.Numeros);
    });
    EXPECT_EQ(vistas.size(), 28u); // C(8, 6)
}

TEST(Visita, AFiveCrossMultipleTakesEachOfTheOther44)
{
    TConjuntoApuestas c = Multiple({4, 8, 15, 16, 23});
    std::set<int> sextos;
    c.VisitaApuestasSimples([&](const TApuestaSimple& a) {
        EXPECT_EQ(a.Cuantos, 6);
        int propios = 0;
        for (std::uint8_t n : a.Numeros) {
            if (n == 4 || n == 8 || n == 15 || n == 16 || n == 23)
                ++propios;
            else
                sextos.insert(n);
        }
        EXPECT_EQ(propios, 5);
        EXPECT_TRUE(std::is_sorted(a.Numeros.begin(), a.Numeros.end()));
    });
    EXPECT_EQ(sextos.size(), 44u);
    EXPECT_EQ(c.TotalApuestas(), 44);
}

TEST(Visita, AReducedSetUnranksItsRanksOverTheChosenNumbers)
{
    MotorContador motor;
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = 3;
    c.Cabecera.TotalReducidos = 7;
    const std::uint8_t lista[] = {2, 4, 8, 16, 32, 40, 48};
    std::copy(std::begin(lista), std::end(lista), c.Cabecera.ListaReducidos.begin());
    std::string error;
    TTextosConjunto t;
    ASSERT_TRUE(c.CambioGlobal(error, t));
    // Rank 1 is positions 1..6, rank 7 is 2..7.
    EXPECT_EQ(c.Apuestas[0].Cruces, 6);
    EXPECT_TRUE(c.Apuestas[0].Marcado(2) && c.Apuestas[0].Marcado(40));
    EXPECT_FALSE(c.Apuestas[1].Marcado(2));
    EXPECT_TRUE(c.Apuestas[1].Marcado(48));

    std::vector<std::array<std::uint8_t, 6>> vistas;
    c.VisitaApuestasSimples([&](const TApuestaSimple& a) { vistas.push_back(a.Numeros); });
    ASSERT_EQ(vistas.size(), 2u);
    EXPECT_EQ(vistas[0], (std::array<std::uint8_t, 6>{2, 4, 8, 16, 32, 40}));
    EXPECT_EQ(vistas[1], (std::array<std::uint8_t, 6>{4, 8, 16, 32, 40, 48}));
}

TEST(Visita, AReducedSetWithoutEngineFailsToLoad)
{
    TConjuntoApuestas c;
    c.Cabecera.Tipo = 3;
    std::string error;
    TTextosConjunto t;
    EXPECT_FALSE(c.CambioGlobal(error, t));
    EXPECT_EQ(error, "Error: Se ha producido un error leyendo el archivo o el archivo no existe");
}
