#include "clocks/qt/SunTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace orbel {
QString SunText(const ClockSunView& sun)
{
    if (!sun.placed)
        return QCoreApplication::translate("SunTexts",
                                           "No sunrise or sunset: the zone names no city");
    switch (sun.kind) {
    case SunDay::PolarDay:
        return QCoreApplication::translate("SunTexts", "Polar day: the sun does not set");
    case SunDay::PolarNight:
        return QCoreApplication::translate("SunTexts", "Polar night: the sun does not rise");
    case SunDay::Normal:
        break;
    }
    const QString rise = sun.sunrise.empty() ? QCoreApplication::translate("SunTexts", "none")
                                             : QString::fromStdString(sun.sunrise);
    const QString set = sun.sunset.empty() ? QCoreApplication::translate("SunTexts", "none")
                                           : QString::fromStdString(sun.sunset);
    return QCoreApplication::translate("SunTexts", "Sunrise %1, sunset %2").arg(rise, set);
}

QString ChangeText(const ClockChangeView& change)
{
    if (!change.known)
        return QCoreApplication::translate(
            "SunTexts",
            "Next clock change unknown: the zone is not in this computer's tz database");
    if (!change.change)
        return QCoreApplication::translate("SunTexts", "No clock change ahead");
    CalendarTime c;
    if (!change.localBefore.ToCalendar(c))
        return QCoreApplication::translate("SunTexts", "No clock change ahead");
    const QString date = QLocale().toString(QDate(c.year, c.month, c.day), "ddd d MMM yyyy");
    const QString time = QStringLiteral("%1:%2")
                             .arg(c.hour, 2, 10, QLatin1Char('0'))
                             .arg(c.minute, 2, 10, QLatin1Char('0'));
    return QCoreApplication::translate("SunTexts", "Changes on %1 at %2 to UTC%3")
        .arg(date, time, QString::fromStdString(change.newOffset));
}

} // namespace orbel
