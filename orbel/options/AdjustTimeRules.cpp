#include "options/AdjustTimeRules.h"

#include "sync/ServerSetting.h"
#include "zones/StringTable.h"
#include "zones/Translation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orbel {
namespace {

// A list of choices is one text with its items separated by line feeds.
std::string Item(std::string_view list, int index)
{
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t nl = list.find('\n', start);
        if (nl == std::string_view::npos)
            return {};
        start = nl + 1;
    }
    return std::string(list.substr(start, list.find('\n', start) - start));
}

// The last words of a difference: the computer's clock is right, behind or ahead.
std::string DifferenceWord(int word)
{
    return Item(Tr("AdjustTime", "OK\nbehind\nahead"), word);
}

// " & 3 day(s)".
std::string DaysText(long long whole)
{
    return FormatMessage(Tr("AdjustTime", " & %1 day(s)"), {std::to_string(whole)});
}

} // namespace

DateTimeFormatter LocaleFormatter(LocaleTexts locale)
{
    return [locale = std::move(locale)](DateTime value, const char* format) {
        return FormatDateTime(value, format, locale);
    };
}

std::string DifferenceText(DateTime pcLocal, DateTime serverLocal)
{
    const double d = (pcLocal - serverLocal).days();
    const long long total = std::llround(std::fabs(d) * 86400.0);
    char time[16];
    std::snprintf(time, sizeof time, "%02lld:%02lld:%02lld", total % 86400 / 3600,
                  total % 3600 / 60, total % 60);
    std::string days;
    // Whole days from the same rounded seconds as the time of day, so that 23:59:59.6
    // reads as one day and not as a day-less 00:00:00.
    if (const long long whole = total / 86400; whole != 0)
        days = DaysText(whole);
    const double e = std::trunc(d * 86400.0);
    const int word = e == 0 ? 0 : (e < 0 ? 1 : 2);
    return std::string(time) + days + " " + DifferenceWord(word);
}

bool AdjustButtonsEnabled(const SyncRecord& r)
{
    if (r.status == 0 && r.ntp)
        return std::llround(r.offsetSeconds * 1000.0) != 0;
    return r.status == 0 && std::trunc((r.pcLocal - r.serverLocal).days() * 86400.0) != 0;
}

std::string NtpDifferenceText(double offsetSeconds, double delaySeconds)
{
    // The computer against the server: a computer behind the server has a positive offset.
    const long long d = -std::llround(offsetSeconds * 1000.0);
    const long long total = d < 0 ? -d : d;
    char time[24];
    std::snprintf(time, sizeof time, "%02lld:%02lld:%02lld.%03lld", total / 1000 % 86400 / 3600,
                  total / 1000 % 3600 / 60, total / 1000 % 60, total % 1000);
    std::string days;
    if (const long long whole = total / 86400000; whole != 0)
        days = DaysText(whole);
    const int word = d == 0 ? 0 : (d < 0 ? 1 : 2);
    return std::string(time) + days + " " + DifferenceWord(word) +
           FormatMessage(Tr("AdjustTime", ", delay %1"), {NtpDelayText(delaySeconds)});
}

std::string NtpOffsetText(double offsetSeconds)
{
    const long long ms = std::llround(offsetSeconds * 1000.0);
    const long long magnitude = ms < 0 ? -ms : ms;
    char text[40];
    std::snprintf(text, sizeof text, "%c%lld.%03lld s", ms < 0 ? '-' : '+', magnitude / 1000,
                  magnitude % 1000);
    return text;
}

std::string NtpDelayText(double delaySeconds)
{
    // A server's clock may step between its two timestamps: a delay below zero reads as 0.
    const long long ms = std::max(0LL, std::llround(delaySeconds * 1000.0));
    char text[40];
    std::snprintf(text, sizeof text, "%lld.%03lld s", ms / 1000, ms % 1000);
    return text;
}

AdjustTimeFields AdjustTimePageFields(const SyncRecord& r, DateTime now, DateTime lastAdjusted,
                                      std::uint32_t intervalSeconds,
                                      const DateTimeFormatter& format)
{
    constexpr const char* kDateTime = "%X %x";
    AdjustTimeFields f;
    if (r.status == 0) {
        f.utc = format(r.serverUtc, kDateTime);
        f.local = format(r.serverLocal, kDateTime);
        f.thisPc = format(r.pcLocal, kDateTime);
        f.difference = DifferenceText(r.pcLocal, r.serverLocal);
    } else {
        f.thisPc = format(now, kDateTime);
        if (r.status == 2)
            f.difference = DifferenceText(r.pcLocal, r.serverLocal);
    }
    if (r.ntp && (r.status == 0 || r.status == 2)) {
        f.difference = NtpDifferenceText(r.offsetSeconds, r.delaySeconds);
        f.offset = NtpOffsetText(r.offsetSeconds);
        f.delay = NtpDelayText(r.delaySeconds);
    }
    if (lastAdjusted.valid()) {
        f.last = format(lastAdjusted, kDateTime);
        DateTime next = lastAdjusted + DateTimeSpan::FromSeconds(intervalSeconds);
        if (next < now)
            next = now;
        f.next = format(next, "%x");
    }
    f.setToLocalTimeEnabled = f.adjustMinSecEnabled = AdjustButtonsEnabled(r);
    // Minutes and seconds change nothing for a network time offset below one second.
    if (r.ntp)
        f.adjustMinSecEnabled = r.status == 0 && std::trunc(r.offsetSeconds) != 0;
    return f;
}

std::vector<ReadingRow> ReadingRows(const AdjustTimeFields& f)
{
    std::vector<ReadingRow> rows{{Tr("AdjustTime", AdjustTimeText::kUtc), f.utc},
                                 {Tr("AdjustTime", AdjustTimeText::kLocal), f.local},
                                 {Tr("AdjustTime", AdjustTimeText::kThisPc), f.thisPc},
                                 {Tr("AdjustTime", AdjustTimeText::kDifference), f.difference}};
    // A network time reading also gives its offset and delay.
    if (!f.offset.empty())
        rows.push_back({Tr("AdjustTime", AdjustTimeText::kOffset), f.offset});
    if (!f.delay.empty())
        rows.push_back({Tr("AdjustTime", AdjustTimeText::kDelay), f.delay});
    return rows;
}

std::vector<std::string> ServerBoxItems()
{
    std::vector<std::string> items;
    const std::string list = ServerChoiceList();
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t nl = std::min(list.find('\n', start), list.size());
        if (nl > start)
            items.push_back(list.substr(start, nl - start));
        start = nl + 1;
    }
    return items;
}

std::string DownloadCaption(bool transferRunning)
{
    return Item(Tr("AdjustTime", "Down&load\nCance&l"), transferRunning ? 1 : 0);
}

std::optional<int> ParseIntervalDays(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < kMinIntervalDays || value > kMaxIntervalDays)
        return std::nullopt;
    return value;
}

std::string IntervalDaysRangeMessage()
{
    return FormatMessage(Tr("Options", "Please enter an integer between %1 and %2."),
                         {std::to_string(kMinIntervalDays), std::to_string(kMaxIntervalDays)});
}

} // namespace orbel
