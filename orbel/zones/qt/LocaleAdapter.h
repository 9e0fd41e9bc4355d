#pragma once
// The one place where the user's locale enters the program: Qt's locale turned into the
// core's LocaleTexts, which every date and time text is formatted with (windows and
// command-line actions alike).
#include <QLocale>
#include <QString>

#include <string>

#include "zones/DateTimeFormat.h"

namespace orbel {

// Day and month names (full and short), the short and long date pictures, the time picture
// (with seconds), the time separator and the two designators of `locale`.
LocaleTexts LocaleTextsFromQLocale(const QLocale& locale);

// The texts of the locale the program runs in (QLocale(), the system's unless changed).
LocaleTexts UserLocaleTexts();

// A Qt picture without the zone's name: Qt writes it as t (tt, ttt, tttt), which the core
// cannot fill, so the letters go together with the blank or the brackets around them
// ("h:mm:ss AP t" -> "h:mm:ss AP", "H:mm:ss (t)" -> "H:mm:ss", "t HH:mm:ss" -> "HH:mm:ss").
std::string PictureWithoutZone(const QString& picture);

// The separator between hours and minutes in a Qt time picture; ":" when it shows none.
std::string TimeSeparatorOf(const QString& picture);

} // namespace orbel
