#include "zones/qt/LocaleAdapter.h"

namespace orbel {
namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

std::string Text(const QString& s)
{
    return s.toStdString();
}

} // namespace

std::string PictureWithoutZone(const QString& picture)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < picture.size();) {
        const QChar c = picture[i];
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
            ++i;
            continue;
        }
        if (quoted || c != u't') {
            out += c;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < picture.size() && picture[end] == u't')
            ++end;
        // Brackets that hold only the zone go with it.
        if (!out.isEmpty() && out.back() == u'(' && end < picture.size() && picture[end] == u')') {
            out.chop(1);
            ++end;
        }
        // One blank beside it goes too: the one before, else the one after.
        if (!out.isEmpty() && IsBlank(out.back()))
            out.chop(1);
        else if (end < picture.size() && IsBlank(picture[end]))
            ++end;
        i = end;
    }
    while (!out.isEmpty() && IsBlank(out.back()))
        out.chop(1);
    while (!out.isEmpty() && IsBlank(out.front()))
        out.remove(0, 1);
    return Text(out);
}

std::string TimeSeparatorOf(const QString& picture)
{
    bool quoted = false;
    qsizetype i = 0;
    for (; i < picture.size(); ++i) {
        const QChar c = picture[i];
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'h' || c == u'H'))
            break;
    }
    while (i < picture.size() && (picture[i] == u'h' || picture[i] == u'H'))
        ++i;
    QString separator;
    for (; i < picture.size() && picture[i] != u'm'; ++i) {
        if (picture[i] == u'\'')
            continue;
        separator += picture[i];
    }
    if (i >= picture.size() || separator.isEmpty() || separator.size() > 3)
        return ":";
    return Text(separator);
}

LocaleTexts LocaleTextsFromQLocale(const QLocale& locale)
{
    LocaleTexts t;
    for (int i = 0; i < 7; ++i) {
        // Qt counts from Monday (1) to Sunday (7); the core from Sunday (0).
        const int qtDay = i == 0 ? 7 : i;
        t.dayNames[i] = Text(locale.dayName(qtDay, QLocale::LongFormat));
        t.shortDayNames[i] = Text(locale.dayName(qtDay, QLocale::ShortFormat));
    }
    for (int m = 0; m < 12; ++m) {
        t.monthNames[m] = Text(locale.monthName(m + 1, QLocale::LongFormat));
        t.shortMonthNames[m] = Text(locale.monthName(m + 1, QLocale::ShortFormat));
    }
    t.am = Text(locale.amText());
    t.pm = Text(locale.pmText());
    t.shortDateFormat = PictureWithoutZone(locale.dateFormat(QLocale::ShortFormat));
    t.longDateFormat = PictureWithoutZone(locale.dateFormat(QLocale::LongFormat));
    // The long time picture is the one with seconds.
    t.timeFormat = PictureWithoutZone(locale.timeFormat(QLocale::LongFormat));
    t.timeSeparator = TimeSeparatorOf(locale.timeFormat(QLocale::ShortFormat));
    return t;
}

LocaleTexts UserLocaleTexts()
{
    return LocaleTextsFromQLocale(QLocale());
}

} // namespace orbel
