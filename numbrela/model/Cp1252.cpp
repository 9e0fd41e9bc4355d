#include "model/Cp1252.h"

#include <array>
#include <cstdint>

namespace numbrela {
namespace {

// Code points of bytes 0x80..0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char32_t, 32> kAlto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodigoDeByte(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return kAlto[b - 0x80];
    return b;
}

void AnadeUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int ByteDeCodigo(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kAlto.size(); ++i)
        if (kAlto[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Length of the UTF-8 sequence that starts with `b`, or 0 when `b` cannot start one.
std::size_t LongitudSecuencia(unsigned char b)
{
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if ((b & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// Decodes one sequence at `i`; returns the code point or -1 when malformed, and the
// number of bytes consumed (at least 1).
long Decodifica(std::string_view s, std::size_t i, std::size_t& usados)
{
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = LongitudSecuencia(b);
    usados = 1;
    if (n == 0 || i + n > s.size())
        return -1;
    if (n == 1)
        return b;
    long c = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto cb = static_cast<unsigned char>(s[i + k]);
        if ((cb & 0xC0) != 0x80)
            return -1;
        c = (c << 6) | (cb & 0x3F);
    }
    usados = n;
    return c;
}

} // namespace

std::string Cp1252AUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes)
        AnadeUtf8(out, CodigoDeByte(static_cast<unsigned char>(ch)));
    return out;
}

std::string Utf8ACp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t usados = 1;
        const long c = Decodifica(utf8, i, usados);
        const int b = c < 0 ? -1 : ByteDeCodigo(static_cast<char32_t>(c));
        out += b < 0 ? '?' : static_cast<char>(b);
        i += usados;
    }
    return out;
}

std::string CortaUtf8(std::string_view utf8, std::size_t caracteres)
{
    std::size_t i = 0;
    for (std::size_t n = 0; n < caracteres && i < utf8.size(); ++n) {
        std::size_t usados = 1;
        Decodifica(utf8, i, usados);
        i += usados;
    }
    return std::string(utf8.substr(0, i));
}

std::size_t LongitudUtf8(std::string_view utf8)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n) {
        std::size_t usados = 1;
        Decodifica(utf8, i, usados);
        i += usados;
    }
    return n;
}

} // namespace numbrela
