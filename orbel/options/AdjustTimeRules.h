#pragma once
// What the Adjust Time page shows: the reading, the difference to the computer's clock, the
// schedule, the enabled state of its buttons, and its captions and messages. The page's
// window only puts these texts into its controls.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sync/SyncRecord.h"
#include "zones/DateTime.h"
#include "zones/DateTimeFormat.h"
#include "zones/Translation.h"

namespace orbel {

// Formats a date-time with strftime-style conversions ("%X %x" or "%x").
using DateTimeFormatter = std::function<std::string(DateTime, const char* format)>;

// FormatDateTime with the user's locale texts (from LocaleTextsFromQLocale); empty for a
// value that is not valid.
DateTimeFormatter LocaleFormatter(LocaleTexts locale);

struct AdjustTimeFields {
    std::string utc, local, thisPc, difference;
    // A network time (NTP) reading only: the offset (server minus this computer) to the
    // millisecond, "+0.123 s", and the round-trip delay, "0.004 s". The difference of such a
    // reading carries both too: "00:00:00.123 behind, delay 0.004 s".
    std::string offset, delay;
    std::string last, next;
    bool setToLocalTimeEnabled = false;
    bool adjustMinSecEnabled = false;
};

// The page's read-only rows, top to bottom, as the window shows them: caption and text
// (UTC, Local, This PC, Difference, and for a network time reading Offset and Delay).
struct ReadingRow {
    std::string caption;
    std::string text;
};
std::vector<ReadingRow> ReadingRows(const AdjustTimeFields& fields);

// The lines the server box offers, in order: the Time Protocol servers (the first is the
// default server), then the NTP pools.
std::vector<std::string> ServerBoxItems();

// "%H:%M:%S", then " & N day(s)" when a whole day or more, then OK, behind or ahead:
// "00:00:05 behind", "01:00:00 & 1 day(s) ahead", "00:00:00 OK".
std::string DifferenceText(DateTime pcLocal, DateTime serverLocal);

// Both adjustment buttons: only with a fresh reading that differs by a whole second. A
// network time reading enables Set to Local Time from one millisecond on.
bool AdjustButtonsEnabled(const SyncRecord& record);

// The difference of a network time reading: "%H:%M:%S.mmm" of the offset, " & N day(s)",
// OK, behind or ahead by the millisecond, then the delay: "00:00:01.250 ahead, delay
// 0.004 s" for a computer 1.25 seconds fast.
std::string NtpDifferenceText(double offsetSeconds, double delaySeconds);
std::string NtpOffsetText(double offsetSeconds); // "+0.123 s", "-1.250 s"
std::string NtpDelayText(double delaySeconds);   // "0.004 s"

AdjustTimeFields AdjustTimePageFields(const SyncRecord& record, DateTime nowLocal,
                                      DateTime lastAdjusted, std::uint32_t intervalSeconds,
                                      const DateTimeFormatter& format = LocaleFormatter({}));

// The Download button's caption once a transfer has started: "Cance&l" while it runs,
// "Down&load" after it ended (the page opens with AdjustTimeText::kDownload).
std::string DownloadCaption(bool transferRunning);

// The "Every ... day(s)" box: a whole number from 1 to 365, else nothing.
constexpr int kMinIntervalDays = 1;
constexpr int kMaxIntervalDays = 365;
std::optional<int> ParseIntervalDays(std::string_view text);
std::string IntervalDaysRangeMessage(); // "Please enter an integer between 1 and 365."

// The page's captions, in the order of its controls (shown through Tr("AdjustTime", ...)).
namespace AdjustTimeText {
inline constexpr const char* kTab = ORBEL_TEXT("AdjustTime", "Adjust Time");
inline constexpr const char* kServer = ORBEL_TEXT("AdjustTime", "Ser&ver:");
inline constexpr const char* kUtc = ORBEL_TEXT("AdjustTime", "UTC:");
inline constexpr const char* kLocal = ORBEL_TEXT("AdjustTime", "Local:");
inline constexpr const char* kThisPc = ORBEL_TEXT("AdjustTime", "This PC:");
inline constexpr const char* kDifference = ORBEL_TEXT("AdjustTime", "Difference:");
inline constexpr const char* kOffset =
    ORBEL_TEXT("AdjustTime", "Offset:"); // network time readings only
inline constexpr const char* kDelay = ORBEL_TEXT("AdjustTime", "Delay:");
inline constexpr const char* kDownload =
    ORBEL_TEXT("AdjustTime", "&Download"); // the caption the page opens with
inline constexpr const char* kSetToLocalTime = ORBEL_TEXT("AdjustTime", "Set to Local &Time");
inline constexpr const char* kAdjustMinSec = ORBEL_TEXT("AdjustTime", "Adjust Min. && &Sec. Only");
inline constexpr const char* kAutomaticGroup =
    ORBEL_TEXT("AdjustTime", "Automatic time adjustment");
inline constexpr const char* kAdjust = ORBEL_TEXT("AdjustTime", "Ad&just");
inline constexpr const char* kEvery = ORBEL_TEXT("AdjustTime", "&Every");
inline constexpr const char* kDays = ORBEL_TEXT("AdjustTime", "day(s)");
inline constexpr const char* kLast = ORBEL_TEXT("AdjustTime", "Last:");
inline constexpr const char* kNext = ORBEL_TEXT("AdjustTime", "Next:");
} // namespace AdjustTimeText

} // namespace orbel
