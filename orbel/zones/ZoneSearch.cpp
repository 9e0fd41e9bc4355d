#include "zones/ZoneSearch.h"

#include <algorithm>
#include <array>

namespace orbel {
namespace {

// Base letters of U+00C0 .. U+00FF, lower case; 0 where the character is no letter to fold
// (the multiplication and division signs).
constexpr char kLatin1Folds[] = "aaaaaaaceeeeiiii"   // C0..CF
                                "dnooooo\0ouuuuyts"  // D0..DF (D7 x, DE thorn, DF ss)
                                "aaaaaaaceeeeiiii"   // E0..EF
                                "dnooooo\0ouuuuyty"; // F0..FF

// Latin Extended-A (U+0100 .. U+017F): pairs of upper and lower case of one base letter.
char FoldExtendedA(unsigned code)
{
    static constexpr std::string_view kBases = "aaaaaaccccccccdddd" // 100..111
                                               "eeeeeeeeeegggggggg" // 112..123
                                               "hhhhiiiiiiiiiiiijj" // 124..135
                                               "kkkllllllllllnnnnn" // 136..147
                                               "nnnnoooooooorrrrrr" // 148..159
                                               "ssssssssttttttuuuu" // 15A..16B
                                               "uuuuuuuuwwyyyzzzzz" // 16C..17D
                                               "zs";                // 17E..17F
    const unsigned i = code - 0x100;
    return i < kBases.size() ? kBases[i] : 0;
}

} // namespace

std::string FoldForSearch(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += c == '_' ? ' ' : static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
            continue;
        }
        // Two-byte sequences of U+0080 .. U+07FF: the Latin letters with accents.
        if ((c & 0xE0) == 0xC0 && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const unsigned code =
                ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            char base = 0;
            if (code >= 0xC0 && code <= 0xFF)
                base = kLatin1Folds[code - 0xC0];
            else if (code >= 0x100 && code <= 0x17F)
                base = FoldExtendedA(code);
            if (base != 0) {
                out += base;
                ++i;
                continue;
            }
        }
        out += static_cast<char>(c);
    }
    return out;
}

ZoneQuery::ZoneQuery(std::string_view typed)
{
    const std::string folded = FoldForSearch(typed);
    std::size_t at = 0;
    while (at < folded.size()) {
        const std::size_t start = folded.find_first_not_of(" \t", at);
        if (start == std::string::npos)
            break;
        const std::size_t end = std::min(folded.find_first_of(" \t", start), folded.size());
        words_.push_back(folded.substr(start, end - start));
        at = end;
    }
}

bool ZoneQuery::Matches(std::string_view folded) const
{
    return std::all_of(words_.begin(), words_.end(), [&](const std::string& w) {
        return folded.find(w) != std::string_view::npos;
    });
}

std::string ZoneSearchText(const CRegTimeZone& zone, std::string_view country)
{
    std::string text = zone.keyName;
    text += '\n';
    text += zone.displayName;
    text += '\n';
    text += country;
    return FoldForSearch(text);
}

std::vector<std::size_t> MatchingItems(const std::vector<std::string>& foldedItems,
                                       const ZoneQuery& query)
{
    std::vector<std::size_t> out;
    out.reserve(foldedItems.size());
    for (std::size_t i = 0; i < foldedItems.size(); ++i)
        if (query.Matches(foldedItems[i]))
            out.push_back(i);
    return out;
}

} // namespace orbel
