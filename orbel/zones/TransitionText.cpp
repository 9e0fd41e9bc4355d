#include "zones/TransitionText.h"

#include <vector>

#include "zones/StringTable.h"
#include "zones/ZoneTime.h"

namespace orbel {
namespace {

// printf's "%s" filled in order (the only code of the format text).
std::string FillStrings(std::string_view format, const std::vector<std::string>& args)
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            if (next < args.size())
                out += args[next++];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

} // namespace

std::string DescribeTransition(const CRegTimeZone* zone, TransitionKind which, int currentLocalYear,
                               const LocaleTexts& locale)
{
    if (!zone || !zone->HasDaylightSaving())
        return std::string(LoadString(1034));
    const TimeZoneInformation& info = zone->info;
    const SystemTime& rule =
        which == TransitionKind::DaylightStart ? info.DaylightDate : info.StandardDate;
    if (info.StandardDate.wYear != 0 || info.DaylightDate.wYear != 0)
        return FormatDateTime(FromSystemTime(rule), "%#c", locale);
    const DateTime t = TransitionForYear(rule, currentLocalYear);
    return FillStrings(LoadString(1041),
                       {StringItem(1031, static_cast<std::size_t>(rule.wDay) - 1),
                        FormatDateTime(t, "%A", locale), FormatDateTime(t, "%B", locale),
                        FormatDateTime(t, "%X", locale)});
}

} // namespace orbel
