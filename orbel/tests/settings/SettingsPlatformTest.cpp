// The computer's own zone, as the default clocks take it from $TZ or /etc/localtime.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "settings/SettingsPlatform.h"

namespace orbel {
namespace {

class ScopedTz {
public:
    explicit ScopedTz(const char* value)
    {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        ::setenv("TZ", value, 1);
    }
    ~ScopedTz()
    {
        if (old_)
            ::setenv("TZ", old_->c_str(), 1);
        else
            ::unsetenv("TZ");
    }

private:
    std::optional<std::string> old_;
};

TEST(SettingsPlatform, ComputerZoneComesFromTheZoneNamedByTz)
{
    if (!std::filesystem::exists("/usr/share/zoneinfo/Europe/Paris"))
        GTEST_SKIP() << "no tz database on this system";
    {
        ScopedTz tz("Europe/Paris");
        const TimeZoneInformation z = ComputerZoneInformation(2026);
        EXPECT_EQ(z.Bias, -60);
        EXPECT_EQ(z.DaylightBias, -60);
        EXPECT_EQ(z.DaylightDate.wMonth, 3);
        EXPECT_EQ(z.DaylightDate.wDay, 5);
        EXPECT_EQ(z.StandardDate.wMonth, 10);
    }
    {
        ScopedTz tz(":Asia/Tokyo");
        const TimeZoneInformation z = ComputerZoneInformation(2026);
        EXPECT_EQ(z.Bias, -540);
        EXPECT_FALSE(z.HasDaylightSaving());
    }
    {
        // A rule written out instead of a name.
        ScopedTz tz("EST5EDT,M3.2.0,M11.1.0");
        const TimeZoneInformation z = ComputerZoneInformation(2026);
        EXPECT_EQ(z.Bias, 300);
        EXPECT_EQ(z.DaylightDate.wMonth, 3);
        EXPECT_EQ(z.DaylightDate.wDay, 2);
    }
    {
        ScopedTz tz("No/Such_Zone");
        EXPECT_EQ(ComputerZoneInformation(2026), TimeZoneInformation{});
    }
}

} // namespace
} // namespace orbel

#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "sync/ServerSetting.h"

namespace orbel {
namespace {

// The window program saves whatever its defaults hold: the server must be a usable one.
TEST(SettingsPlatform, DefaultsOfTheRunningComputerHoldAUsableServer)
{
    MemoryRegistryStore store;
    CAppSettings settings(store, SystemSettingsPlatform(std::filesystem::temp_directory_path()),
                          "/p");
    settings.SetDefaults();
    ASSERT_FALSE(settings.server.empty());
    const ServerAddress address = ParseServerSetting(settings.server);
    EXPECT_EQ(address.error, 0);
    EXPECT_FALSE(address.host.empty());
}

} // namespace
} // namespace orbel
