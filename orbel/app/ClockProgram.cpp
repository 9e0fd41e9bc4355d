#include "app/ClockProgram.h"

#include <QApplication>

#include <iostream>
#include <system_error>

#include "settings/FileRegistryStore.h"
#include "settings/SettingsPlatform.h"
#include "shell/qt/ClockShell.h"
#include "shell/qt/Display.h"
#include "sync/ServerSetting.h"
#include "sync/qt/LinuxSystemClock.h"
#include "widgets/ProgramIcon.h"
#include "zones/qt/Language.h"
#include "zones/qt/LocaleAdapter.h"

namespace orbel::app {

int RunClockProgram(int argc, char** argv, const Options& options)
{
    if (!HasDisplay()) {
        std::cerr << NoDisplayMessage() << "\n";
        return 1;
    }
    // A termination signal ends the program as Close does, settings saved.
    ClockShell::InstallTerminationHandler();
    QApplication app(argc, argv);
    InstallLanguage(); // now for the windows' own texts too
    // The name is also the display name Qt falls back on (message boxes without a title);
    // a display name set as well would be added after every window title on X ("Orbel -
    // <date> — Orbel"), so none is set and each title reads as the window sets it.
    QApplication::setApplicationName(QStringLiteral("Orbel"));
    // Every window carries the clock's icon, and the desktop finds its menu entry.
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orbel.Orbel"));

    FileRegistryStore store(FileRegistryStore::DefaultFolder());
    std::error_code ec;
    ShellConfig config;
    config.platform = SystemSettingsPlatform(options.dataDir);
    config.platform.defaultServer = DefaultServerSetting();
    config.store = &store;
    config.programPath = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    LinuxSystemClock clock;
    config.systemClock = &clock;
    config.window.utcNow = config.platform.utcNow;
    config.window.localNow = [utcNow = config.platform.utcNow,
                              toLocal = config.platform.unixToLocal] {
        return toLocal(static_cast<std::int64_t>(utcNow().ToUnixSeconds()));
    };
    // Every date and time text of the window in the user's locale.
    const LocaleTexts texts = UserLocaleTexts();
    ApplyLocaleTexts(config.platform, texts);
    config.window.locale = texts;
    config.window.timeSeparator = texts.timeSeparator;
    config.window.readLocale = [] { return UserLocaleTexts(); };

    int status = 0;
    {
        ClockShell shell(std::move(config));
        const StartResult started = shell.Start();
        status = started == StartResult::Running ? app.exec() : StartExitStatus(started);
    }
    // The program has ended (settings saved, windows gone, or it could not start and said
    // why): only Qt's own teardown is left.
    EndNowOnWayland(status);
    return status;
}

} // namespace orbel::app
