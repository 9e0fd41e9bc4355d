#pragma once
// The world clock's settings: one object for the whole run. Window values and version
// bookkeeping live in the registry store; everything else, the clocks included, in the
// settings file "Orbel.dat" in the data folder.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "clocks/ClockList.h"
#include "settings/LogFont.h"
#include "settings/SettingsPlatform.h"
#include "settings/WindowProfile.h"
#include "sync/SyncRecord.h"
#include "zones/RegTimeZoneList.h"

namespace orbel {

// Bits of the option word (display flags).
enum OptionBits : std::uint32_t {
    kOptionAnalog = 0x00000001,
    kOptionShowName = 0x00000100,
    kOptionShowDate = 0x00000200,
    kOptionSeconds = 0x00001000,
    kOptionDayOfYear = 0x00002000,
    kOption24Hour = 0x00004000,
    kOptionMerge = 0x00100000,
    kOptionReplace = 0x00200000,
    kOptionUsageMask = 0x00F00000, // every zone database usage bit
    kOptionAutoAdjust = 0x01000000,
};

// 24-hour time, seconds and name shown, digital clocks, no date.
inline constexpr std::uint32_t kDefaultDisplayFlags = 0x5100;
inline constexpr std::uint32_t kDefaultAdjustmentInterval = 604800; // a week
inline constexpr std::size_t kDefaultFontCount = 3;
inline constexpr std::int32_t kDefaultFontHeight = 16;
inline constexpr std::size_t kDefaultColourCount = 6;
inline constexpr std::int32_t kSystemColour = -1;

enum ColourSlot {
    kColourBackground,
    kColourTitle,
    kColourDate,
    kColourTime1,
    kColourTime2,
    kColourSpare
};

class CAppSettings : public CWindowProfile {
public:
    static constexpr const char* kAppName = "Orbel";
    static constexpr std::uint32_t kCurrentVersion = 0x00030001; // 3.1

    CAppSettings(RegistryStore& store, SettingsPlatform platform, std::string programPath,
                 std::uint32_t currentVersion = kCurrentVersion);

    void SetDefaults() override;
    // Reads the registry values and the settings file. A file that cannot be read gives
    // Status::Failed with the message text; the settings are then left as they were
    // and the caller ends the program (see RetireBadSettingsFile).
    LoadResult Load() override;
    // Writes the registry values and the settings file (through a temporary file, so the
    // old file survives a failed write) and clears the modified mark.
    SaveResult Save() override;

    // Path of the settings file: data folder / "Orbel.dat".
    std::filesystem::path SettingsFilePath() const;
    const SettingsPlatform& Platform() const { return platform_; }

    // The colour of a slot; slots that are not held give the system colour (-1).
    std::int32_t Colour(std::size_t slot) const;
    // A font record; records that are not held give the default font.
    LogFont Font(std::size_t index) const;

    // The usage mode bits, keeping the other option bits.
    void SetUsageBits(std::uint32_t modeBits);
    // Each stores the flag and marks the settings modified when it changes; true then. The
    // window layer restyles the clock window itself.
    bool SetBorderless(bool flag);
    bool SetAntiTask(bool flag);
    // Refreshes the clocks' zones from a zone list just built for the current usage mode;
    // marks the settings modified when a clock was refreshed.
    bool RefreshZones(const CRegTimeZoneList& zones);

    // Fields in declaration order.
    std::uint32_t visible = 1;
    std::uint32_t page = 0;
    std::string timeSeparator, amDesignator, pmDesignator; // locale texts, not stored
    std::uint32_t reserved = 0;
    SyncRecord syncRecord;
    std::uint32_t antiTask = 0;
    std::uint32_t borderless = 0;
    std::uint32_t displayFlags = kDefaultDisplayFlags;             // the option word
    std::uint32_t updateInterval = 1;                              // seconds
    std::uint32_t adjustmentInterval = kDefaultAdjustmentInterval; // seconds
    std::string server;
    DateTime lastAdjusted = DateTime::Null(); // local time of the last clock adjustment
    std::vector<LogFont> fonts;
    std::vector<std::int32_t> colours;
    CClockList clocks;

private:
    SettingsPlatform platform_;
};

} // namespace orbel
