#include "ayuda/IndiceAyuda.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace numbrela {
namespace {

bool EsContinuacion(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The letter without its accent of the Latin-1 letter U+00C0..U+00FF, in lower case, or 0
// for the signs of that block that are no letters.
char LetraBase(unsigned char segundo)
{
    // Second bytes 0x80..0xBF after 0xC3 are U+00C0..U+00FF.
    static const char kBase[] = "aaaaaaaceeeeiiii"  // À..Ï
                                "dnooooo\0ouuuuyts" // Ð..ß (× is no letter)
                                "aaaaaaaceeeeiiii"  // à..ï
                                "dnooooo\0ouuuuyty";
    return kBase[segundo - 0x80];
}

void Pliega(const std::string& texto, std::string& plegado, std::vector<std::size_t>* origen)
{
    plegado.clear();
    plegado.reserve(texto.size());
    auto pon = [&](char c, std::size_t i) {
        plegado.push_back(c);
        if (origen)
            origen->push_back(i);
    };
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        if (c == 0xC3 && i + 1 < texto.size() && EsContinuacion(texto[i + 1])) {
            const char base = LetraBase(static_cast<unsigned char>(texto[i + 1]));
            if (base != 0) {
                pon(base, i);
                ++i;
                continue;
            }
        }
        pon(static_cast<char>(c < 0x80 ? std::tolower(c) : c), i);
    }
}

void AnadeUtf8(std::string& s, std::uint32_t cp)
{
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The entity starting at `html[i]` ('&'), appended to `s`; returns the index after it.
std::size_t Entidad(const std::string& html, std::size_t i, std::string& s)
{
    const std::size_t fin = html.find(';', i);
    if (fin == std::string::npos || fin - i > 10) {
        s += '&';
        return i + 1;
    }
    const std::string nombre = html.substr(i + 1, fin - i - 1);
    if (nombre == "amp")
        s += '&';
    else if (nombre == "lt")
        s += '<';
    else if (nombre == "gt")
        s += '>';
    else if (nombre == "quot")
        s += '"';
    else if (nombre == "nbsp")
        s += ' ';
    else if (nombre.size() > 1 && nombre[0] == '#') {
        const bool hex = nombre[1] == 'x' || nombre[1] == 'X';
        const std::string cifras = nombre.substr(hex ? 2 : 1);
        std::uint32_t cp = 0;
        for (char c : cifras) {
            const int v = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : hex && std::isxdigit(static_cast<unsigned char>(c))
                              ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                              : -1;
            if (v < 0 || cp > 0x10FFFF) {
                cp = 0;
                break;
            }
            cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
        }
        AnadeUtf8(s, cp);
    } else {
        s += '&';
        return i + 1;
    }
    return fin + 1;
}

std::string Minusculas(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The value of attribute `nombre` inside the tag text `etiqueta` ("a href=..."), or empty.
std::string Atributo(const std::string& etiqueta, const std::string& nombre)
{
    const std::string bajo = Minusculas(etiqueta);
    std::size_t p = 0;
    while ((p = bajo.find(nombre, p)) != std::string::npos) {
        const bool inicio = p > 0 && std::isspace(static_cast<unsigned char>(bajo[p - 1]));
        std::size_t q = p + nombre.size();
        while (q < bajo.size() && bajo[q] == ' ')
            ++q;
        if (inicio && q < bajo.size() && bajo[q] == '=') {
            ++q;
            while (q < bajo.size() && bajo[q] == ' ')
                ++q;
            if (q < bajo.size() && (bajo[q] == '"' || bajo[q] == '\'')) {
                const std::size_t fin = bajo.find(bajo[q], q + 1);
                if (fin != std::string::npos)
                    return etiqueta.substr(q + 1, fin - q - 1);
            }
            return {};
        }
        p = q;
    }
    return {};
}

// Reads a page: its title, its visible words and its links.
TPaginaAyuda Lee(const std::string& nombre, const std::string& html)
{
    TPaginaAyuda p;
    p.Nombre = nombre;
    std::string* destino = &p.Texto;
    std::string omitido; // words of <title>, <style> and <script>
    std::string cierre;  // the tag that ends what is being left out of the text
    auto espacio = [](std::string& s) {
        if (!s.empty() && s.back() != ' ')
            s += ' ';
    };
    for (std::size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t fin = html.find('>', i);
            if (fin == std::string::npos)
                break; // a tag that never ends: the rest is no text
            const std::string etiqueta = html.substr(i + 1, fin - i - 1);
            std::string nombreEtiqueta;
            for (char e : etiqueta) {
                if (std::isspace(static_cast<unsigned char>(e)) || e == '>')
                    break;
                nombreEtiqueta += static_cast<char>(std::tolower(static_cast<unsigned char>(e)));
            }
            if (!cierre.empty()) {
                if (nombreEtiqueta == cierre) {
                    if (cierre == "/title")
                        p.Titulo = omitido;
                    omitido.clear();
                    cierre.clear();
                    destino = &p.Texto;
                }
            } else if (nombreEtiqueta == "title" || nombreEtiqueta == "style" ||
                       nombreEtiqueta == "script") {
                cierre = "/" + nombreEtiqueta;
                destino = &omitido;
            } else if (nombreEtiqueta == "a") {
                std::string destinoEnlace = Atributo(etiqueta, "href");
                destinoEnlace = destinoEnlace.substr(0, destinoEnlace.find('#'));
                if (!destinoEnlace.empty() && destinoEnlace.find(':') == std::string::npos)
                    p.Enlaces.push_back(destinoEnlace);
            } else if (nombreEtiqueta != "b" && nombreEtiqueta != "/b" && nombreEtiqueta != "i" &&
                       nombreEtiqueta != "/i" && nombreEtiqueta != "em" &&
                       nombreEtiqueta != "/em" && nombreEtiqueta != "a" && nombreEtiqueta != "/a" &&
                       nombreEtiqueta != "code" && nombreEtiqueta != "/code" &&
                       nombreEtiqueta != "strong" && nombreEtiqueta != "/strong") {
                espacio(*destino); // block tags part words
            }
            i = fin + 1;
        } else if (c == '&') {
            i = Entidad(html, i, *destino);
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            espacio(*destino);
            ++i;
        } else {
            *destino += c;
            ++i;
        }
    }
    while (!p.Texto.empty() && p.Texto.back() == ' ')
        p.Texto.pop_back();
    if (!p.Texto.empty() && p.Texto.front() == ' ')
        p.Texto.erase(0, 1);
    while (!p.Titulo.empty() && p.Titulo.back() == ' ')
        p.Titulo.pop_back();
    if (!p.Titulo.empty() && p.Titulo.front() == ' ')
        p.Titulo.erase(0, 1);
    if (p.Titulo.empty())
        p.Titulo = nombre;
    return p;
}

bool EsLetra(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalnum(u);
}

std::vector<std::string> Palabras(const std::string& consulta)
{
    std::vector<std::string> palabras;
    std::string actual;
    for (char c : PliegaTexto(consulta)) {
        if (EsLetra(c)) {
            actual += c;
        } else if (!actual.empty()) {
            palabras.push_back(actual);
            actual.clear();
        }
    }
    if (!actual.empty())
        palabras.push_back(actual);
    return palabras;
}

// Where `palabra` starts a word of `texto` from `desde` on ("al" in "al cuatro" and in
// "alto", not in "tal"), or npos.
std::size_t BuscaPalabra(const std::string& texto, const std::string& palabra, std::size_t desde)
{
    for (std::size_t p = texto.find(palabra, desde); p != std::string::npos;
         p = texto.find(palabra, p + 1))
        if (p == 0 || !EsLetra(texto[p - 1]) || !EsLetra(palabra.front()))
            return p;
    return std::string::npos;
}

int Cuenta(const std::string& texto, const std::string& palabra)
{
    int n = 0;
    for (std::size_t p = BuscaPalabra(texto, palabra, 0); p != std::string::npos;
         p = BuscaPalabra(texto, palabra, p + palabra.size()))
        ++n;
    return n;
}

// About `radio` bytes of `texto` either side of byte `centro`, cut at spaces.
std::string Extracto(const std::string& texto, std::size_t centro, std::size_t radio)
{
    std::size_t ini = centro > radio ? centro - radio : 0;
    std::size_t fin = std::min(texto.size(), centro + radio);
    if (ini > 0) {
        const std::size_t sp = texto.find(' ', ini);
        ini = sp != std::string::npos && sp < centro ? sp + 1 : ini;
        while (ini < texto.size() && EsContinuacion(static_cast<unsigned char>(texto[ini])))
            ++ini;
    }
    if (fin < texto.size()) {
        const std::size_t sp = texto.rfind(' ', fin);
        fin = sp != std::string::npos && sp > centro ? sp : fin;
        while (fin < texto.size() && EsContinuacion(static_cast<unsigned char>(texto[fin])))
            ++fin;
    }
    std::string s = texto.substr(ini, fin - ini);
    if (ini > 0)
        s = "…" + s;
    if (fin < texto.size())
        s += "…";
    return s;
}

} // namespace

std::string PliegaTexto(const std::string& texto)
{
    std::string s;
    Pliega(texto, s, nullptr);
    return s;
}

std::string EscapaHtml(const std::string& texto)
{
    std::string s;
    s.reserve(texto.size());
    for (char c : texto) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        default:
            s += c;
        }
    }
    return s;
}

