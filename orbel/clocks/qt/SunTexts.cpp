#include "clocks/qt/SunTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace orbel {
namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("SunTexts", text);
}

} // namespace

QString SunText(const ClockSunView& sun)
{
    if (!sun.placed)
        return Tr("No sunrise or sunset: the zone names no city");
    switch (sun.kind) {
    case SunDay::PolarDay:
        return Tr("Polar day: the sun does not set");
    case SunDay::PolarNight:
        return Tr("Polar night: the sun does not rise");
    case SunDay::Normal:
        break;
    }
    const QString rise = sun.sunrise.empty() ? Tr("none") : QString::fromStdString(sun.sunrise);
    const QString set = sun.sunset.empty() ? Tr("none") : QString::fromStdString(sun.sunset);
    return Tr("Sunrise %1, sunset %2").arg(rise, set);
}

QString ChangeText(const ClockChangeView& change)
{
    if (!change.known)
        return Tr("Next clock change unknown: the zone is not in this computer's tz database");
    if (!change.change)
        return Tr("No clock change ahead");
    CalendarTime c;
    if (!change.localBefore.ToCalendar(c))
        return Tr("No clock change ahead");
    const QString date = QLocale().toString(QDate(c.year, c.month, c.day), "ddd d MMM yyyy");
    const QString time = QStringLiteral("%1:%2")
                             .arg(c.hour, 2, 10, QLatin1Char('0'))
                             .arg(c.minute, 2, 10, QLatin1Char('0'));
    return Tr("Changes on %1 at %2 to UTC%3")
        .arg(date, time, QString::fromStdString(change.newOffset));
}

} // namespace orbel
