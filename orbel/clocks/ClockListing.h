#pragma once
// The clocks as text, one a line: name, a tab, and the clock's time as
// "YYYY-MM-DD HH:MM:SS".
#include <string>

#include "clocks/ClockList.h"

namespace orbel {

// "YYYY-MM-DD HH:MM:SS", or "invalid" for a time that is not a valid date.
std::string FormatIsoTime(const DateTime& t);

// Every clock of the list in list order, shown or not, at UTC instant `utcNow`.
std::string ClockListing(const CClockList& clocks, const DateTime& utcNow);

} // namespace orbel