void TIndiceAyuda::Anade(const std::string& nombre, const std::string& html)
{
    TEntrada e;
    e.Pagina = Lee(nombre, html);
    Pliega(e.Pagina.Titulo + " " + e.Pagina.Texto, e.Plegado, &e.Origen);
    // Origins count from the title; keep them pointing into Texto where they can.
    const std::size_t desplazamiento = e.Pagina.Titulo.size() + 1;
    for (std::size_t& o : e.Origen)
        o = o >= desplazamiento ? o - desplazamiento : 0;
    const auto it = std::find_if(entradas_.begin(), entradas_.end(),
                                 [&](const TEntrada& x) { return x.Pagina.Nombre == nombre; });
    if (it != entradas_.end())
        *it = std::move(e);
    else
        entradas_.push_back(std::move(e));
}

const TPaginaAyuda* TIndiceAyuda::Pagina(const std::string& nombre) const
{
    for (const TEntrada& e : entradas_)
        if (e.Pagina.Nombre == nombre)
            return &e.Pagina;
    return nullptr;
}

std::vector<const TPaginaAyuda*> TIndiceAyuda::Paginas() const
{
    std::vector<const TPaginaAyuda*> orden;
    auto pon = [&orden](const TPaginaAyuda* p) {
        if (p != nullptr && std::find(orden.begin(), orden.end(), p) == orden.end())
            orden.push_back(p);
    };
    if (const TPaginaAyuda* contenido = Pagina(kPaginaContenido)) {
        pon(contenido);
        for (const std::string& enlace : contenido->Enlaces)
            pon(Pagina(enlace));
    }
    std::vector<const TPaginaAyuda*> resto;
    for (const TEntrada& e : entradas_)
        resto.push_back(&e.Pagina);
    std::sort(resto.begin(), resto.end(),
              [](const TPaginaAyuda* a, const TPaginaAyuda* b) { return a->Nombre < b->Nombre; });
    for (const TPaginaAyuda* p : resto)
        pon(p);
    return orden;
}

