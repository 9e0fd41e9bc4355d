// The shell's rules: the tray tip, the command menu, the help titles and texts, and the
// order of the start and end steps.
#include <gtest/gtest.h>

#include "shell/Shell.h"

namespace orbel {
namespace {

TEST(TrayTip, MakerProductAndDescriptionCutTo63Characters)
{
    EXPECT_EQ(TrayTip(ProgramIdentity{}), "Quillon Software Orbel - World clock");
    ProgramIdentity longName;
    longName.companyName = std::string(50, 'Q');
    // 50 + " Orbel - World clock" (20) = 70 characters: the last 7 go.
    EXPECT_EQ(TrayTip(longName), std::string(50, 'Q') + " Orbel - Worl");
    // Characters of several bytes count once and are never split.
    longName.companyName = "Quill\xC3\xB3n" + std::string(54, 'x'); // 61 characters
    const std::string tip = TrayTip(longName);
    EXPECT_EQ(tip, "Quill\xC3\xB3n" + std::string(54, 'x') + " O");
    EXPECT_EQ(AboutVersionLine(ProgramIdentity{}), "Orbel v3.1");
}

TEST(CommandMenu, ItemsIdsSeparatorsAndStates)
{
    ShellState shown;
    const auto menu = CommandMenu(shown);
    const int ids[] = {1, 0, 2001, 2002, 2003, 0, 2000, 2010, 0, 57670, 57664, 0, 57665};
    ASSERT_EQ(menu.size(), std::size(ids));
    for (std::size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(menu[i].separator, ids[i] == 0) << i;
        if (ids[i]) {
            EXPECT_EQ(menu[i].id, ids[i]) << i;
        }
    }
    EXPECT_EQ(menu[0].text, "Hid&e\tV");
    EXPECT_TRUE(menu[0].isDefault);
    EXPECT_EQ(menu[12].text, "&Close\tAlt+F4");
    EXPECT_EQ(menu[4].text, "&Plan...\tP");
    // Day and Night is a check item, checked while the clocks are shaded.
    EXPECT_TRUE(menu[7].checkable);
    EXPECT_FALSE(menu[7].checked);
    ShellState shaded;
    shaded.dayAndNight = true;
    EXPECT_TRUE(CommandMenu(shaded)[7].checked);
    EXPECT_EQ(MenuLabel(menu[2].text), "Co&nvert...");
    EXPECT_EQ(MenuKey(menu[2].text), "N");
    // The windows not built yet are present and greyed.
    EXPECT_FALSE(menu[2].enabled);
    EXPECT_FALSE(menu[3].enabled);
    EXPECT_FALSE(menu[4].enabled);
    EXPECT_FALSE(menu[6].enabled);
    EXPECT_TRUE(menu[9].enabled);

    ShellState hidden;
    hidden.windowHidden = true;
    hidden.trayAvailable = false; // showing again is always offered
    EXPECT_EQ(CommandMenu(hidden)[0].text, "Sho&w\tV");
    EXPECT_TRUE(CommandMenu(hidden)[0].enabled);
    // Without a tray nothing could bring a hidden window back: Hide is not offered.
    ShellState noTray;
    noTray.trayAvailable = false;
    EXPECT_FALSE(CommandMenu(noTray)[0].enabled);

    int keys = 0;
    for (const Accelerator& a : Accelerators())
        keys += (a.key == 'N' && a.id == 2001) + (a.key == 'O' && a.id == 2000) +
                (a.key == 'T' && a.id == 2002) + (a.key == 'V' && a.id == 1) +
                (a.key == 'P' && a.id == 2003) + (a.key == 'D' && a.id == 2010);
    EXPECT_EQ(keys, 6);
    EXPECT_EQ(Accelerators().size(), 6u);
    EXPECT_TRUE(IsAboutSystemCommand(57679));
    EXPECT_FALSE(IsAboutSystemCommand(57680));
}

TEST(TrayClick, TheFirstItemRunsOnADoubleClickOfAnEmbeddedIconAndOnAnItemsActivation)
{
    // An embedded icon sees a single click before the double-click: only the double-click
    // shows or hides, else the window would hide and show again.
    EXPECT_FALSE(TrayClickRunsFirstItem(TrayClick::Single, TrayKind::Embedded));
    EXPECT_TRUE(TrayClickRunsFirstItem(TrayClick::Double, TrayKind::Embedded));
    EXPECT_TRUE(TrayClickRunsFirstItem(TrayClick::Single, TrayKind::Item));
    EXPECT_FALSE(TrayClickRunsFirstItem(TrayClick::Other, TrayKind::Item));
    EXPECT_FALSE(TrayClickRunsFirstItem(TrayClick::Other, TrayKind::Embedded));
}

TEST(HelpWindowTitle, ExtendedWithTheOwnerAndItsPage)
{
    EXPECT_EQ(HelpWindowTitle("Orbel", false, "Orbel - today", ""), "Orbel Help");
    EXPECT_EQ(HelpWindowTitle("Orbel", true, "Options", "Clocks"), "Orbel Help > Options > Clocks");
    EXPECT_EQ(HelpWindowTitle("Orbel", true, "Convert", ""), "Orbel Help > Convert");
    EXPECT_EQ(HelpWindowTitle("Orbel", true, "", ""), "Orbel Help");
}

TEST(HelpTexts, EveryWindowHasItsTextWithItsSections)
{
    const std::pair<const char*, std::vector<const char*>> expected[] = {
        {"HELP",
         {"INTRODUCTION", "MENU", "POINTING DEVICE (MOUSE) INTERFACE", "KEYBOARD INTERFACE",
          "TIPS"}},
        {"CPPCLOCKS", {"INTRODUCTION", "OPTIONS"}},
        {"CPPFORMAT", {"INTRODUCTION", "OPTIONS"}},
        {"CPPSTYLE", {"INTRODUCTION", "OPTIONS"}},
        {"CPPSYNCH", {"INTRODUCTION", "OPTIONS", "HOW DOES IT WORK?"}},
        {"CPPDST", {"INTRODUCTION", "OPTIONS"}},
        {"1008", {"INTRODUCTION"}},
        {"1010", {"INTRODUCTION"}},
        {"PLAN", {"INTRODUCTION", "OPTIONS", "TIPS"}},
    };
    for (const auto& [name, sections] : expected) {
        const std::string text(HelpTextOf(name));
        for (const char* section : sections)
            EXPECT_NE(text.find(std::string(section) + "\n"), std::string::npos)
                << name << ": " << section;
    }
    EXPECT_EQ(HelpTextNames().size(), std::size(expected));
    EXPECT_TRUE(HelpTextOf("NOSUCH").empty());
}

// Records the steps the shell asks for.
class RecordingHost : public ShellHost {
public:
    std::vector<std::string> steps;
    bool loadOk = true, windowOk = true, transfer = false, modified = false, saveOk = true;
    std::string tip;

