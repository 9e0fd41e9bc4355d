// Speed of the simulation and of the printed document on the largest delivered system,
// 49 numbers al CINCO (285397 bets), beside the straightforward method of unranking and
// scoring every bet for every draw. Prints medians and ratios.
//   numbrela_bench_EscrutinioBench [PROGRAM_FOLDER]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "generation/Reducidas.h"
#include "scrutiny/DocumentoListado.h"
#include "scrutiny/Escrutinio.h"
#include "scrutiny/MascarasApuestas.h"
#include "scrutiny/Simulacion.h"

using namespace numbrela;

namespace {

double TiempoCpu()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Median processor time of the runs: the machine is shared, so the time this process
// actually ran says more than the wall clock. The wall clock's median goes to `pared`.
double Mediana(int veces, const std::function<void()>& f, double* pared = nullptr)
{
    std::vector<double> t, w;
    for (int i = 0; i < veces; ++i) {
        const auto a = std::chrono::steady_clock::now();
        const double c = TiempoCpu();
        f();
        t.push_back(TiempoCpu() - c);
        w.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - a).count());
    }
    std::sort(t.begin(), t.end());
    std::sort(w.begin(), w.end());
    if (pared)
        *pared = w[w.size() / 2];
    return t[t.size() / 2];
}

// The middle way: each bet expanded once into a 64-bit set, then one popcount per bet
// and draw.
__attribute__((target("popcnt"))) TContadoresSimulacion
SimulaMascaras(const TConjuntoApuestas& c, int sorteos, TGeneradorAleatorio& g,
               const Simulacion::SemillaReloj& reloj)
{
    std::vector<std::uint64_t> m;
    MascarasApuestas::Expande(c, m);
    std::uint64_t h[16] = {};
    for (int k = 0; k < sorteos; ++k) {
        const TSorteo s = Simulacion::RealizarMatriz(g, reloj);
        const std::uint64_t w = MascarasApuestas::MascaraGanadores(s);
        const int cb = s.Complementario;
        for (std::uint64_t x : m)
            ++h[__builtin_popcountll(x & w) * 2 + ((x >> cb) & 1u)];
    }
    TContadoresSimulacion r;
    r.Fallos = h[0] + h[1] + h[2] + h[3] + h[4] + h[5];
    r.Tres = h[6] + h[7];
    r.Cuatro = h[8] + h[9];
    r.Cinco = h[10];
    r.CincoMasC = h[11];
    r.Seis = h[12] + h[13];
    return r;
}

// The straightforward simulation: every draw, every rank unranked, translated, put into a
// bet and scored with PuntuarApuesta.
TContadoresSimulacion SimulaDirecto(TConjuntoApuestas& c, int sorteos, TGeneradorAleatorio& g,
                                    const Simulacion::SemillaReloj& reloj)
{
    TContadoresSimulacion r;
    TMotorReducidas& motor = *c.Motor();
    motor.Calcular(c.Cabecera.TotalReducidos);
    TApuestas a;
    for (int k = 0; k < sorteos; ++k) {
        const TSorteo s = Simulacion::RealizarMatriz(g, reloj);
        for (std::uint32_t rango : c.BufferRangos) {
            std::uint8_t pos[6], numeros[6];
            motor.TomarCombinacion(rango, pos);
            for (int t = 0; t < 6; ++t)
                numeros[t] = c.Cabecera.ListaReducidos[pos[t] - 1u];
            MeterNumeros(a, numeros);
            PuntuarApuesta(a, s);
            switch (a.Aciertos) {
            case 3:
                ++r.Tres;
                break;
            case 4:
                ++r.Cuatro;
                break;
            case 5:
                a.ConComplementario ? ++r.CincoMasC : ++r.Cinco;
                break;
            case 6:
                ++r.Seis;
                break;
            default:
                ++r.Fallos;
                break;
            }
        }
    }
    return r;
}