std::vector<TResultadoAyuda> TIndiceAyuda::Busca(const std::string& consulta) const
{
    const std::vector<std::string> palabras = Palabras(consulta);
    std::vector<TResultadoAyuda> hallados;
    if (palabras.empty())
        return hallados;
    // Matches per page and word, and on how many pages each word is.
    const std::vector<const TPaginaAyuda*> orden = Paginas();
    std::vector<std::vector<int>> veces(orden.size(), std::vector<int>(palabras.size(), 0));
    std::vector<int> paginasCon(palabras.size(), 0);
    std::vector<const TEntrada*> entradas;
    for (std::size_t i = 0; i < orden.size(); ++i) {
        const auto it = std::find_if(entradas_.begin(), entradas_.end(),
                                     [&](const TEntrada& e) { return &e.Pagina == orden[i]; });
        entradas.push_back(&*it);
        for (std::size_t w = 0; w < palabras.size(); ++w) {
            veces[i][w] = Cuenta(it->Plegado, palabras[w]);
            paginasCon[w] += veces[i][w] > 0 ? 1 : 0;
        }
    }
    // A page holding every word ranks by its matches, a word on few pages weighing more
    // than one on many, and a word of its title most.
    std::vector<std::pair<double, TResultadoAyuda>> puntuados;
    for (std::size_t i = 0; i < orden.size(); ++i) {
        const TEntrada& e = *entradas[i];
        double puntos = 0;
        int total = 0;
        bool todas = true;
        const std::string titulo = PliegaTexto(e.Pagina.Titulo);
        for (std::size_t w = 0; w < palabras.size(); ++w) {
            todas = todas && veces[i][w] > 0;
            total += veces[i][w];
            puntos += static_cast<double>(veces[i][w]) / paginasCon[w];
            if (BuscaPalabra(titulo, palabras[w], 0) != std::string::npos)
                puntos += 5.0;
        }
        if (!todas)
            continue;
        const std::size_t primera = BuscaPalabra(e.Plegado, palabras.front(), 0);
        puntuados.push_back({puntos,
                             {e.Pagina.Nombre, e.Pagina.Titulo,
                              Extracto(e.Pagina.Texto, e.Origen[primera], 80), total}});
    }
    std::stable_sort(puntuados.begin(), puntuados.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (auto& [puntos, r] : puntuados)
        hallados.push_back(std::move(r));
    return hallados;
}

std::string TIndiceAyuda::HtmlBusqueda(const std::string& consulta, const std::string& base) const
{
    const std::string q = EscapaHtml(consulta);
    std::string html = "<html><head><title>Búsqueda</title></head><body>\n";
    const std::vector<TResultadoAyuda> hallados = Busca(consulta);
    if (Palabras(consulta).empty()) {
        html += "<h1>Búsqueda</h1>\n<p>No se ha encontrado nada que buscar: escriba una o más "
                "palabras en el campo de búsqueda.</p>\n";
    } else if (hallados.empty()) {
        html += "<h1>Búsqueda: «" + q + "»</h1>\n<p>No se ha encontrado «" + q +
                "» en ninguna página de la ayuda.</p>\n";
    } else {
        html += "<h1>Búsqueda: «" + q + "»</h1>\n<p>Se ha encontrado en " +
                std::to_string(hallados.size()) +
                (hallados.size() == 1 ? " página:" : " páginas:") + "</p>\n<ul>\n";
        for (const TResultadoAyuda& r : hallados)
            html += "<li><a href=\"" + EscapaHtml(base + r.Pagina) + "\">" + EscapaHtml(r.Titulo) +
                    "</a><br>" + EscapaHtml(r.Extracto) + "</li>\n";
        html += "</ul>\n";
    }
    html += "<p><a href=\"" + EscapaHtml(base + kPaginaContenido) +
            "\">Volver al contenido</a></p>\n</body></html>\n";
    return html;
}

} // namespace numbrela
