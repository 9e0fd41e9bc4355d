#pragma once
// The application shell's rules: the tray tip, the command menu with its ids and keys, the
// help texts and their window titles, and the start and end of the program as steps that
// the window layer carries out.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "help/HelpTexts.h"
#include "zones/Translation.h"

namespace orbel {

// The program's identity, as its version block would give it.
struct ProgramIdentity {
    std::string companyName = "Quillon Software";
    std::string productName = "Orbel";
    std::string fileDescription = ORBEL_TEXT("Shell", "World clock"); // shown translated
    std::string productVersion = "3.1";
};

// "%s %s - %s" of maker, product and description, cut to 63 characters (never inside a
// character of several bytes).
std::string TrayTip(const ProgramIdentity& id);
// "Orbel v3.1" and "About Orbel".
std::string AboutVersionLine(const ProgramIdentity& id);
std::string AboutTitle(const std::string& appName);
// The system menu's item "&About Orbel...".
std::string SystemMenuAboutText(const std::string& appName);

enum CommandId : int {
    kCmdShowHide = 1,
    kCmdOptions = 2000,
    kCmdConvert = 2001,
    kCmdTimeInZone = 2002,
    kCmdPlan = 2003,
    kCmdDayAndNight = 2010, // a check item: each clock shaded by day and night at its city
    kCmdAbout = 57664,
    kCmdExit = 57665,
    kCmdHelp = 57670,
};
inline constexpr int kTrayIconId = 1000;
inline constexpr int kMenuId = 1000;

struct MenuEntry {
    bool separator = false;
    int id = 0;
    std::string text;       // with '&' before the mnemonic; the key after a tab
    bool isDefault = false; // drawn bold: a double-click on the tray icon runs it
    bool enabled = true;
    bool checkable = false; // a check item, shown checked when `checked`
    bool checked = false;
};
struct ShellState {
    bool windowHidden = false;
    bool trayAvailable = true; // something can show the window again once hidden
    bool optionsBuilt = false; // the windows behind Options, Convert, Time in Zone, Plan
    bool convertBuilt = false;
    bool timeInZoneBuilt = false;
    bool planBuilt = false;
    bool dayAndNight = false; // the clocks are shaded by day and night
};
// Menu 1000, also the tray and context menu.
std::vector<MenuEntry> CommandMenu(const ShellState& state);
// "Sho&w\tV" while hidden, "Hid&e\tV" while shown.
std::string ShowHideText(bool windowHidden);
// The text before the tab and the key after it.
std::string MenuLabel(const std::string& text);
std::string MenuKey(const std::string& text);

// Accelerator table 1000: plain keys while the clock window has the focus.
struct Accelerator {
    char key;
    int id;
};
const std::vector<Accelerator>& Accelerators();

// What the user did to the tray icon, and which kind of tray shows it: the notification
// area of old, which embeds the icon's window (XEmbed), or the tray of current desktops, which
// shows an item over the session bus (StatusNotifierItem) and activates it with one click.
enum class TrayClick { Single, Double, Other };
enum class TrayKind { Embedded, Item };
// Whether the click runs the menu's first item (Show/Hide): a double-click on an embedded
// icon, a click (activation) on an item, which has no double-click.
bool TrayClickRunsFirstItem(TrayClick click, TrayKind kind);

// Whether a system-menu command is the about command.
bool IsAboutSystemCommand(int id);

// Why the program ends: the user closed it, the session ends, or a termination signal.
enum class EndReason { Closed, SessionEnd, Terminated };

// The start of the program, step by step; the window layer performs each step and says
// whether it worked.
class ShellHost {
public:
    virtual ~ShellHost() = default;
    // Defaults, the registry and the settings file; false when the file was damaged (it has
    // been moved aside and the message shown).
    virtual bool LoadSettings() = 0;
    // The clock window, with the stored flags for on top, borderless and kept out of the
    // task bar; false when it cannot be made.
    virtual bool CreateClockWindow() = 0;
    virtual void PlaceWindow() = 0; // stored placement, or the default size centred
    virtual void LayOutClocks() = 0;
    virtual void ShowOrHideWindow() = 0; // by the visible setting
    virtual void AddTrayIcon(const std::string& tip) = 0;
    // The clocks take their zones from the database of the usage mode (RefreshZonesAtStart).
    virtual void RefreshClockZones() = 0;
    virtual void StartClockTimer() = 0;

    // The end: each step is called once, in order.
    virtual bool TransferRunningWithoutError() = 0;
    virtual void CancelTransfer() = 0;
    virtual void StopClockTimer() = 0;
    virtual void CapturePlacement() = 0;
    virtual void RemoveTrayIcon() = 0;
    virtual bool SettingsModified() = 0;
    // A failed save is shown when the user ended the program; at the end of the session or
    // on a termination signal nobody may be there to answer a message, so it is written to
    // standard error.
    virtual bool SaveSettings(EndReason why) = 0;
};

enum class StartResult { Running, BadSettings, NoWindow };
StartResult StartProgram(ShellHost& host, const ProgramIdentity& id);
// True when the settings, if modified, were saved.
bool EndProgram(ShellHost& host, EndReason why);
// Exit status of a start that could not run.
int StartExitStatus(StartResult r);

} // namespace orbel
