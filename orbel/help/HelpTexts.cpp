// The help texts of every window, in English, as the help window shows them; the user's
// language replaces them where it has them.
#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "help/HelpTexts.h"
#include "zones/StringTable.h"
#include "zones/Translation.h"

namespace orbel {
namespace {

constexpr std::string_view kHelp = ORBEL_TEXT("Help", R"(INTRODUCTION

Orbel shows any number of clocks side by side in one small window. Each clock shows the
time of a time zone, with or without daylight saving, plus a number of minutes of its own.
The clocks are digital or analog and may show their name, the date or the day of the year.
Orbel can also fetch the exact time from a time server and set this computer's clock, by
hand or automatically every so many days.

The window has no caption. Its title, shown in the task bar, carries today's date.

MENU

The menu opens with the right mouse button on the clocks or on the icon in the
notification area, or with the Menu key or Shift+F10.

Hide / Show (V)       hides the clock window, or shows it again. Hide is offered only
                      while an icon in the notification area can show the window again.
Convert... (N)        converts a time from the zone of one clock to another's.
Time in Zone... (T)   shows the time in any zone of the time zone database.
Plan... (P)           the hours of a day side by side for every clock, to find an hour
                      that suits everyone.
Options... (O)        the clocks, their look, their colours and fonts, time zone
                      corrections and the time server.
Day and Night (D)     shades each clock by whether the sun is up at its zone's
                      city, with dawn and dusk in between. A clock whose zone names
                      no city (Etc/ zones, zones of your own) keeps its background.
Help (F1)             this text, or the help of the window in front: the Options
                      page shown, Convert, Time in Zone or Plan.
About Orbel...        the program's version.
Close (Alt+F4)        ends Orbel. The settings are saved when they changed.

POINTING DEVICE (MOUSE) INTERFACE

Drag the clocks with the left button to move the window. Drag its border to resize it:
the clocks and their text grow and shrink with it. Double-click the clocks to convert a
time. Click the right button for the menu. Rest the pointer on a clock to see today's
sunrise and sunset at its city and its zone's next clock change.

In the notification area a double-click on Orbel's icon hides or shows the clocks (the
item drawn in bold in the menu), and the right button opens the menu.

KEYBOARD INTERFACE

Arrow keys            move the window by one pixel.
Shift+Right, Down     make the window one pixel wider or taller.
Shift+Left, Up        make it one pixel narrower or lower.
V, N, T, P, O, D      the menu's commands, as listed above.
F1                    help.
Menu, Shift+F10       the menu, at the window's top left corner.
Alt+F4                close.

TIPS

- Many clocks in a wide, low window read best with the name shown and the date hidden.
- Analog clocks show their minute marks once the dial is about 64 pixels wide.
- The clocks follow a change of this computer's clock at once, and a new day changes the
  window's title.
- Orbel keeps running while its window is hidden; use the icon in the notification area
  to bring it back.
)");

constexpr std::string_view kClocks = ORBEL_TEXT("Help", R"(INTRODUCTION

The Clocks page lists the clocks in the order the window shows them, from left to right.
Pressing Apply or OK stores what you typed into the selected clock.

OPTIONS

Clocks      one line per clock. A checked clock is shown in the window; an unchecked one
            is kept but hidden. Choosing another line first stores what you typed for the
            clock chosen before.
Title       the clock's name, at most 16 characters.
Supplement  minutes added to the zone's time, from -1440 to 1440 (the arrows, or Up and
            Down, step it).
Find zone   narrows the time zones to those whose city, country or name holds what you
            type ("osl" finds Europe/Oslo, "Japan" finds Asia/Tokyo). Down or Enter
            opens the list on the first of them.
Time zone   the time zone the clock shows.
Automatically adjust clock daylight saving changes
            the clock follows the zone's summer time; without it, the clock keeps the
            zone's standard time all year. Only a zone with summer time offers it.
Add...      adds a clock at the end and takes you to its time zone.
Remove      removes the selected clock.
Move Up, Move Down
            move the selected clock one place to the left or to the right.

TIPS

A clock for a place whose zone is missing can use a near zone and a supplement.
)");

constexpr std::string_view kFormat = ORBEL_TEXT("Help", R"(INTRODUCTION

The View page chooses how the clock window behaves and what each clock shows. Each
option takes effect when you press Apply or OK.

OPTIONS

Window
Stay on top of other windows
                      the clocks stay above every other window.
Hide border           the window without its sizing border; the clocks stay where they
                      are on the screen.
Exclude from task bar and list
                      no task bar button for the clock window.

Time format
Analog style          round dials with hands instead of digits.
Use 24 hour convention
                      00:00 to 23:59; otherwise 12-hour time with AM and PM.
Show seconds          seconds in digital clocks, a seconds hand on the dials.
Show name             the clock's name under its time.
Show date             the weekday and day of the month (or the day of the year).
Show date as day of year
                      001 to 366 instead of the weekday and day.

Update clocks every   how often the clocks are redrawn, 1 to 3600 seconds.
Flash Clocks          flashes an outline around the clock window five times, to find
                      it on a crowded screen. The window must be shown.
)");

constexpr std::string_view kStyle = ORBEL_TEXT("Help", R"(INTRODUCTION

The Style page chooses the colours and the font of the clocks.

OPTIONS

Background, Title, Date, Time 1, Time 2
            the colours of the background, the clock's name, the date, the time (with the
            hands and hour marks), and the minute marks, seconds hand and AM/PM of the
            dials. "Default" takes the desktop's own colour.
