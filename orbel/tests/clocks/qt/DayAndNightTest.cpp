// Day and night on the clock window: each clock's background from the sun at its zone's
// city, a zone without a city left plain, and the tooltip's sunrise, sunset and next change.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include "clocks/qt/ClockWindow.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "zones/SystemZones.h"

namespace orbel {
namespace {

class DayAndNightTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CRegTimeZoneList zones;
        ReadSystemZones(zones, kSystemZoneFolder, 2026);
        settings.SetDefaults();
        settings.clocks.Clear();
        settings.displayFlags = 0x5300;
        settings.colours.assign(6, -1);
        settings.colours[kColourBackground] = 0x00FFFFFF; // white
        settings.borderless = 1;
        for (const char* key : {"Europe/Madrid", "Asia/Tokyo", "Etc/UTC"}) {
            CRegTimeZone probe;
            probe.keyName = key;
            const CRegTimeZone* zone = zones.FindZone(probe, kZoneFilterAll | kZoneFilterKeyOnly);
            CClock& clock = settings.clocks.Add();
            clock.name = std::string(key).substr(std::string(key).find('/') + 1);
            if (zone)
                clock.zone = *zone;
            else
                clock.zone.keyName = key;
        }
    }
    ClockWindowEnv Env()
    {
        ClockWindowEnv env;
        env.utcNow = [this] { return utc; };
        env.localNow = [this] { return utc; };
        return env;
    }
    // The background at the top left corner of each clock.
    std::vector<QColor> Corners(ClockWindow& w)
    {
        const QImage image = w.grab().toImage();
        std::vector<QColor> out;
        for (const Rect& a : w.Areas())
            out.push_back(image.pixelColor(a.left + 2, a.top + 2));
        return out;
    }

    // 8 December 2026, 10:15 UTC: late morning in Madrid, evening (dark) in Tokyo.
    DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 0);
    QTemporaryDir dir;
    MemoryRegistryStore store;
    SettingsPlatform platform = [this] {
        SettingsPlatform p;
        p.dataFolder = dir.path().toStdString();
        p.utcNow = [this] { return utc; };
        p.localZone = [] { return TimeZoneInformation{}; };
        return p;
    }();
    CAppSettings settings{store, platform, "/opt/orbel/orbel"};
};

TEST_F(DayAndNightTest, ShadingFollowsTheSunAtEachCityAndLeavesZonesWithoutOnePlain)
{
    ClockWindow w(settings, Env());
    w.resize(480, 90);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_EQ(w.Areas().size(), 3u);
    for (const QColor& c : Corners(w))
        EXPECT_EQ(c, QColor(Qt::white)) << "off by default";

    w.SetDayAndNight(true);
    const auto shaded = Corners(w);
    // Madrid by day: warm and light; Tokyo by night: blue and darker; UTC: no city, plain.
    EXPECT_GT(shaded[0].lightness(), 200);
    EXPECT_GT(shaded[0].red(), shaded[0].blue());
    EXPECT_LT(shaded[1].lightness(), shaded[0].lightness() - 40);
    EXPECT_GT(shaded[1].blue(), shaded[1].red());
    EXPECT_EQ(shaded[2], QColor(Qt::white));

    // Madrid's sunset is at 17:49 local (16:49 UTC): ten minutes later, in the dusk, the next
    // tick shades it between day and night.
    utc = DateTime::FromCalendar(2026, 12, 8, 17, 0, 0);
    w.Tick();
    QTest::qWait(20);
    const auto dusk = Corners(w);
    EXPECT_LT(dusk[0].lightness(), shaded[0].lightness());
    EXPECT_GT(dusk[0].lightness(), shaded[1].lightness());

    w.SetDayAndNight(false);
    for (const QColor& c : Corners(w))
        EXPECT_EQ(c, QColor(Qt::white));

    if (qEnvironmentVariableIsSet("ORBEL_SHOT_DIR")) {
        // For a person to look at: the window by day and night, and a clock's tooltip.
        utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 0);
        settings.colours.assign(6, -1);
        w.SetDayAndNight(true);
        w.LayOut();
        const QString folder = qEnvironmentVariable("ORBEL_SHOT_DIR");
        w.grab().save(folder + "/day-and-night.png");
        QToolTip::showText(w.mapToGlobal(QPoint(40, 40)), w.ClockToolTip(0), &w);
        QTest::qWait(300);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                top->grab().save(folder + "/day-and-night-tooltip.png");
        // The same clocks as a settings file, for the program itself to be shown with.
        settings.SetModified();
        settings.Save();
        QFile::copy(dir.filePath("Orbel.dat"), folder + "/Orbel.dat");
    }
}

TEST_F(DayAndNightTest, TooltipTellsSunriseSunsetAndTheNextChange)
{
    ClockWindow w(settings, Env());
    w.resize(480, 90);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QString madrid = w.ClockToolTip(0);
    EXPECT_TRUE(madrid.startsWith("Madrid\nSunrise 08:2")) << madrid.toStdString();
    EXPECT_TRUE(madrid.contains(", sunset 17:4")) << madrid.toStdString();
    EXPECT_TRUE(madrid.endsWith("Changes on Sun 28 Mar 2027 at 02:00 to UTC+02:00"))
        << madrid.toStdString();
    const QString tokyo = w.ClockToolTip(1);
    EXPECT_TRUE(tokyo.endsWith("No clock change ahead")) << tokyo.toStdString();
    const QString utcClock = w.ClockToolTip(2);
    EXPECT_TRUE(utcClock.contains("No sunrise or sunset: the zone names no city"))
        << utcClock.toStdString();
}

} // namespace
} // namespace orbel
