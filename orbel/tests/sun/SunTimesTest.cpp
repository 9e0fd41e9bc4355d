// Sunrise and sunset against the NOAA solar calculator's equations, written out here on
// their own (a different method from the program's libnova positions), for cities from the
// equator to both poles in every season; day and night at hand-worked instants.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sun/SunTimes.h"
#include "zones/DateTime.h"

using namespace orbel;

namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double d)
{
    return d * kPi / 180.0;
}
double Deg(double r)
{
    return r * 180.0 / kPi;
}

// The NOAA spreadsheet's sun at an instant: declination (degrees) and equation of time
// (minutes).
void NoaaSun(std::int64_t unixSeconds, double& declination, double& equationOfTime)
{
    const double jc = (unixSeconds / 86400.0 + 2440587.5 - 2451545.0) / 36525.0;
    const double l = std::fmod(280.46646 + jc * (36000.76983 + jc * 0.0003032), 360.0);
    const double m = 357.52911 + jc * (35999.05029 - 0.0001537 * jc);
    const double e = 0.016708634 - jc * (0.000042037 + 0.0000001267 * jc);
    const double c = std::sin(Rad(m)) * (1.914602 - jc * (0.004817 + 0.000014 * jc)) +
                     std::sin(Rad(2 * m)) * (0.019993 - 0.000101 * jc) +
                     std::sin(Rad(3 * m)) * 0.000289;
    const double omega = 125.04 - 1934.136 * jc;
    const double apparent = l + c - 0.00569 - 0.00478 * std::sin(Rad(omega));
    const double meanObliquity =
        23 + (26 + (21.448 - jc * (46.815 + jc * (0.00059 - jc * 0.001813))) / 60) / 60;
    const double obliquity = meanObliquity + 0.00256 * std::cos(Rad(omega));
    declination = Deg(std::asin(std::sin(Rad(obliquity)) * std::sin(Rad(apparent))));
    const double y = std::pow(std::tan(Rad(obliquity / 2)), 2);
    equationOfTime =
        4 * Deg(y * std::sin(2 * Rad(l)) - 2 * e * std::sin(Rad(m)) +
                4 * e * y * std::sin(Rad(m)) * std::cos(2 * Rad(l)) -
                0.5 * y * y * std::sin(4 * Rad(l)) - 1.25 * e * e * std::sin(2 * Rad(m)));
}

struct Noaa {
    SunDay::Kind kind;
    std::int64_t sunrise = 0, sunset = 0;
};

// Solar noon within the local day, then each event found again with the sun's place at the
// event itself.
Noaa NoaaSunTimes(GeoPoint p, int y, int mo, int d, int offsetMinutes)
{
    const std::int64_t midnight = DaysFromCivil(y, mo, d) * 86400 - offsetMinutes * 60;
    double declination = 0, eot = 0;
    NoaaSun(DaysFromCivil(y, mo, d) * 86400 + 43200, declination, eot);
    auto noonAt = [&](double equation) {
        std::int64_t noon =
            DaysFromCivil(y, mo, d) * 86400 + std::llround((720 - 4 * p.longitude - equation) * 60);
        while (noon < midnight)
            noon += 86400;
        while (noon >= midnight + 86400)
            noon -= 86400;
        return noon;
    };
    std::int64_t noon = noonAt(eot);
    NoaaSun(noon, declination, eot);
    noon = noonAt(eot);
    const double noonEot = eot;
    auto hourAngle = [&](std::int64_t at, double& cosine) {
        NoaaSun(at, declination, eot);
        cosine = std::cos(Rad(90.833)) / (std::cos(Rad(p.latitude)) * std::cos(Rad(declination))) -
                 std::tan(Rad(p.latitude)) * std::tan(Rad(declination));
        return Deg(std::acos(std::clamp(cosine, -1.0, 1.0)));
    };
    double cosine = 0;
    hourAngle(noon, cosine);
    if (cosine > 1)
        return {SunDay::PolarNight};
    if (cosine < -1)
        return {SunDay::PolarDay};
    Noaa out{SunDay::Normal};
    for (int sign : {-1, 1}) {
        std::int64_t event = noon;
        for (int pass = 0; pass < 3; ++pass) {
            // The hour angle and the equation of time at the event itself.
            const double angle = hourAngle(event, cosine);
            event = noon + std::llround((sign * angle * 4 - (eot - noonEot)) * 60);
        }
        (sign < 0 ? out.sunrise : out.sunset) = event;
    }
    return out;
}

