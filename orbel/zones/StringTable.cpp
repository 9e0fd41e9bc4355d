#include "zones/StringTable.h"
#include "zones/Translation.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace orbel {
namespace {

// Sorted by number; one text a line. The file name is the only text that is never
// translated.
constexpr std::pair<unsigned, std::string_view> kStrings[] = {
    {1023, ORBEL_TEXT("StringTable", "Local\nCity")},
    {1030, "OrbelTZI.dat"},
    {1031, ORBEL_TEXT("StringTable", "1st\n2nd\n3rd\n4th\nLast")},
    {1032, ORBEL_TEXT("StringTable", "Ignore (use system records)\nMerge (correct system "
                                     "records)\nReplace (use Orbel records)")},
    {1033, ORBEL_TEXT("StringTable", "%1 record(s) found in %2")},
    {1034, ORBEL_TEXT("StringTable", "None")},
    {1040, ORBEL_TEXT("StringTable", "Same as Windows")},
    {1041, ORBEL_TEXT("StringTable", "%s %s of %s at %s")},
};

} // namespace

std::string LoadString(unsigned id)
{
    const auto* it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                      [](const auto& e, unsigned v) { return e.first < v; });
    if (it == std::end(kStrings) || it->first != id)
        return {};
    return Tr("StringTable", std::string(it->second).c_str());
}

std::string StringItem(unsigned id, std::size_t index)
{
    const std::string all = LoadString(id);
    std::string_view text = all;
    for (std::size_t i = 0;; ++i) {
        const std::size_t nl = text.find('\n');
        if (i == index)
            return std::string(text.substr(0, nl));
        if (nl == std::string_view::npos)
            return {};
        text.remove_prefix(nl + 1);
    }
}

std::string FormatMessage(std::string_view format, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char c = format[i + 1];
            if (c >= '1' && c <= '9') {
                const std::size_t n = static_cast<std::size_t>(c - '1');
                if (n < args.size())
                    out += args[n];
                ++i;
                continue;
            }
            if (c == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

} // namespace orbel
