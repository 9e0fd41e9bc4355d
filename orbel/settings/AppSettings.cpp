#include "settings/AppSettings.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

#include "settings/SettingsFile.h"
#include "zones/FileBytes.h"

namespace orbel {
namespace {

constexpr const char* kWindow = "Window";
constexpr const char* kGeneral = "General";
// A settings file is a few kilobytes; a much larger one is not ours.
constexpr std::uintmax_t kMaxSettingsFile = 16u << 20;

} // namespace

CAppSettings::CAppSettings(RegistryStore& store, SettingsPlatform platform, std::string programPath,
                           std::uint32_t version)
    : CWindowProfile(store, std::move(programPath), version), platform_(std::move(platform))
{
}

std::filesystem::path CAppSettings::SettingsFilePath() const
{
    return platform_.dataFolder / (std::string(kAppName) + ".dat");
}

void CAppSettings::SetDefaults()
{
    CWindowProfile::SetDefaults();
    visible = 1;
    page = 0;
    antiTask = 0;
    borderless = 0;
    displayFlags = kDefaultDisplayFlags;
    updateInterval = 1;
    adjustmentInterval = kDefaultAdjustmentInterval;
    server = platform_.defaultServer;
    lastAdjusted = DateTime::Null();
    LogFont font = platform_.defaultGuiFont;
    font.height = kDefaultFontHeight;
    fonts.assign(kDefaultFontCount, font);
    colours.assign(kDefaultColourCount, kSystemColour);
    timeSeparator = platform_.timeSeparator;
    amDesignator = platform_.amDesignator;
    pmDesignator = platform_.pmDesignator;
}

LoadResult CAppSettings::Load()
{
    visible = GetDword(kWindow, "Visible", visible);
    page = GetDword(kWindow, "Page", page);
    antiTask = GetDword(kWindow, "AntiTask", antiTask);
    borderless = GetDword(kWindow, "Borderless", borderless);

    const std::uint32_t lastSeconds =
        lastAdjusted.valid() && platform_.localToUnix
            ? static_cast<std::uint32_t>(platform_.localToUnix(lastAdjusted))
            : 0;
    const std::uint32_t autoUpdated = GetDword(kGeneral, "Auto updated", lastSeconds);
    if (autoUpdated == 0)
        lastAdjusted = DateTime::Null();
    else if (platform_.unixToLocal)
        lastAdjusted = platform_.unixToLocal(autoUpdated);

    const std::filesystem::path file = SettingsFilePath();
    std::error_code ec;
    LoadResult result;
    if (!std::filesystem::exists(file, ec)) {
        result.status = LoadResult::Status::NoFile;
    } else {
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (!ReadWholeFile(file, kMaxSettingsFile, bytes, error))
            return {LoadResult::Status::Failed, error};
        SettingsFileContent content;
        const SettingsReadResult read = ReadSettingsBytes(bytes.data(), bytes.size(), content);
        if (read.status != SettingsReadResult::Status::Ok)
            return {LoadResult::Status::Failed,
                    FormatMessage(Tr("Files", "%1 has a bad format."), {file.string()})};
        displayFlags = content.displayFlags;
        if (content.adjustmentInterval != 0)
            adjustmentInterval = content.adjustmentInterval;
        server = std::move(content.server);
        updateInterval = content.updateInterval;
        fonts = std::move(content.fonts);
        colours = std::move(content.colours);
        clocks = std::move(content.clocks);
        if (storedVersion != currentVersion)
            MakeVersionBackup(file, storedVersion);
    }
    // The registry of an earlier release is not read on this platform; an empty list gets
    // the two default clocks whether or not a file was found.
    if (clocks.Empty() && platform_.localZone)
        clocks.AddDefaultClocks(platform_.localZone());
    else if (clocks.Empty())
        clocks.AddDefaultClocks(TimeZoneInformation{});

    CWindowProfile::Load();
    return result;
}

SaveResult CAppSettings::Save()
{
    SetDword(kWindow, "Visible", visible);
    SetDword(kWindow, "Page", page);
    SetDword(kWindow, "AntiTask", antiTask);
    SetDword(kWindow, "Borderless", borderless);
    std::uint32_t seconds = 0;
    if (lastAdjusted.valid() && platform_.localToUnix)
        seconds = static_cast<std::uint32_t>(platform_.localToUnix(lastAdjusted));
    SetDword(kGeneral, "Auto updated", seconds);

    SettingsFileContent content;
    content.displayFlags = displayFlags;
    // The UTC calendar time of the save read as a local time, as earlier releases wrote it.
    if (platform_.utcNow && platform_.localToUnix)
        content.saveStamp = static_cast<std::uint32_t>(platform_.localToUnix(platform_.utcNow()));
    content.adjustmentInterval = adjustmentInterval;
    content.server = server;
    content.updateInterval = updateInterval;
    content.fonts = fonts;
    content.colours = colours;
    content.clocks = clocks;

    SaveResult result;
    try {
        const std::vector<std::uint8_t> bytes = WriteSettingsBytes(content);
        std::string error;
        if (!WriteFileAtomically(SettingsFilePath(), bytes, error))
            result = {false, error};
    } catch (const ArchiveError& e) {
        result = {false, FormatMessage(Tr("Files", "Unable to write to %1: %2"),
                                       {SettingsFilePath().string(), e.what()})};
    }
    CWindowProfile::Save();
    return result;
}

std::int32_t CAppSettings::Colour(std::size_t slot) const
{
    return slot < colours.size() ? colours[slot] : kSystemColour;
}

LogFont CAppSettings::Font(std::size_t index) const
{
    if (index < fonts.size())
        return fonts[index];
    LogFont font = platform_.defaultGuiFont;
    font.height = kDefaultFontHeight;
    return font;
}

void CAppSettings::SetUsageBits(std::uint32_t modeBits)
{
    const std::uint32_t next = (displayFlags & ~kOptionUsageMask) | (modeBits & kOptionUsageMask);
    if (next != displayFlags) {
        displayFlags = next;
        SetModified();
    }
}

bool CAppSettings::SetBorderless(bool flag)
{
    const std::uint32_t v = flag ? 1 : 0;
    if (v == borderless)
        return false;
    borderless = v;
    SetModified();
    return true;
}

bool CAppSettings::SetAntiTask(bool flag)
{
    const std::uint32_t v = flag ? 1 : 0;
    if (v == antiTask)
        return false;
    antiTask = v;
    SetModified();
    return true;
}

bool CAppSettings::RefreshZones(const CRegTimeZoneList& zones)
{
    if (!clocks.RefreshZones(zones))
        return false;
    SetModified();
    return true;
}

} // namespace orbel