TEST(SunTimesTest, RiseAndSetWithinTwoMinutesOfNoaaFromPoleToPole)
{
    struct Case {
        const char* city;
        GeoPoint where;
        int year, month, day, offset;
        SunDay::Kind kind;
    } cases[] = {
        {"Madrid summer", {40.4, -3.683}, 2026, 6, 21, 120, SunDay::Normal},
        {"Madrid winter", {40.4, -3.683}, 2026, 12, 21, 60, SunDay::Normal},
        {"Oslo summer", {59.917, 10.75}, 2026, 6, 21, 120, SunDay::Normal},
        {"Oslo winter", {59.917, 10.75}, 2026, 12, 21, 60, SunDay::Normal},
        {"Reykjavik, sets after midnight", {64.15, -21.85}, 2026, 6, 21, 0, SunDay::Normal},
        {"Reykjavik winter", {64.15, -21.85}, 2026, 12, 21, 0, SunDay::Normal},
        {"Nuuk equinox", {64.183, -51.733}, 2026, 3, 20, -120, SunDay::Normal},
        {"Tromso midnight sun", {69.65, 18.96}, 2026, 6, 21, 120, SunDay::PolarDay},
        {"Tromso polar night", {69.65, 18.96}, 2026, 12, 21, 60, SunDay::PolarNight},
        {"Longyearbyen spring", {78.22, 15.65}, 2026, 3, 15, 60, SunDay::Normal},
        {"Longyearbyen summer", {78.22, 15.65}, 2026, 6, 21, 120, SunDay::PolarDay},
        {"Longyearbyen winter", {78.22, 15.65}, 2026, 12, 21, 60, SunDay::PolarNight},
        {"McMurdo summer", {-77.85, 166.67}, 2026, 12, 21, 780, SunDay::PolarDay},
        {"McMurdo winter", {-77.85, 166.67}, 2026, 6, 21, 720, SunDay::PolarNight},
        {"Ushuaia summer", {-54.8, -68.3}, 2026, 12, 21, -180, SunDay::Normal},
        {"Anchorage summer", {61.22, -149.9}, 2026, 6, 21, -480, SunDay::Normal},
        {"Anchorage winter", {61.22, -149.9}, 2026, 12, 21, -540, SunDay::Normal},
        {"New York summer", {40.714, -74.006}, 2026, 7, 4, -240, SunDay::Normal},
        {"New York autumn", {40.714, -74.006}, 2026, 11, 15, -300, SunDay::Normal},
        {"Quito equinox", {-0.22, -78.5}, 2026, 3, 20, -300, SunDay::Normal},
        {"Singapore", {1.283, 103.85}, 2026, 9, 23, 480, SunDay::Normal},
        {"Nairobi", {-1.283, 36.817}, 2026, 1, 1, 180, SunDay::Normal},
        {"Sydney summer", {-33.867, 151.21}, 2026, 12, 21, 660, SunDay::Normal},
        {"Sydney winter", {-33.867, 151.21}, 2026, 6, 21, 600, SunDay::Normal},
        {"Buenos Aires winter", {-34.6, -58.383}, 2026, 6, 21, -180, SunDay::Normal},
        {"Cape Town", {-33.917, 18.417}, 2026, 3, 1, 120, SunDay::Normal},
        {"Tokyo spring", {35.654, 139.745}, 2026, 4, 15, 540, SunDay::Normal},
        {"Kolkata", {22.533, 88.367}, 2026, 10, 1, 330, SunDay::Normal},
        {"Kathmandu", {27.717, 85.317}, 2026, 2, 10, 345, SunDay::Normal},
        {"Honolulu", {21.307, -157.858}, 2026, 8, 1, -600, SunDay::Normal},
        {"Kiritimati, UTC+14", {1.867, -157.333}, 2026, 5, 1, 840, SunDay::Normal},
        {"Pago Pago, UTC-11", {-14.267, -170.7}, 2027, 1, 10, -660, SunDay::Normal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.city);
        const SunDay ours = SunTimesOn(c.where, c.year, c.month, c.day, c.offset);
        const Noaa noaa = NoaaSunTimes(c.where, c.year, c.month, c.day, c.offset);
        ASSERT_EQ(noaa.kind, c.kind); // the table's own check of its polar cases
        EXPECT_EQ(ours.kind, c.kind);
        if (c.kind != SunDay::Normal)
            continue;
        EXPECT_TRUE(ours.rises && ours.sets);
        EXPECT_NEAR(double(ours.sunrise), double(noaa.sunrise), 120.0);
        EXPECT_NEAR(double(ours.sunset), double(noaa.sunset), 120.0);
        // Solar noon lies within the local day asked for.
        const std::int64_t midnight = DaysFromCivil(c.year, c.month, c.day) * 86400 - c.offset * 60;
        EXPECT_GE(ours.noon, midnight);
        EXPECT_LT(ours.noon, midnight + 86400);
    }
}