// The straightforward document: each line through a string stream.
std::size_t DocumentoDirecto(TConjuntoApuestas& c)
{
    std::vector<std::string> lineas;
    TMotorReducidas& motor = *c.Motor();
    motor.Calcular(c.Cabecera.TotalReducidos);
    for (std::size_t i = 0; i < c.BufferRangos.size(); ++i) {
        std::uint8_t pos[6];
        motor.TomarCombinacion(c.BufferRangos[i], pos);
        std::ostringstream o;
        o << "Apuesta " << i + 1 << "= ";
        for (int t = 0; t < 6; ++t)
            o << (t ? "-" : "") << int(c.Cabecera.ListaReducidos[pos[t] - 1u]);
        o << Escrutinio::TextoPremio(c.AciertosReducida[i] & 0x7f, c.AciertosReducida[i] >= 128);
        lineas.push_back(o.str());
    }
    return lineas.size();
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path carpeta =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
                       "numbrela-bin";
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
    const double n = static_cast<double>(c.BufferRangos.size());
    std::printf("System: 49 numbers al CINCO, %zu bets\n", c.BufferRangos.size());

    auto reloj = [] {
        static std::uint32_t x = 1;
        return x = x * 69069u + 12345u;
    };
    constexpr int kSorteos = 1000;
    TContadoresSimulacion rapida;
    double pRapida = 0;
    const double tRapida = Mediana(
        5,
        [&] {
            TGeneradorAleatorio g(7);
            Simulacion::Simula(c, kSorteos, g, reloj, {}, rapida);
        },
        &pRapida);
    TContadoresSimulacion mascaras;
    double pMascaras = 0;
    const double tMascaras = Mediana(
        3,
        [&] {
            TGeneradorAleatorio g(7);
            mascaras = SimulaMascaras(c, kSorteos, g, reloj);
        },
        &pMascaras);
    constexpr int kSorteosDirecto = 10;
    TContadoresSimulacion directa;
    const double tDirecta = Mediana(3,
                                    [&] {
                                        TGeneradorAleatorio g(7);
                                        directa = SimulaDirecto(c, kSorteosDirecto, g, reloj);
                                    }) *
                            (kSorteos / kSorteosDirecto);
    std::printf("Simulation of %d draws (planes of bits, the program's): %.3f s CPU (wall %.3f s), "
                "%.0f M bet evaluations/s\n",
                kSorteos, tRapida, pRapida, n * kSorteos / tRapida / 1e6);
    std::printf(
        "One 64-bit set per bet, popcount per bet and draw: %.3f s CPU (wall %.3f s), %.0f M/s\n",
        tMascaras, pMascaras, n * kSorteos / tMascaras / 1e6);
    std::printf("Straightforward (unrank every bet every draw), scaled from %d draws: %.3f s CPU, "
                "%.2f M/s\n",
                kSorteosDirecto, tDirecta, n * kSorteos / tDirecta / 1e6);
    std::printf("Ratios: straightforward / program %.0fx, per-bet sets / program %.1fx\n",
                tDirecta / tRapida, tMascaras / tRapida);

    // Both methods agree on the same draws.
    TGeneradorAleatorio g1(11), g2(11);
    auto r1 = [x = 5u]() mutable { return x = x * 69069u + 1u; };
    auto r2 = r1;
    auto r3 = r1;
    TGeneradorAleatorio g3(11);
    TContadoresSimulacion a;
    Simulacion::Simula(c, 10, g1, r1, {}, a);
    const TContadoresSimulacion b = SimulaDirecto(c, 10, g2, r2);
    const TContadoresSimulacion m3 = SimulaMascaras(c, 10, g3, r3);
    std::printf("Check over 10 draws: %s\n",
                a == b && a == m3 ? "same counters" : "COUNTERS DIFFER");

    TSorteo s{{1, 3, 7, 12, 30, 45}, 9};
    Escrutinio::Escruta(c, s, error);
    std::size_t lineas = 0;
    double pDoc = 0;
    const double tEscrutinio = Mediana(5, [&] { Escrutinio::Escruta(c, s, error); });
    const double tDoc = Mediana(
        5, [&] { lineas = DocumentoListado::Construye(c, ClaseDocumento::Reducida).size(); },
        &pDoc);
    const double tDocDirecto = Mediana(3, [&] { DocumentoDirecto(c); });
    std::printf("Scrutiny of one draw: %.4f s CPU\n", tEscrutinio);
    std::printf("Document: %zu lines in %.3f s CPU (wall %.3f s); through string streams: %.3f s "
                "CPU; ratio %.1fx\n",
                lineas, tDoc, pDoc, tDocDirecto, tDocDirecto / tDoc);
    return a == b && a == m3 ? 0 : 1;
}
