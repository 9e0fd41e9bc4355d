#include "zones/CodePage.h"

#include <cstdint>

namespace orbel {
namespace {

// 0x80..0x9F of Windows-1252; 0 where the code page leaves the byte undefined.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t FromByte(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return kHigh[b - 0x80] ? kHigh[b - 0x80] : b; // undefined bytes map to C1 controls
    return b;
}

char ToByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c || (kHigh[i] == 0 && c == static_cast<char32_t>(0x80 + i)))
            return static_cast<char>(0x80 + i);
    return '?';
}

void AppendUtf8(std::string& out, char32_t c)
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

} // namespace

std::string Utf8ToCp1252(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80             ? 0
                    : (b & 0xE0) == 0xC0 ? 1
                    : (b & 0xF0) == 0xE0 ? 2
                    : (b & 0xF8) == 0xF0 ? 3
                                         : -1;
        if (extra < 0 || i + extra >= s.size() + (extra == 0)) {
            out += '?'; // a stray or cut-off byte
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto n = static_cast<unsigned char>(s[i + k]);
            if ((n & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (n & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        out += ToByte(c);
        i += extra + 1;
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        AppendUtf8(out, FromByte(static_cast<unsigned char>(b)));
    return out;
}

namespace {

// One character of strict UTF-8 at s[i]: its length in bytes, or 0 when the bytes there are
// no character (stray or cut-off bytes, overlong forms, surrogates, beyond U+10FFFF).
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& c)
{
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80             ? 1
                          : (b & 0xE0) == 0xC0 ? 2
                          : (b & 0xF0) == 0xE0 ? 3
                          : (b & 0xF8) == 0xF0 ? 4
                                               : 0;
    if (n == 0 || n > s.size() - i)
        return 0;
    c = n == 1 ? b : b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto next = static_cast<unsigned char>(s[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[n] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return 0;
    return n;
}

} // namespace

std::optional<std::u16string> WideFormOf(std::string_view utf8)
{
    std::u16string units;
    bool needed = false;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t n = DecodeUtf8(utf8, i, c);
        if (n == 0)
            return std::nullopt;
        i += n;
        needed = needed || (ToByte(c) == '?' && c != U'?');
        if (c >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(c);
        }
    }
    if (!needed)
        return std::nullopt;
    return units;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view units)
{
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xDC00 && c < 0xE000)
            return std::nullopt; // a second half with no first
        if (c >= 0xD800 && c < 0xDC00) {
            if (i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] >= 0xE000)
                return std::nullopt; // a first half with no second
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(out, c);
    }
    return out;
}

} // namespace orbel