TEST(SunTimesTest, DaylightAtHandWorkedInstants)
{
    const GeoPoint madrid{40.4, -3.683}, tromso{69.65, 18.96}, longyearbyen{78.22, 15.65};
    // 21 December: the sun at noon stands 90 - latitude - 23.44 degrees high: Tromso -3.1
    // (civil twilight all day), Longyearbyen -11.7 (night all day).
    const SunDay tromsoDay = SunTimesOn(tromso, 2026, 12, 21, 60);
    EXPECT_EQ(DaylightAt(tromso, tromsoDay.noon), Daylight::Twilight);
    EXPECT_NEAR(SunAltitude(tromso, tromsoDay.noon), -3.1, 0.1);
    const SunDay svalbardDay = SunTimesOn(longyearbyen, 2026, 12, 21, 60);
    EXPECT_EQ(DaylightAt(longyearbyen, svalbardDay.noon), Daylight::Night);
    EXPECT_EQ(DaylightShare(longyearbyen, svalbardDay.noon), 0.0);

    // Madrid on midsummer's day: day between sunrise and sunset, twilight just outside,
    // night at midnight; the share of light rises through dawn.
    const SunDay day = SunTimesOn(madrid, 2026, 6, 21, 120);
    EXPECT_EQ(DaylightAt(madrid, day.sunrise - 60), Daylight::Twilight);
    EXPECT_EQ(DaylightAt(madrid, day.sunrise + 60), Daylight::Day);
    EXPECT_EQ(DaylightAt(madrid, day.noon), Daylight::Day);
    EXPECT_EQ(DaylightAt(madrid, day.sunset - 60), Daylight::Day);
    EXPECT_EQ(DaylightAt(madrid, day.sunset + 60), Daylight::Twilight);
    EXPECT_EQ(DaylightAt(madrid, day.noon + 43200), Daylight::Night);
    EXPECT_NEAR(SunAltitude(madrid, day.noon), 90 - 40.4 + 23.44, 0.1);
    const double dawn = DaylightShare(madrid, day.sunrise - 10 * 60);
    EXPECT_GT(dawn, 0.0);
    EXPECT_LT(dawn, 1.0);
    EXPECT_EQ(DaylightShare(madrid, day.noon), 1.0);
}

TEST(SunTimesTest, PolarDayEndsWithASunsetButNoSunrise)
{
    // Tromso's midnight sun ends in the fourth week of July: on that day the sun sets for
    // the first time, after a night it stayed up; the days after rise and set in order.
    const GeoPoint tromso{69.65, 18.96};
    bool sawSetWithoutRise = false;
    for (int day = 15; day <= 31; ++day) {
        const SunDay sun = SunTimesOn(tromso, 2026, 7, day, 120);
        ASSERT_NE(sun.kind, SunDay::PolarNight);
        if (sun.kind == SunDay::Normal && sun.sets && !sun.rises)
            sawSetWithoutRise = true;
        if (sun.kind == SunDay::Normal && sun.rises && sun.sets) {
            EXPECT_LT(sun.sunrise, sun.sunset);
        }
    }
    EXPECT_TRUE(sawSetWithoutRise);
}

} // namespace
