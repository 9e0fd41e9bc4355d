#include "sun/SunTimes.h"

#include <array>
#include <cmath>
#include <limits>

#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

#include "zones/DateTime.h"

namespace orbel {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kHalfDay = kDay / 2;
// The sun's centre at sunrise and sunset: its radius and the air's refraction below the
// horizon.
constexpr double kRiseAltitude = LN_SOLAR_STANDART_HORIZON;
constexpr double kCivilTwilight = LN_SOLAR_CIVIL_HORIZON;

double JulianDay(std::int64_t unixSeconds)
{
    return static_cast<double>(unixSeconds) / kDay + 2440587.5;
}

ln_lnlat_posn Observer(GeoPoint where)
{
    return ln_lnlat_posn{where.longitude, where.latitude};
}

// The sun's place among the stars, libnova's, at a whole hour. Working it out takes tens of
// microseconds, so the hours last asked are kept.
ln_equ_posn SunAtHour(std::int64_t hour)
{
    struct Node {
        std::int64_t hour = std::numeric_limits<std::int64_t>::min();
        ln_equ_posn sun{};
    };
    thread_local std::array<Node, 64> nodes;
    Node& node = nodes[static_cast<std::uint64_t>(hour) % nodes.size()];
    if (node.hour != hour) {
        // libnova's solar position is referred to the equator and equinox of J2000 (in 2026
        // the sun would be 0.37 degrees behind, noon 90 seconds early); its precession brings
        // it to the equinox of the date, which sidereal time and the horizon use.
        const double jd = JulianDay(hour * 3600);
        ln_equ_posn j2000;
        ln_get_solar_equ_coords(jd, &j2000);
        ln_get_equ_prec(&j2000, jd, &node.sun);
        node.hour = hour;
    }
    return node.sun;
}

// The sun's place at any second: it moves about a degree a day, so a straight line between
// the two whole hours around the second is within a thousandth of a degree.
ln_equ_posn SunAt(std::int64_t unixSeconds)
{
    const std::int64_t hour =
        unixSeconds >= 0 ? unixSeconds / 3600 : -((-unixSeconds + 3599) / 3600);
    const double part = static_cast<double>(unixSeconds - hour * 3600) / 3600.0;
    const ln_equ_posn a = SunAtHour(hour), b = SunAtHour(hour + 1);
    double ra = a.ra + std::remainder(b.ra - a.ra, 360.0) * part;
    if (ra < 0)
        ra += 360.0;
    else if (ra >= 360.0)
        ra -= 360.0;
    return ln_equ_posn{ra, a.dec + (b.dec - a.dec) * part};
}

// The sun's hour angle at the place in degrees, -180 (lower culmination, before noon) to
// 180; 0 at noon.
double HourAngle(GeoPoint where, std::int64_t unixSeconds)
{
    const double jd = JulianDay(unixSeconds);
    const ln_equ_posn sun = SunAt(unixSeconds);
    const double angle = ln_get_apparent_sidereal_time(jd) * 15.0 + where.longitude - sun.ra;
    return std::remainder(angle, 360.0);
}

// The instant between `low` and `high` where the sun's height crosses `altitude`, to the
// second; the height at `low` and at `high` lies on either side of it.
std::int64_t Crossing(GeoPoint where, std::int64_t low, std::int64_t high, double altitude)
{
    const bool risingAtLow = SunAltitude(where, low) < altitude;
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        if ((SunAltitude(where, middle) < altitude) == risingAtLow)
            low = middle;
        else
            high = middle;
    }
    return high;
}

} // namespace

double SunAltitude(GeoPoint where, std::int64_t unixSeconds)
{
    const double jd = JulianDay(unixSeconds);
    ln_equ_posn sun = SunAt(unixSeconds);
    ln_lnlat_posn observer = Observer(where);
    ln_hrz_posn sky;
    ln_get_hrz_from_equ(&sun, &observer, jd, &sky);
    return sky.alt;
}

Daylight DaylightAt(GeoPoint where, std::int64_t unixSeconds)
{
    const double altitude = SunAltitude(where, unixSeconds);
    if (altitude >= kRiseAltitude)
        return Daylight::Day;
    return altitude >= kCivilTwilight ? Daylight::Twilight : Daylight::Night;
}

double DaylightShare(GeoPoint where, std::int64_t unixSeconds)
{
    const double altitude = SunAltitude(where, unixSeconds);
    const double share = (altitude - kCivilTwilight) / (kRiseAltitude - kCivilTwilight);
    return share < 0 ? 0.0 : share > 1 ? 1.0 : share;
}

SunDay SunTimesOn(GeoPoint where, int year, int month, int day, int utcOffsetMinutes)
{
    const std::int64_t midnight =
        DaysFromCivil(year, month, day) * kDay - static_cast<std::int64_t>(utcOffsetMinutes) * 60;
    // Noon by the mean sun at this longitude, within the local day; then the true noon,
    // where the sun's hour angle is zero (the equation of time moves it by up to 17
    // minutes).
    const std::int64_t meanNoon = DaysFromCivil(year, month, day) * kDay + kHalfDay -
                                  static_cast<std::int64_t>(std::llround(where.longitude * 240.0));
    std::int64_t noon = midnight + ((meanNoon - midnight) % kDay + kDay) % kDay;
    for (int step = 0; step < 3; ++step)
        noon -= static_cast<std::int64_t>(std::llround(HourAngle(where, noon) / 360.0 * kDay));

    SunDay result;
    result.noon = noon;
    if (SunAltitude(where, noon) < kRiseAltitude) {
        result.kind = SunDay::PolarNight;
        return result;
    }
    // The sun is lowest half a day before and after noon.
    const std::int64_t lowBefore = noon - kHalfDay, lowAfter = noon + kHalfDay;
    result.rises = SunAltitude(where, lowBefore) < kRiseAltitude;
    result.sets = SunAltitude(where, lowAfter) < kRiseAltitude;
    if (!result.rises && !result.sets) {
        result.kind = SunDay::PolarDay;
        return result;
    }
    if (result.rises)
        result.sunrise = Crossing(where, lowBefore, noon, kRiseAltitude);
    if (result.sets)
        result.sunset = Crossing(where, noon, lowAfter, kRiseAltitude);
    return result;
}

} // namespace orbel
