#pragma once
// A running clock program for tests of the options sheet: a temporary data folder, a
// registry in memory, a fixed time (local time one hour ahead of UTC), a computer clock
// that records what it is set to, no tray icon, and every message the pages show recorded
// instead of shown.
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "options/qt/CPSOptions.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "shell/qt/ClockShell.h"
#include "sync/SystemClock.h"

namespace orbel::testing {

struct RecordingClock : SystemClock {
    CalendarTime LocalNow() override
    {
        return DateTime::FromCalendar(2026, 12, 8, 11, 15, 20).Calendar();
    }
    CalendarTime UtcNow() override
    {
        return DateTime::FromCalendar(2026, 12, 8, 10, 15, 20).Calendar();
    }
    bool SetTimeWithPrivilege(const CalendarTime& t, bool) override
    {
        set.push_back(t);
        return true;
    }
    std::string LastErrorText() const override { return {}; }
    std::vector<CalendarTime> set;
};

class OptionsSheetFixture : public ::testing::Test {
protected:
    // Starts the program on the settings in the data folder and the store.
    void StartProgram()
    {
        ShellConfig config;
        config.platform = Platform();
        config.store = &store;
        config.programPath = "/opt/orbel/orbel";
        config.systemClock = &clock;
        config.window.utcNow = [this] { return utc; };
        config.window.localNow = [this] { return utc + DateTimeSpan::FromSeconds(3600); };
        config.useTray = false;
        config.showError = [this](const std::string& text) { messages.push_back(text); };
        config.showMessage = [this](QWidget*, const std::string& text, MessageIcon) {
            messages.push_back(text);
        };
        shell = std::make_unique<ClockShell>(config);
        ASSERT_EQ(shell->Start(), StartResult::Running);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shell->Window()));
    }
    CAppSettings& Settings() { return shell->Settings(); }
    // The Options command as the O key gives it to the clock window.
    CPSOptions* OpenWithKey()
    {
        shell->Window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(shell->Window()));
        QTest::keyClick(shell->Window(), Qt::Key_O);
        CPSOptions* sheet = shell->Options();
        if (sheet) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(sheet));
        }
        return sheet;
    }
    // Waits until the closed sheet has gone.
    bool SheetGone()
    {
        return QTest::qWaitFor([&] { return shell->Options() == nullptr; }, 5000);
    }
    SettingsPlatform Platform()
    {
        SettingsPlatform p;
        p.dataFolder = dir.path().toStdString();
        p.utcNow = [this] { return utc; };
        p.localToUnix = [](const DateTime& l) { return std::int64_t(l.ToUnixSeconds()) - 3600; };
        p.unixToLocal = [](std::int64_t s) { return DateTime::FromUnixSeconds(double(s + 3600)); };
        p.localZone = [] { return TimeZoneInformation{}; };
        p.defaultGuiFont.weight = 400;
        p.defaultGuiFont.height = 16;
        p.defaultGuiFont.SetFace("DejaVu Sans");
        return p;
    }

    QTemporaryDir dir;
    DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 20);
    MemoryRegistryStore store;
    RecordingClock clock;
    std::vector<std::string> messages;
    std::unique_ptr<ClockShell> shell;
};

} // namespace orbel::testing
