#pragma once
// The planner's help as a set of pages: their order (the contents page first, then the
// pages in the order the contents page links them), their titles, the links between them,
// and the search over their words. Pages are HTML texts in UTF-8; the help window only
// shows what this class gives it.
#include <string>
#include <vector>

namespace numbrela {

// The page the help opens at.
inline constexpr const char* kPaginaContenido = "indice.html";

struct TPaginaAyuda {
    std::string Nombre; // file name, as the links name it: "reducidas.html"
    std::string Titulo; // its <title>, or its file name without one
    std::string Texto;  // the words a reader sees: no tags, entities decoded, spaces joined
    std::vector<std::string> Enlaces; // targets of its links, without their #fragment
};

struct TResultadoAyuda {
    std::string Pagina; // file name
    std::string Titulo;
    std::string Extracto; // the words around the first match, as plain text
    int Veces = 0;        // matches of the search's words on the page
};

class TIndiceAyuda {
public:
    // Adds or replaces a page.
    void Anade(const std::string& nombre, const std::string& html);

    // The pages in reading order: the contents page, the pages it links in their order,
    // then any other page by name.
    std::vector<const TPaginaAyuda*> Paginas() const;
    const TPaginaAyuda* Pagina(const std::string& nombre) const;

    // Pages holding every word of `consulta` at the start of one of their words, ignoring
    // case and accents; the most matches first, a word found on few pages or in the title
    // weighing more (reading order among equals). Empty for a query of no words.
    std::vector<TResultadoAyuda> Busca(const std::string& consulta) const;

    // The page the help window shows for a search: a list of the pages found, each linked
    // as `base` + its name, or the "no se ha encontrado" answer. The query is shown
    // escaped, so whatever is typed stays text.
    std::string HtmlBusqueda(const std::string& consulta, const std::string& base) const;

private:
    struct TEntrada {
        TPaginaAyuda Pagina;
        std::string Plegado;             // Texto in lower case without accents, for the search
        std::vector<std::size_t> Origen; // for each byte of Plegado, its byte in Texto
    };
    std::vector<TEntrada> entradas_;
};

// Lower case without accents (á→a, Ñ→n, ü→u ...), so "GARANTÍA" finds "garantia".
std::string PliegaTexto(const std::string& texto);
// Escapes &, <, > and " for HTML.
std::string EscapaHtml(const std::string& texto);

} // namespace numbrela
