// The help's pages as delivered (every link leads to a page, every page can be reached from
// the contents) and the rules of its index and search, on pages made up here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "ayuda/IndiceAyuda.h"

namespace numbrela {
namespace {

TIndiceAyuda PaginasDelPrograma()
{
    const std::filesystem::path carpeta = TEST_AYUDA_DIR;
    TIndiceAyuda indice;
    for (const auto& e : std::filesystem::directory_iterator(carpeta))
        if (e.path().extension() == ".html") {
            std::ifstream f(e.path(), std::ios::binary);
            indice.Anade(e.path().filename().string(),
                         std::string(std::istreambuf_iterator<char>(f), {}));
        }
    return indice;
}

std::vector<std::string> Nombres(const std::vector<TResultadoAyuda>& r)
{
    std::vector<std::string> v;
    for (const auto& x : r)
        v.push_back(x.Pagina);
    return v;
}

TEST(PaginasAyuda, EveryLinkLeadsToAPageAndEveryPageIsReachedFromTheContents)
{
    const TIndiceAyuda indice = PaginasDelPrograma();
    const auto paginas = indice.Paginas();
    ASSERT_GE(paginas.size(), 15u);
    EXPECT_EQ(paginas.front()->Nombre, kPaginaContenido);
    std::set<std::string> alcanzadas{kPaginaContenido};
    std::vector<std::string> pendientes{kPaginaContenido};
    while (!pendientes.empty()) {
        const TPaginaAyuda* p = indice.Pagina(pendientes.back());
        pendientes.pop_back();
        for (const std::string& enlace : p->Enlaces) {
            EXPECT_NE(indice.Pagina(enlace), nullptr) << p->Nombre << " links " << enlace;
            if (indice.Pagina(enlace) != nullptr && alcanzadas.insert(enlace).second)
                pendientes.push_back(enlace);
        }
    }
    for (const TPaginaAyuda* p : paginas) {
        EXPECT_TRUE(alcanzadas.count(p->Nombre)) << p->Nombre << " is on no page's link";
        EXPECT_NE(p->Titulo, p->Nombre) << p->Nombre << " has no title";
        EXPECT_EQ(p->Texto.find('<'), std::string::npos) << p->Nombre;
    }
}

TEST(IndiceAyuda, ReadsTitlesWordsAndLinksOfAPage)
{
    TIndiceAyuda indice;
    indice.Anade("a.html", "<html><head><title> Uno &amp; dos </title><style>p{x}</style></head>"
                           "<body><h1>Cabe</h1><p>x&nbsp;y &#241;&#xF1; <b>neg</b>rita</p>"
                           "<a href=\"b.html#parte\">b</a> <a href='http://x.es'>web</a> "
                           "<A HREF=\"c.html\">c</A> &bogus; 5 &lt; 6<p>sin cerrar");
    const TPaginaAyuda* p = indice.Pagina("a.html");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Titulo, "Uno & dos");
    EXPECT_EQ(p->Texto, "Cabe x y ññ negrita b web c &bogus; 5 < 6 sin cerrar");
    EXPECT_EQ(p->Enlaces, (std::vector<std::string>{"b.html", "c.html"}));
    // A page without a title is named by its file; a tag that never ends ends the text.
    indice.Anade("d.html", "<p>texto <a href=\"a.html\"");
    EXPECT_EQ(indice.Pagina("d.html")->Titulo, "d.html");
    EXPECT_EQ(indice.Pagina("d.html")->Texto, "texto");
}

TEST(IndiceAyuda, OrderIsTheContentsThenItsLinksThenTheRestByName)
{
    TIndiceAyuda indice;
    indice.Anade("z.html", "<title>Z</title>");
    indice.Anade("b.html", "<title>B</title>");
    indice.Anade("y.html", "<title>Y</title>");
    indice.Anade("a.html", "<title>A</title>");
    indice.Anade(kPaginaContenido,
                 "<a href=\"y.html\">y</a><a href=\"missing.html\">?</a><a href=\"b.html\">b</a>"
                 "<a href=\"y.html\">y again</a>");
    std::vector<std::string> orden;
    for (const TPaginaAyuda* p : indice.Paginas())
        orden.push_back(p->Nombre);
    EXPECT_EQ(orden,
              (std::vector<std::string>{kPaginaContenido, "y.html", "b.html", "a.html", "z.html"}));
}

TEST(IndiceAyuda, SearchFoldsCaseAndAccentsNeedsEveryWordAndRanksByMatches)
{
    TIndiceAyuda indice;
    indice.Anade(kPaginaContenido, "<title>Contenido</title><a href=\"r.html\">r</a>");
    indice.Anade("r.html", "<title>Reducidas</title><p>La GARANTÍA de un sistema: garantía al "
                           "CUATRO.</p>");
    indice.Anade("m.html", "<title>Múltiples</title><p>Sin garantia; Año y niño.</p>");
    const std::pair<const char*, std::vector<std::string>> casos[] = {
        {"garantia", {"r.html", "m.html"}}, // two matches before one
        {"GARANTÍA cuatro", {"r.html"}},    // every word
        {"garantía, AÑO", {"m.html"}},      // punctuation parts words
        {"MULTIPLES", {"m.html"}},          // the title counts
        {"nino", {"m.html"}},
        {"garantía ninguna", {}},
        {"", {}},
        {" ,.; ", {}},
    };
    for (const auto& [consulta, paginas] : casos)
        EXPECT_EQ(Nombres(indice.Busca(consulta)), paginas) << consulta;
    EXPECT_EQ(indice.Busca("garantia").front().Veces, 2);
}

TEST(IndiceAyuda, ExcerptShowsTheWordsAroundTheFirstMatchOnWholeCharacters)
{
    TIndiceAyuda indice;
    std::string relleno;
    for (int i = 0; i < 40; ++i)
        relleno += "pañuelo ";
    indice.Anade("p.html", "<title>P</title><p>" + relleno + "La garantía al cinco " + relleno);
    const auto r = indice.Busca("GARANTIA");
    ASSERT_EQ(r.size(), 1u);
    const std::string& e = r.front().Extracto;
    EXPECT_NE(e.find("La garantía al cinco"), std::string::npos) << e;
    EXPECT_LT(e.size(), 200u);
    // Both ends cut at a space: no broken "ñ", no broken word.
    EXPECT_EQ(e.rfind("…pañuelo ", 0), 0u) << e;
    EXPECT_EQ(e.substr(e.size() - std::string("pañuelo…").size()), "pañuelo…") << e;
}

} // namespace
} // namespace numbrela