    bool LoadSettings() override { return Step("load"), loadOk; }
    bool CreateClockWindow() override { return Step("window"), windowOk; }
    void PlaceWindow() override { Step("place"); }
    void LayOutClocks() override { Step("layout"); }
    void ShowOrHideWindow() override { Step("show"); }
    void AddTrayIcon(const std::string& t) override { Step("tray"), tip = t; }
    void RefreshClockZones() override { Step("zones"); }
    void StartClockTimer() override { Step("timer"); }
    bool TransferRunningWithoutError() override { return transfer; }
    void CancelTransfer() override { Step("cancel"); }
    void StopClockTimer() override { Step("stop"); }
    void CapturePlacement() override { Step("capture"); }
    void RemoveTrayIcon() override { Step("untray"); }
    bool SettingsModified() override { return modified; }
    bool SaveSettings(EndReason) override { return Step("save"), saveOk; }

private:
    void Step(const char* s) { steps.push_back(s); }
};

TEST(ShellSequence, StartRunsEveryStepInOrderAndStopsAtTheFirstFailure)
{
    RecordingHost host;
    EXPECT_EQ(StartProgram(host, ProgramIdentity{}), StartResult::Running);
    EXPECT_EQ(host.steps, (std::vector<std::string>{"load", "window", "place", "layout", "show",
                                                    "tray", "zones", "timer"}));
    EXPECT_EQ(host.tip, "Quillon Software Orbel - World clock");

    RecordingHost damaged;
    damaged.loadOk = false;
    EXPECT_EQ(StartProgram(damaged, ProgramIdentity{}), StartResult::BadSettings);
    EXPECT_EQ(damaged.steps, (std::vector<std::string>{"load"}));
    EXPECT_EQ(StartExitStatus(StartResult::BadSettings), 1);

    RecordingHost noWindow;
    noWindow.windowOk = false;
    EXPECT_EQ(StartProgram(noWindow, ProgramIdentity{}), StartResult::NoWindow);
    EXPECT_EQ(noWindow.steps, (std::vector<std::string>{"load", "window"}));
}

TEST(ShellSequence, EndCancelsATransferAndSavesOnlyWhatChanged)
{
    for (EndReason why : {EndReason::Closed, EndReason::SessionEnd, EndReason::Terminated}) {
        RecordingHost busy;
        busy.transfer = true;
        busy.modified = true;
        EXPECT_TRUE(EndProgram(busy, why));
        EXPECT_EQ(busy.steps,
                  (std::vector<std::string>{"cancel", "stop", "capture", "untray", "save"}));
    }
    RecordingHost idle;
    EXPECT_TRUE(EndProgram(idle, EndReason::Closed));
    EXPECT_EQ(idle.steps, (std::vector<std::string>{"stop", "capture", "untray"}));
    RecordingHost failing;
    failing.modified = true;
    failing.saveOk = false;
    EXPECT_FALSE(EndProgram(failing, EndReason::Terminated));
}

} // namespace
} // namespace orbel