Font        the typeface and style, shown by its name and in the preview. Browse...
            chooses among the installed fonts. Its size follows the window: the text
            always fills the clock.
)");

constexpr std::string_view kSynch = ORBEL_TEXT("Help", R"(INTRODUCTION

The Adjust Time page fetches the exact time from a time server and sets this computer's
clock with it.

OPTIONS

Server      a time server from the list, or any host that answers the Time Protocol
            (port 37). Text after a blank is a comment.
UTC, Local  the server's time, universal and local.
This PC     this computer's time at the moment of the reading.
Difference  how far this computer's clock is behind or ahead of the server.
Download    asks the server; Cancel stops the request.
Set to Local Time
            sets this computer's clock to the server's local time.
Adjust Min. & Sec. Only
            sets only the minutes and seconds, keeping the hour and the date.
Adjust, Every
            adjusts the minutes and seconds automatically every 1 to 365 days.
Last, Next  the last adjustment and the day of the next.

HOW DOES IT WORK?

The server sends the number of seconds since 1900 in four bytes. Orbel compares them with
this computer's clock and shows the difference. Setting the clock needs the right to do
so: Orbel uses it when it has it, and otherwise asks the system's date and time service.
When automatic adjustment is on, Orbel checks at every change of the hour whether the
interval has run out; a failed attempt is tried again at the next hour, without a message.

TIPS

Adjusting only the minutes and seconds never changes the hour, so a wrong time zone on
this computer cannot move the clock by hours.
)");

constexpr std::string_view kDst = ORBEL_TEXT("Help", R"(INTRODUCTION

The TZI page shows the daylight-saving rules of a zone and chooses how Orbel's own zone
database file, OrbelTZI.dat, is used.

OPTIONS

Ignore      only the system's time zones are used.
Merge       the system's zones, corrected by the file's records.
Replace     only the file's records are used.
Zone        the zone whose rules are shown: its offset from UTC and the day and hour when
            summer time begins and ends.
)");

constexpr std::string_view kConvert = ORBEL_TEXT("Help", R"(INTRODUCTION

The Convert window converts a time between the zones of two clocks.

OPTIONS

Type a time in one row; the other row shows the time its clock shows at that moment, with
its date. A time that cannot be read shows "Undefined".

Clock       the first row starts on the clock of this computer's own zone, the second on
            the clock you double-clicked (or the next clock when opened from the menu).
            Choosing another clock in a row recomputes that row from the other one.
Find clock  narrows both lists to the clocks whose name, city, country or zone holds
            what you type. Down or Enter opens the first list.
Reset       puts the current time of the first row's clock back into it.
Help (F1)   this text.
)");

constexpr std::string_view kTimeInZone = ORBEL_TEXT("Help", R"(INTRODUCTION

The Time in Zone window shows the current time in any zone of the time zone database.

OPTIONS

Choose a zone; the window shows its time and date, with or without daylight saving,
today's sunrise and sunset at the zone's city (or polar day or night), and the zone's
next clock change: its date, the local time at which it happens and the new offset.
A zone that names no city has no sunrise or sunset.
Find zone narrows the list to the zones whose city, country or name holds what you type;
Down or Enter opens the list on the first of them. Help (F1) shows this text.
)");

constexpr std::string_view kPlan = ORBEL_TEXT("Help", R"(INTRODUCTION

The Plan window lays the hours of one day side by side for every clock the window shows,
so that an hour that suits everyone can be found at a glance. Each column is one moment:
reading down a column gives the time of every clock at that moment.

OPTIONS

Date        the day of the first clock to plan; the columns run from its midnight to the
            next. A day when that clock changes to or from summer time has 23 or 25 hours.
Hours       green cells are working hours (9:00 to 18:00), pale ones the rest of the day,
            blue ones dawn and dusk, dark ones the night at the zone's city. A clock a half
            or a quarter of an hour off shows its cells at :30 or :45; a line and the date
            mark the start of a new day.
            Left and Right (Home, End) or a click choose a column; the time of each clock
            at that moment shows below the hours.
Copy        puts the chosen moment, in every clock, on the clipboard.
Close       closes the window (Escape).

TIPS

orbel --plan Europe/Madrid,Asia/Kolkata prints the same hours from the command line.
)");

constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kTexts = {{
    {"HELP", kHelp},
    {"CPPCLOCKS", kClocks},
    {"CPPFORMAT", kFormat},
    {"CPPSTYLE", kStyle},
    {"CPPSYNCH", kSynch},
    {"CPPDST", kDst},
    {"1008", kConvert},
    {"1010", kTimeInZone},
    {"PLAN", kPlan},
}};

} // namespace

std::string HelpTextOf(std::string_view name)
{
    // Names are matched without regard to case ("CPPClocks" is CPPCLOCKS).
    const auto same = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::toupper(static_cast<unsigned char>(x)) ==
                          std::toupper(static_cast<unsigned char>(y));
               });
    };
    for (const auto& [n, text] : kTexts)
        if (same(n, name))
            return Tr("Help", std::string(text).c_str());
    return {};
}

std::vector<std::string> HelpTextNames()
{
    std::vector<std::string> names;
    for (const auto& entry : kTexts)
        names.emplace_back(entry.first);
    return names;
}

std::string HelpWindowTitle(const std::string& appName, bool extend, const std::string& owner,
                            const std::string& page)
{
    std::string title = FormatMessage(Tr("Help", "%1 Help"), {appName});
    if (!extend)
        return title;
    if (!owner.empty())
        title += " > " + owner;
    if (!page.empty())
        title += " > " + page;
    return title;
}

} // namespace orbel
