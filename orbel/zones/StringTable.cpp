#include "zones/StringTable.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace orbel {
namespace {

// Sorted by number; one text a line.
constexpr std::pair<unsigned, std::string_view> kStrings[] = {
    {1023, "Local\nCity"},
    {1030, "OrbelTZI.dat"},
    {1031, "1st\n2nd\n3rd\n4th\nLast"},
    {1032,
     "Ignore (use system records)\nMerge (correct system records)\nReplace (use Orbel records)"},
    {1033, "%1 record(s) found in %2"},
    {1034, "None"},
    {1040, "Same as Windows"},
    {1041, "%s %s of %s at %s"},
};

} // namespace

std::string_view LoadString(unsigned id)
{
    const auto* it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                      [](const auto& e, unsigned v) { return e.first < v; });
    return it != std::end(kStrings) && it->first == id ? it->second : std::string_view{};
}

std::string StringItem(unsigned id, std::size_t index)
{
    std::string_view text = LoadString(id);
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
