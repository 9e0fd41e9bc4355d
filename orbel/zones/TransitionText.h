#pragma once
// The one-line description of a zone's daylight or standard start that the daylight-saving
// page shows, e.g. "Last Sunday of October at 03:00:00".
#include <string>

#include "zones/DateTimeFormat.h"
#include "zones/RegTimeZone.h"

namespace orbel {

enum class TransitionKind { DaylightStart, StandardStart };

// "None" without a record or without daylight saving; the rule's own date and time
// ("%#c") when either rule is absolute; else the week, weekday, month and time of the
// rule, the weekday and time taken from its transition in `currentLocalYear`.
std::string DescribeTransition(const CRegTimeZone* zone, TransitionKind which, int currentLocalYear,
                               const LocaleTexts& locale = LocaleTexts{});

} // namespace orbel
