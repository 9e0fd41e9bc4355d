#include "settings/SettingsPlatform.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "sync/ServerSetting.h"
#include "zones/FileBytes.h"
#include "zones/PosixTzRule.h"
#include "zones/SystemZones.h"
#include "zones/TzifFile.h"

namespace orbel {
namespace {

DateTime SystemUtcNow()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now).count();
    return DateTime::FromUnixSeconds(static_cast<double>(seconds));
}

std::int64_t LocalToUnix(const DateTime& local)
{
    CalendarTime c;
    if (!local.ToCalendar(c))
        return 0;
    std::tm tm = ToTm(c);
    const std::time_t t = std::mktime(&tm);
    return t == static_cast<std::time_t>(-1) ? 0 : static_cast<std::int64_t>(t);
}

DateTime UnixToLocal(std::int64_t seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (!localtime_r(&t, &tm))
        return DateTime::Invalid();
    return DateTime::FromCalendar(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                                  tm.tm_min, tm.tm_sec);
}

// The POSIX rule of a compiled zone file, or empty.
std::string FooterOf(const std::filesystem::path& file)
{
    std::vector<std::uint8_t> bytes;
    std::string footer, error;
    if (!ReadWholeFile(file, 1u << 20, bytes, error) || !ReadTzifFooter(bytes, footer, error))
        return {};
    return footer;
}

// The rule the C library runs on: $TZ (a zone name, ":name", a file path or a POSIX rule),
// else /etc/localtime.
std::string ComputerZoneRule()
{
    const char* tz = std::getenv("TZ");
    if (!tz)
        return FooterOf("/etc/localtime");
    std::string name = tz;
    if (!name.empty() && name.front() == ':')
        name.erase(0, 1);
    if (name.empty())
        return "UTC0";
    if (name.front() == '/')
        return FooterOf(name);
    if (name.find("..") == std::string::npos) {
        const std::string footer = FooterOf(kSystemZoneFolder / name);
        if (!footer.empty())
            return footer;
    }
    return name;
}

} // namespace

TimeZoneInformation ComputerZoneInformation(int year)
{
    TimeZoneInformation info;
    const auto rule = ParsePosixTz(ComputerZoneRule());
    std::string inexact, error;
    if (!rule || !ZoneInformationFromPosix(*rule, year, info, inexact, error))
        return TimeZoneInformation{};
    return info;
}

SettingsPlatform SystemSettingsPlatform(std::filesystem::path dataFolder)
{
    SettingsPlatform p;
    p.dataFolder = std::move(dataFolder);
    p.utcNow = SystemUtcNow;
    p.localToUnix = LocalToUnix;
    p.unixToLocal = UnixToLocal;
    p.localZone = [] {
        CalendarTime now;
        SystemUtcNow().ToCalendar(now);
        return ComputerZoneInformation(now.year);
    };
    // The window layer puts the desktop's own font here; this is its stand-in.
    p.defaultGuiFont.height = kDefaultGuiFontHeight;
    p.defaultGuiFont.weight = 400;
    p.defaultGuiFont.SetFace("Sans Serif");
    // The first line of the built-in server list, so that defaults never hold an empty server.
    p.defaultServer = DefaultServerSetting();
    return p;
}

void ApplyLocaleTexts(SettingsPlatform& platform, const LocaleTexts& texts)
{
    platform.timeSeparator = texts.timeSeparator;
    platform.amDesignator = texts.am;
    platform.pmDesignator = texts.pm;
}

} // namespace orbel
