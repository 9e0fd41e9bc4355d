#include "shell/Shell.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

namespace orbel {
namespace {

constexpr std::size_t kTipLimit = 63;

// `s` cut to at most `limit` characters of UTF-8.
std::string CutCharacters(const std::string& s, std::size_t limit)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80) {
            if (chars == limit)
                return s.substr(0, i);
            ++chars;
        }
    }
    return s;
}

} // namespace

std::string TrayTip(const ProgramIdentity& id)
{
    return CutCharacters(id.companyName + " " + id.productName + " - " +
                             Tr("Shell", id.fileDescription.c_str()),
                         kTipLimit);
}

std::string AboutVersionLine(const ProgramIdentity& id)
{
    return id.productName + " v" + id.productVersion;
}

std::string AboutTitle(const std::string& appName)
{
    return FormatMessage(Tr("Shell", "About %1"), {appName});
}

std::string SystemMenuAboutText(const std::string& appName)
{
    return FormatMessage(Tr("Shell", "&About %1..."), {appName});
}

std::string ShowHideText(bool hidden)
{
    return hidden ? Tr("Shell", "Sho&w\tV") : Tr("Shell", "Hid&e\tV");
}

std::vector<MenuEntry> CommandMenu(const ShellState& s)
{
    const MenuEntry kSeparator{true, 0, {}, false, true};
    // Hiding is offered only where something can show the window again.
    const bool canSwitch = s.windowHidden || s.trayAvailable;
    return {
        {false, kCmdShowHide, ShowHideText(s.windowHidden), true, canSwitch},
        kSeparator,
        {false, kCmdConvert, Tr("Shell", "Co&nvert...\tN"), false, s.convertBuilt},
        {false, kCmdTimeInZone, Tr("Shell", "&Time in Zone...\tT"), false, s.timeInZoneBuilt},
        {false, kCmdPlan, Tr("Shell", "&Plan...\tP"), false, s.planBuilt},
        kSeparator,
        {false, kCmdOptions, Tr("Shell", "&Options...\tO"), false, s.optionsBuilt},
        {false, kCmdDayAndNight, Tr("Shell", "&Day and Night\tD"), false, true, true,
         s.dayAndNight},
        kSeparator,
        {false, kCmdHelp, Tr("Shell", "&Help\tF1"), false, true},
        {false, kCmdAbout, Tr("Shell", "&About Orbel..."), false, true},
        kSeparator,
        {false, kCmdExit, Tr("Shell", "&Close\tAlt+F4"), false, true},
    };
}

std::string MenuLabel(const std::string& text)
{
    return text.substr(0, text.find('\t'));
}

std::string MenuKey(const std::string& text)
{
    const auto tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

const std::vector<Accelerator>& Accelerators()
{
    static const std::vector<Accelerator> table = {{'N', kCmdConvert},  {'O', kCmdOptions},
                                                   {'P', kCmdPlan},     {'T', kCmdTimeInZone},
                                                   {'V', kCmdShowHide}, {'D', kCmdDayAndNight}};
    return table;
}

bool TrayClickRunsFirstItem(TrayClick click, TrayKind kind)
{
    // On an embedded icon a double-click comes after the single click of its first press.
    return click == (kind == TrayKind::Item ? TrayClick::Single : TrayClick::Double);
}

bool IsAboutSystemCommand(int id)
{
    return id >= 57664 && id <= 57679;
}

StartResult StartProgram(ShellHost& host, const ProgramIdentity& id)
{
    if (!host.LoadSettings())
        return StartResult::BadSettings;
    if (!host.CreateClockWindow())
        return StartResult::NoWindow;
    host.PlaceWindow();
    host.LayOutClocks();
    host.ShowOrHideWindow();
    host.AddTrayIcon(TrayTip(id));
    host.RefreshClockZones();
    host.StartClockTimer();
    return StartResult::Running;
}

bool EndProgram(ShellHost& host, EndReason why)
{
    // The same steps whatever the reason: nothing the user set may be lost.
    if (host.TransferRunningWithoutError())
        host.CancelTransfer();
    host.StopClockTimer();
    host.CapturePlacement();
    host.RemoveTrayIcon();
    if (!host.SettingsModified())
        return true;
    return host.SaveSettings(why);
}

int StartExitStatus(StartResult r)
{
    return r == StartResult::Running ? 0 : 1;
}

} // namespace orbel
